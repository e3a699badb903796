#include "ScriptedTable.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "game/HeadlessTable.h"
#include "game/TableEventText.h"
#include "game/qlGame.h"
#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

namespace testing_support {
namespace {

// A card question that keeps the window's rules and writes down how it was filled.
class ScriptedChooser : public CardChooser {
  public:
    void SetMinAmt(Integer amount) override {
        mMin = amount;
        Note("min " + std::to_string(amount));
    }
    void SetMaxAmt(Integer amount) override {
        mMax = amount;
        Note("max " + std::to_string(amount));
    }
    void SetAutoClose(Integer mode) override { Note("auto " + std::to_string(mode)); }
    void SetTimeDelay(Integer halfSeconds) override {
        Note("delay " + std::to_string(halfSeconds));
    }
    void SetStartImage(Integer roleIndex) override { Note("picture " + std::to_string(roleIndex)); }
    void SetCardsActive(bool active) override {
        mActive = active;
        Note(active ? "active" : "inactive");
    }
    void SetCaption(const std::string& caption) override { mCaption = caption; }
    void SetCards(const qlCards& cards) override {
        mCards = qlCards();
        mCards.AddCards(cards);
        mActive = true;
        Note("cards " + Joined(cards));
    }
    void ShowGoodsOf(const qlPlayer& seat) override {
        Note("goods of player " + std::to_string(seat.PlayerNumber()));
    }
    void AddCards(const qlCards& cards) override {
        mCards.AddCards(cards);
        Note("add " + Joined(cards));
    }
    void AddCard(Card card) override {
        mCards.AddCard(card);
        Note("add " + card->BuildingName());
    }
    void EnableBuildMode(const qlPlayer& player, Integer goodsUsed) override {
        mCards = player.GetHumanBuildableCards(mCards, goodsUsed);
        mMin = 0;
        mMax = 1;
        Note("build mode " + std::to_string(goodsUsed) + ": " + Joined(mCards));
    }
    void RemoveCrane() override {
        mCards.RemoveCards(mCards.GetCardsByName("Crane"));
        Note("no crane");
    }
    void HighlightCard(const Card& card) override {
        EXPECT_TRUE(mCards.Contains(card)) << "highlighting a card not offered";
        Note("highlight " + card->BuildingName());
    }
    qlCards SelectedCards() const override { return Part(true); }
    qlCards DiscardedCards() const override { return Part(false); }

    // Checks the named cards one by one as a player would click them.
    void Check(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            if (name.rfind('#', 0) == 0) {  // "#n": the first n cards offered
                std::vector<std::string> first;
                for (Long i = 1; i <= std::stoi(name.substr(1)) && i <= mCards.Count(); ++i) {
                    first.push_back(mCards.Item(i)->BuildingName());
                }
                Check(first);
                return;
            }
            ASSERT_TRUE(mActive) << "checking " << name << " in " << Line();
            ASSERT_LT(static_cast<int>(mChecked.size()), mMax)
                << "checking " << name << " beyond the maximum in " << Line();
            bool found = false;
            for (const Card& card : mCards) {
                if (card->BuildingName() == name && !IsChecked(card)) {
                    mChecked.push_back(card);
                    found = true;
                    break;
                }
            }
            ASSERT_TRUE(found) << name << " is not offered in " << Line();
        }
        ASSERT_GE(static_cast<int>(mChecked.size()), mMin) << "OK is disabled in " << Line();
    }

    std::string Line() const { return mCaption + " |" + mNotes; }
    Integer Min() const { return mMin; }
    Integer Max() const { return mMax; }
    bool Active() const { return mActive; }

  private:
    void Note(const std::string& text) { mNotes += " " + text + ";"; }
    static std::string Joined(const qlCards& cards) {
        std::string text;
        for (const std::string& name : Names(cards)) {
            text += (text.empty() ? "" : ",") + name;
        }
        return text;
    }
    bool IsChecked(const Card& card) const {
        return std::find(mChecked.begin(), mChecked.end(), card) != mChecked.end();
    }
    qlCards Part(bool selected) const {
        qlCards part;
        for (const Card& card : mCards) {
            if (IsChecked(card) == selected) {
                part.AddCard(card);
            }
        }
        return part;
    }

    qlCards mCards;
    std::vector<Card> mChecked;
    Integer mMin = 0;
    Integer mMax = 0;
    bool mActive = true;
    std::string mCaption;
    std::string mNotes;
};

}  // namespace

std::unique_ptr<CardChooser> ScriptedTable::NewChooser() {
    return std::make_unique<ScriptedChooser>();
}

