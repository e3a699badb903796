#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "cards/qlCards.h"
#include "cards/qlTradeTiles.h"
#include "core/Random.h"
#include "core/Types.h"
#include "game/Decision.h"
#include "players/GameValues.h"
#include "players/Role.h"
#include "players/qlPlayer.h"

// Where the rules stand between two decisions: the next thing they do when the game runs on.
// Decide: they wait for the decision GameState::awaiting names; Stopped: the player left or the
// round limit came; Over: a city holds twelve buildings once the role is done.
enum class RulesStep : std::uint8_t {
    StartRound,        // the governor passes and the round's governor phases begin
    GovernorTurn,      // the governor phase of governorSeat: its library, its chapel
    HandLimit,         // the same seat's hand cut to its limit
    NextGovernorTurn,  // the next seat's governor phase, or the round's first role choice
    RoleChoice,        // the role chooser picks a role
    Turn,              // the current seat performs the role
    GoldMine,          // the current seat's gold mine, after the prospector's card
    TurnDone,          // the next seat's turn, or the role is done
    RoleDone,          // the next role choice, or the next round
    Decide,
    Stopped,
    Over,
};

// What the rules have settled for the decision they wait for, or for the rest of the turn.
struct TurnState {
    Card covered;         // the building the crane builds over
    Integer goodsUsed{};  // goods spent at the black market
    Card building;        // the card being built, out of the hand while it is paid for
    Integer cost{};       // what the seat pays for it
    qlCards offered;      // the councillor's draw, or the gold mine's four cards
    Integer keep = 1;     // how many of the draw the councillor keeps
    bool archive = false;

    // As a new turn finds it, the room of the cards offered kept.
    void Clear() {
        covered = {};
        goodsUsed = 0;
        building = {};
        cost = 0;
        offered.Clear();
        keep = 1;
        archive = false;
    }
};

// The whole of one game as a value: the seats, the piles, the tiles, whose turn it is, the
// step the rules stand at, the game-wide values and the random generator's state. Cards are
// numbers into the program's read-only table of cards, so `GameState copy = state;` is the
// whole copy, and nothing in it points into itself.
struct GameState {
    GameValues values;
    Random::Stream random;
    std::array<qlPlayer, 4> seats;
    qlCards reserve;
    qlCards discard;
    std::optional<qlTradeTiles> tradeTiles;
    qlTradeTiles::Tile goodValues{};
    // Seat numbers, 0 for none.
    Integer currentPlayer = 0;
    Integer governor = 0;
    Integer roleChooser = 0;
    Integer governorSeat = 0;  // the seat in its governor phase
    std::optional<Role> currentRole;
    std::array<bool, 5> rolesFree{};
    RulesStep step = RulesStep::StartRound;
    DecisionKind awaiting = DecisionKind::None;
    bool firstRound = false;
    bool gameOver = false;
    bool seatsExist = false;
    bool playStarted = false;
    TurnState turn;
    Long catalogueSize = 0;
    Long coveredCount = 0;
    Long rounds = 0;
    Long rolesChosen = 0;
    Long tilesTurned = 0;
};
