// The end of the game: the results log, the winner, the final scores; and the game log's lines.

#include <string>

#include "game/TableEvents.h"
#include "game/qlGame.h"

namespace {

void WriteLine(std::ostream* log, const std::string& line) {
    if (log) {
        *log << line << "\r\n";
    }
}

}  // namespace

void qlGame::EndGame(const std::string& preface) {
    WriteResultsLog();
    Tell([&] {
        return table_events::ForSeat(TableEvent::Kind::GameEnded, GetWinner(),
                                     GetWinner().Points());
    });
    ShowFinalScores(preface);
    ReleaseGame();
}

void qlGame::WriteResultsLog() {
    if (!mLogFile) {
        return;
    }
    for (Integer n = 1; n <= mState.values.NumberOfPlayers; ++n) {
        const qlPlayer& seat = Player(n);
        WriteLine(mLogFile, "Player " + std::to_string(n));
        for (const Card& building : seat.BuiltCards()) {
            WriteLine(mLogFile, "    " + building->BuildingName() + ",");
        }
        for (Long i = seat.BuiltCards().Count(); i < 12; ++i) {
            WriteLine(mLogFile, "    ----,");
        }
        WriteLine(mLogFile, "  Points = " + std::to_string(seat.Points()) + ", " +
                                (&GetWinner() == &seat ? "W" : "L"));
    }
    mLogFile->flush();
}

// The highest points win; equal points go to more cards in hand plus goods, then to the seat
// first from seat 1. When no seat beats the empty start (no points, cards or goods anywhere)
// seat 1 wins, so that the scores always name a winner.
const qlPlayer& qlGame::GetWinner() const {
    const qlPlayer* candidate = nullptr;
    Integer points = 0;
    Long tie = 0;
    for (Integer n = 1; n <= mState.values.NumberOfPlayers; ++n) {
        const qlPlayer& seat = Player(n);
        const Integer seatPoints = seat.Points();
        const Long seatTie = TieValue(seat);
        if (seatPoints > points || (seatPoints == points && seatTie > tie)) {
            candidate = &seat;
            points = seatPoints;
            tie = seatTie;
        }
    }
    return candidate ? *candidate : Player(1);
}

Long qlGame::TieValue(const qlPlayer& seat) {
    return seat.CardsInHand().Count() + seat.BuildingsWithGoods().Count();
}

void qlGame::ShowFinalScores(const std::string& preface) {
    ClearStatus();  // the last seat's prompt no longer applies
    if (mSilent) {
        return;
    }
    const qlPlayer& winner = GetWinner();
    std::string text = preface + "Player " + std::to_string(winner.PlayerNumber()) +
                       " wins: " + std::to_string(winner.Points()) + " points!\r\n\r\n\r\n" +
                       "Here are the final scores:\r\n\r\n";
    for (Integer n = 1; n <= mState.values.NumberOfPlayers; ++n) {
        text += "        Player " + std::to_string(n) + " = " + std::to_string(Player(n).Points()) +
                "\r\n";
    }
    mTable->ShowMessage(0, 0, text);
}

// The seats and piles stay readable for whoever holds the game; the table lets go of them.
void qlGame::ReleaseGame() {
    mTable->SeatsReleased();
}

// Each line reaches the file at once, so that a game killed or crashed midway leaves its log
// so far behind.
void qlGame::WriteGameLogLine(const std::string& line) {
    WriteLine(mGameLogFile, line);
    mGameLogFile->flush();
}

void qlGame::LogOverBuild(const qlPlayer& player, const char* stage, const Card& covered) {
    if (!mGameLogFile) {
        return;
    }
    const std::string number = "Player " + std::to_string(player.PlayerNumber());
    WriteGameLogLine(number + stage + (covered ? covered->BuildingName() : ""));
    WriteGameLogLine("  Current Built Count = " + std::to_string(player.BuiltCards().Count()));
    if (covered) {
        for (const Card& building : player.BuiltCards()) {
            WriteGameLogLine("  " + building->BuildingName());
        }
    }
}
