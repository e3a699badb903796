#include "game/GameChecks.h"

#include <string>
#include <unordered_set>

#include "cards/qlCard.h"
#include "game/qlGame.h"

namespace {

// Records every card of `cards` as seen in `place`; false with `problem` set on a card seen
// before anywhere.
bool See(const qlCards& cards, const std::string& place, std::unordered_set<std::uint32_t>& seen,
         std::string& problem) {
    for (const Card& card : cards) {
        if (!seen.insert(card.Index()).second) {
            problem = "a " + card->BuildingName() + " card is twice in play, once in " + place;
            return false;
        }
    }
    return true;
}

}  // namespace

std::string CheckCardsConserved(const qlGame& game) {
    std::unordered_set<std::uint32_t> seen;
    std::string problem;
    if (!See(game.Reserve(), "the draw pile", seen, problem) ||
        !See(game.Discard(), "the discard pile", seen, problem)) {
        return problem;
    }
    Long gone = game.CoveredCount();
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        const qlPlayer& seat = game.Player(n);
        const std::string who = "player " + std::to_string(n);
        if (seat.BuiltCards().Count() > 12) {
            return who + "'s city holds " + std::to_string(seat.BuiltCards().Count()) +
                   " buildings";
        }
        if (!See(seat.CardsInHand(), who + "'s hand", seen, problem) ||
            !See(seat.BuiltCards(), who + "'s city", seen, problem) ||
            !See(seat.ChapelCards(), who + "'s chapel", seen, problem)) {
            return problem;
        }
        for (const Card& good : seat.CityGoods()) {
            if (good && !seen.insert(good.Index()).second) {
                return "a " + good->BuildingName() + " card is twice in play, once as " + who +
                       "'s good";
            }
        }
    }
    const Long counted = static_cast<Long>(seen.size()) + gone;
    if (counted != game.CatalogueSize()) {
        return std::to_string(counted) + " cards are accounted for, of the catalogue's " +
               std::to_string(game.CatalogueSize());
    }
    return "";
}

std::string CheckHandLimits(const qlGame& game, bool firstRound) {
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        const qlPlayer& seat = game.Player(n);
        const Long limit = firstRound ? 4 : seat.CardsAllowed();
        if (seat.CardsInHand().Count() > limit) {
            return "player " + std::to_string(n) + " holds " +
                   std::to_string(seat.CardsInHand().Count()) + " cards after the governor " +
                   "phase, above the limit of " + std::to_string(limit);
        }
    }
    return "";
}

std::string CheckScoreBreakdowns(const qlGame& game) {
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        const qlPlayer& seat = game.Player(n);
        const ScoreBreakdown parts = seat.PointsBreakdown();
        int printed = 0;
        for (const Card& building : seat.BuiltCards()) {
            printed += building->VictoryPoints();
        }
        std::string problem;
        if (parts.Total() != seat.Points()) {
            problem = "add up to " + std::to_string(parts.Total()) + ", not to its " +
                      std::to_string(seat.Points()) + " points";
        } else if (parts.buildings != printed || parts.chapel != seat.ChapelPoints()) {
            problem = "give its buildings " + std::to_string(parts.buildings) + " and its chapel " +
                      std::to_string(parts.chapel) + " points";
        }
        for (const ScoreBreakdown::Bonus& bonus : parts.bonuses) {
            if (problem.empty() && !seat.HasBuiltName(bonus.building)) {
                problem = "name a bonus of the " + bonus.building + ", which it has not built";
            }
        }
        if (!problem.empty()) {
            return "player " + std::to_string(n) + "'s points part by part " + problem;
        }
    }
    return "";
}
