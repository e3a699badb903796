#pragma once

#include <array>

#include "cards/Card.h"
#include "cards/qlCards.h"
#include "core/Types.h"

// What the rules wait for: which seat decides what, with the counts its question needs. The
// game names its pending decision (qlGame::Pending) and goes on once it is given a Choice
// (qlGame::Apply).
enum class DecisionKind {
    None,         // nothing: the game has not started, has ended, or stopped
    Role,         // the role chooser picks one of the free roles
    Chapel,       // 0 or 1 hand card to bury under the chapel
    HandLimit,    // the hand cut to `count` cards (4 in the first round)
    CraneCover,   // 0 or 1 building of the city for the crane to build over
    BlackMarket,  // up to `count` buildings whose goods pay towards the build
    Build,        // 0 or 1 hand card to build, `savings` of its cost already covered
    Payment,      // `count` hand cards to pay for the building
    CouncilKeep,  // the cards kept of those `offered` (with the Archive, of the hand as well)
    GoldMine,     // one card of the four `offered` by a gold mine that found gold
    Produce,      // up to `count` open production buildings to lay goods on
    Trade,        // up to `count` buildings whose goods are sold
};

struct Decision {
    DecisionKind kind = DecisionKind::None;
    Integer seat = 0;         // the deciding seat, 1 to 4
    Integer count = 0;        // see DecisionKind
    Integer savings = 0;      // at a build
    bool firstRound = false;  // at a hand limit
    Integer keep = 0;         // at a keep: how many of the draw the seat keeps (1, or 2 with the
    bool archive = false;     // Prefecture); with the Archive the whole hand joins the choice
    qlCards offered{};        // at a keep: the cards drawn; at a gold mine: the four cards
    // What the seat may choose from: at a role choice the free roles (0 Councillor to 4
    // Prospector); otherwise the cards or buildings on offer, the hand where the choice is of
    // hand cards (the Archive's keep offers the hand and the draw).
    std::array<bool, 5> rolesFree{};
    qlCards options{};
};

// A seat's answer to a Decision. The cards are the game's own: of the hand, the city or the
// cards offered.
struct Choice {
    int role = -1;    // at a role choice: 0 Councillor to 4 Prospector; -1: the seat left the game
    qlCards cards{};  // what is chosen; at a keep or a hand limit, the cards kept, in their order
    // At a keep or a hand limit: the others, in the order they are discarded. At a gold mine:
    // its four cards in the order the seat leaves them for the discard pile (nothing: as
    // offered).
    qlCards givenUp{};
};
