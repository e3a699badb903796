#pragma once

#include <string>

#include "cards/qlCard.h"
#include "game/qlGame.h"
#include "support/TableHelpers.h"

// Arranges positions in a game for the scenario tests: cards are taken by name out of the draw
// pile, so that every card of the catalogue stays in exactly one place.
class GameTestAccess {
  public:
    // Seats, ring and piles of a fresh game, without the starting hands.
    static void SetUp(qlGame& game) {
        GameContextScope scope(game.mContext);
        game.SetUpGame();
    }
    // The four seats and their ring only: empty cities and hands.
    static void CreateSeats(qlGame& game) {
        GameContextScope scope(game.mContext);
        game.CreateSeats();
    }
    static void DealStartingHands(qlGame& game) {
        GameContextScope scope(game.mContext);
        game.DealStartingHands();
    }
    static void Give(qlGame& game, Integer seat, const std::string& names) {
        for (const std::string& name : testing_support::Split(names)) {
            game.Player(seat).CardsInHand()->AddCard(Take(game, name));
        }
    }
    static void Build(qlGame& game, Integer seat, const std::string& names) {
        for (const std::string& name : testing_support::Split(names)) {
            game.Player(seat).BuildCard(Take(game, name));
        }
    }
    // Lays a good from the draw pile on the first building of that name without one.
    static void PutGood(qlGame& game, Integer seat, const std::string& building) {
        for (const CardRef& card : *game.Player(seat).BuiltCards()) {
            if (card->BuildingName() == building && !card->GoodPresent()) {
                card->SetGoodPresent(game.mReserve->Deal(1)->Item(1));
                return;
            }
        }
    }
    // Puts the named cards on top of the draw pile, in order.
    static void Stack(qlGame& game, const std::string& names) {
        DeckRef top = NewDeck();
        for (const std::string& name : testing_support::Split(names)) {
            top->AddCard(Take(game, name));
        }
        const DeckRef rest = game.mReserve->Deal(game.mReserve->Count());
        game.mReserve->AddCards(top);
        game.mReserve->AddCards(rest);
    }
    // Moves every card of the draw pile to the discard pile.
    static void EmptyReserve(qlGame& game) {
        game.mDiscard->AddCards(game.mReserve->Deal(game.mReserve->Count()));
    }
    // The seat performs `role`, with the privilege when it is the role's chooser; a copy taken
    // meanwhile finishes the role and the round.
    static void Perform(qlGame& game, Integer seat, const std::string& role, bool chooser) {
        GameContextScope scope(game.mContext);
        qlPlayer& player = game.Player(seat);
        game.mRoleChooser = chooser ? &player : player.NextPlayer();
        game.mCurrentPlayer = &player;
        game.mRoleChooser->SetGetsRoleBenefit(true);
        game.mCurrentRole = role;
        for (int index = 0; index < 5; ++index) {
            if (role == qlGame::RoleName(index)) {
                game.mRolesFree[static_cast<std::size_t>(index)] = false;
            }
        }
        game.mPerforming = true;
        game.PerformRole();
        game.mPerforming = false;
    }
    static void Governor(qlGame& game, Integer seat, bool firstRound) {
        GameContextScope scope(game.mContext);
        game.mCurrentPlayer = &game.Player(seat);
        game.GovernorPhase(game.Player(seat), firstRound);
    }
    static void SetPrices(qlGame& game, const qlTradeTiles::Tile& prices) {
        game.mGoodValues = prices;
    }
    // Opens a round with this governor, every role free, at the governor's role choice.
    static void OpenRound(qlGame& game, Integer governor) {
        game.mGovernor = game.mRoleChooser = game.mCurrentPlayer = &game.Player(governor);
        game.mRolesFree.fill(true);
        game.mRoundOpen = true;
    }

    // The game's own values, current on this thread while the scope lives.
    static GameContext& Context(qlGame& game) { return game.mContext; }

  private:
    static CardRef Take(qlGame& game, const std::string& name) {
        CardRef card = game.mReserve->DealCardByName(name);
        if (!card) {
            card = game.mDiscard->DealCardByName(name);
        }
        return card;
    }
};
