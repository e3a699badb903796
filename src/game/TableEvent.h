#pragma once

#include <string>
#include <vector>

#include "core/Types.h"

// One move at the table as the human saw it, raised by the game through its table so that a
// window, a test or the simulator can tell the story of the game. Card names appear only where
// the human sees them: buildings in a city, the cards the gold mine turns up, and the human's
// own cards. A computer seat's hand cards and the face-down goods are only ever counted.
struct TableEvent {
    enum class Kind {
        RoundStarted,  // seat: the governor; count: the round
        TurnStarted,   // seat: whose turn it is now (governor phase, role choice or role)
        RoleChosen,    // seat, role
        Built,         // building ("" when nothing is built); count: its printed cost;
                       // reductions; cost: cards paid; cards: the human's payment; covered:
                       // under the crane; drawn: cards drawn after building
        Produced,      // cards: the buildings given a good; count: goods; drawn: by the well
        Sold,          // cards: the buildings sold from, prices: one each; drawn: cards drawn
        Councillor,    // drawn; count: kept; held: hand cards joining the choice (archive);
                       // cards: the human's kept cards
        Prospected,    // count: cards drawn by the prospector's privilege
        GoldMine,      // cards: the four turned up; building: the card taken, "" for no gold
        Chapel,        // count: cards buried; cards: the human's buried card
        HandLimit,     // count: cards discarded; held: the hand limit
        GameEnded,     // seat: the winner; count: its points
        // The human's open question and what it is for.
        KeepAsked,   // drawn; count: cards to keep; held: hand cards joining; reasons
        LimitAsked,  // count: cards to keep; held: hand size; reasons
    };
    // What lowers the cost of a building: "Smithy", "Quarry", "Builder" (the privilege),
    // "Library" (the privilege doubled), "Black Market" (goods spent) or "Crane" (the covered
    // building's cost).
    struct Reduction {
        std::string source;
        int amount = 0;
        bool operator==(const Reduction&) const = default;
    };

    Kind kind = Kind::RoundStarted;
    Integer seat = 0;  // 1 to 4; 0 for none
    std::string role;
    std::string building;
    std::string covered;
    std::vector<std::string> cards;
    std::vector<int> prices;
    std::vector<Reduction> reductions;
    // The buildings or the round behind a number: "Prefecture", "Archive", "Tower",
    // "first round".
    std::vector<std::string> reasons;
    int count = 0;
    int drawn = 0;
    int held = 0;
    int cost = 0;
};
