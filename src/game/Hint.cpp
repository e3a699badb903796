#include "game/Hint.h"

#include <cmath>

#include "cards/qlCard.h"
#include "game/ExpertPlayer.h"
#include "game/qlGame.h"

namespace {

// "Smithy", "Smithy and Well", "Mill, Smithy and Well".
std::string Names(const qlCards& cards) {
    std::string names;
    for (Long k = 1; k <= cards.Count(); ++k) {
        const char* joint = k == 1 ? "" : k == cards.Count() ? " and " : ", ";
        names += joint + cards.Item(k)->BuildingName();
    }
    return names;
}

// What the choice does, in the words of its decision.
std::string ChoiceText(DecisionKind kind, const Choice& choice) {
    struct Words {
        const char* verb;     // before the cards chosen
        const char* nothing;  // when none are
    };
    const auto say = [&choice](Words words) {
        return choice.cards.Empty() ? std::string(words.nothing) : words.verb + Names(choice.cards);
    };
    switch (kind) {
        case DecisionKind::Role:
            return RoleName(RoleAt(choice.role));
        case DecisionKind::Build:
            return choice.cards.Empty() ? "build nothing" : Names(choice.cards);
        case DecisionKind::Chapel:
            return say({"bury ", "bury nothing"});
        case DecisionKind::CraneCover:
            return say({"build over ", "build over nothing"});
        case DecisionKind::BlackMarket:
            return say({"sell the goods of ", "sell no goods"});
        case DecisionKind::Payment:
            return say({"pay with ", "pay nothing"});
        case DecisionKind::GoldMine:
            return say({"take ", "take nothing"});
        case DecisionKind::Produce:
            return say({"produce on ", "produce nothing"});
        case DecisionKind::Trade:
            return say({"sell from ", "sell nothing"});
        default:  // the hand limit and the councillor's keep
            return say({"keep ", "keep nothing"});
    }
}

}  // namespace

std::string Hint::Text() const {
    const std::string text = ChoiceText(kind, choice);
    if (games == 0) {
        return text + ", the only choice";
    }
    const long share = std::lround(100.0 * static_cast<double>(wins) / static_cast<double>(games));
    return text + ": wins " + std::to_string(share) + " % of " + std::to_string(games) +
           " sampled games";
}

Hint AskForHint(const qlGame& game, Integer seat, Table& table, int budget) {
    // A seed from what every seat can see, so that the same position gets the same hint.
    ExpertPlayer player(seat, 0x4A1B7ULL + static_cast<std::uint64_t>(game.RolesChosen()), budget);
    Hint hint;
    hint.kind = game.Pending().kind;
    hint.choice = player.Decide(game, table);
    hint.wins = player.LastVerdict().wins;
    hint.games = player.LastVerdict().games;
    return hint;
}