void ScriptedTable::ShowChooser(std::unique_ptr<CardChooser> chooser, int seatIndex,
                                Answered answered) {
    auto& scripted = static_cast<ScriptedChooser&>(*chooser);
    shown.push_back("Ask " + std::to_string(seatIndex) + ": " + scripted.Line());
    if (!mAnswers.empty()) {
        const std::vector<std::string> answer = mAnswers.front();
        mAnswers.pop_front();
        scripted.Check(answer);
    } else if (autoPlay) {
        // As a player clicking would: the first cards, at least one where one may be checked.
        const bool any = scripted.Active() && scripted.Max() > 0;
        scripted.Check(
            {"#" + std::to_string(any ? std::max<int>(scripted.Min(), 1) : scripted.Min())});
    } else {
        scripted.Check({});
    }
    answered(scripted);
}

std::vector<std::string> ScriptedTable::Questions() const {
    std::vector<std::string> questions;
    for (const std::string& line : shown) {
        if (line.rfind("Ask ", 0) == 0) {
            questions.push_back(line);
        }
    }
    return questions;
}

std::vector<std::string> ScriptedTable::Told(Integer seat) const {
    std::vector<std::string> lines;
    for (const TableEvent& event : events) {
        if (std::string line = DescribeEvent(event, seat); !line.empty()) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

void ScriptedTable::ShowMessage(int informational, int roleIndex, const std::string& text) {
    shown.push_back("Message " + std::to_string(informational) + " " + std::to_string(roleIndex) +
                    ": " + text);
}

void ScriptedTable::ShowStatus(const std::string& text) {
    statuses.push_back(text);
    if (onStatus) {
        onStatus(text);
    }
}

void ScriptedTable::ShowEvent(const TableEvent& event) {
    events.push_back(event);
    eventShownAt.push_back(shown.size());
    if (onEvent) {
        onEvent(event);
    }
}

void ScriptedTable::ShowPoints(int seatIndex, Integer points) {
    shown.push_back("Points " + std::to_string(seatIndex) + " " + std::to_string(points));
}

void ScriptedTable::ShowTradePrices(const qlTradeTiles::Tile& prices) {
    std::string text = "Prices";
    for (const Integer price : prices) {
        text += " " + std::to_string(price);
    }
    shown.push_back(text);
}

void ScriptedTable::ChooseRole() {
    if (mRoles.empty() && autoPlay) {
        for (int role = 0; role < 5; ++role) {
            if (mGame->RolesFree()[static_cast<std::size_t>(role)]) {
                mGame->cmdRoles_Click(role);
                return;
            }
        }
    }
    if (mRoles.empty()) {
        mExit = true;
        return;
    }
    const int role = mRoles.front();
    mRoles.pop_front();
    mGame->cmdRoles_Click(role);
}

PlayedLogs PlayLogged(qlGame& game, bool on) {
    std::ostringstream log;
    std::ostringstream gameLog;
    game.SetLogFiles(&log, &gameLog);
    const qlGame::Outcome outcome = on ? game.PlayOn() : game.PlayGame();
    return {gameLog.str(), log.str(), outcome};
}

PlayedLogs PlayCopy(const qlGame& game) {
    HeadlessTable table;
    qlGame copy(game, table);
    return PlayLogged(copy, true);
}

PlayedLogs PlaySeeded(Integer players, std::uint64_t seed) {
    HeadlessTable table;
    qlGame game(table, players, 0, Random::SeededSource(seed));
    return PlayLogged(game);
}

void ExpectLogsOfSeeded(const PlayedLogs& played, Integer players, std::uint64_t seed) {
    const PlayedLogs plain = PlaySeeded(players, seed);
    EXPECT_EQ(played.outcome, qlGame::Outcome::Finished);
    EXPECT_EQ(played.gameLog, plain.gameLog);
    EXPECT_EQ(played.log, plain.log);
}

void ExpectEachCounted(const std::array<int, 12>& counts, const std::vector<DecisionKind>& kinds) {
    for (const DecisionKind kind : kinds) {
        EXPECT_GT(counts[static_cast<std::size_t>(kind)], 0) << static_cast<int>(kind);
    }
}

void SetEveryDecider(qlGame& game,
                     const std::function<std::unique_ptr<SeatDecider>(Integer)>& make) {
    for (Integer seat = 1; seat <= game.NumberOfPlayers(); ++seat) {
        game.SetDecider(seat, make(seat));
    }
}

}  // namespace testing_support
