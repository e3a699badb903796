#include "record/GameRecordOf.h"

#include "game/qlGame.h"
#include "players/ScoreBreakdown.h"

GameRecord RecordOf(const qlGame& game, bool exited, const GameCircumstances& circumstances) {
    GameRecord record;
    record.playedAt = UtcNow();
    record.seed = circumstances.seed;
    record.programVersion = ProgramVersion();
    record.humanSeat = circumstances.humanSeat;
    record.computers = circumstances.computers;
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        const ScoreBreakdown parts = game.Player(n).PointsBreakdown();
        GameRecord::Seat seat;
        seat.points = game.Player(n).Points();
        seat.buildingCount = parts.buildingCount;
        seat.buildingPoints = parts.buildings;
        seat.chapelPoints = parts.chapel;
        for (const ScoreBreakdown::Bonus& bonus : parts.bonuses) {
            seat.bonusPoints += bonus.points;
        }
        record.seats.push_back(seat);
    }
    record.winner = game.GetWinner().PlayerNumber();
    record.rounds = game.Rounds();
    record.durationMs = circumstances.durationMs;
    record.exited = exited;
    record.resumed = circumstances.resumed;
    record.source = circumstances.source;
    return record;
}
