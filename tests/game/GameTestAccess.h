#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cards/qlCard.h"
#include "game/qlGame.h"
#include "support/TableHelpers.h"

// Arranges positions in a game for the scenario tests: cards are taken by name out of the draw
// pile, so that every card of the catalogue stays in exactly one place.
class GameTestAccess {
  public:
    // Seats, ring and piles of a fresh game, without the starting hands.
    static void SetUp(qlGame& game) { game.SetUpGame(); }
    // The four seats and their ring only: empty cities and hands.
    static void CreateSeats(qlGame& game) { game.CreateSeats(); }
    static void DealStartingHands(qlGame& game) { game.DealStartingHands(); }
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
        qlPlayer& player = game.Player(seat);
        for (const Card& card : *player.BuiltCards()) {
            if (card->BuildingName() == building && !player.GoodOn(*card)) {
                player.SetGood(card, game.Draw(1)->Item(1));
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
        const DeckRef rest = game.Draw(game.mReserve->Count());
        game.mReserve->AddCards(top);
        game.mReserve->AddCards(rest);
    }
    static DeckRef Draw(qlGame& game, Long count) { return game.Draw(static_cast<int>(count)); }
    // Moves every card of the draw pile to the discard pile.
    static void EmptyReserve(qlGame& game) {
        game.mDiscard->AddCards(game.Draw(game.mReserve->Count()));
    }
    // The seat performs `role`, with the privilege when it is the role's chooser: its turn
    // alone, every decision answered by its decider.
    static void Perform(qlGame& game, Integer seat, const std::string& role, bool chooser) {
        game.mRoleChooser = chooser ? seat : game.NextSeat(seat);
        game.mCurrentPlayer = seat;
        game.Player(game.mRoleChooser).SetGetsRoleBenefit(true);
        for (int index = 0; index < kRoleCount; ++index) {
            if (role == RoleName(RoleAt(index))) {
                game.mCurrentRole = RoleAt(index);
                game.mRolesFree[static_cast<std::size_t>(index)] = false;
            }
        }
        game.BeginPhase();
        RunUntil(game, qlGame::Step::TurnDone);
        game.Player(game.mRoleChooser).SetGetsRoleBenefit(false);
        game.mTurn = {};
    }
    static void Governor(qlGame& game, Integer seat, bool firstRound) {
        game.mCurrentPlayer = game.mGovernorSeat = seat;
        game.mFirstRound = firstRound;
        game.mStep = qlGame::Step::GovernorTurn;
        RunUntil(game, qlGame::Step::NextGovernorTurn);
    }
    // Gives the seat these cards and buries them under its Chapel.
    static void Bury(qlGame& game, Integer seat, const std::string& names) {
        for (const std::string& name : testing_support::Split(names)) {
            const Card card = Take(game, name);
            game.Player(seat).CardsInHand()->AddCard(card);
            game.Player(seat).BuryCard(card);
        }
    }
    // Lays the trade tiles and turns up the first, as the first trader does.
    static void TurnFirstTile(qlGame& game) {
        game.mTradeTiles.emplace(game.mRandom);
        game.mGoodValues = game.mTradeTiles->GetTile();
        game.mTilesTurned = 1;
    }
    // Lays the trade tiles not turned up yet in another order.
    static void ShuffleUnturnedTiles(qlGame& game, std::uint64_t seed) {
        Random::Generator generator(seed);
        game.mTradeTiles->ShuffleUnseen(static_cast<Integer>(game.mTilesTurned), generator);
    }
    // Every card of the game where it lies, by name and in order, the tiles in the order they
    // will be turned, and the next random draw: equal only for games that play on alike.
    static std::string Layout(const qlGame& game) {
        std::string layout = "draw " + Names(*game.mReserve) + "\ndiscard " + Names(*game.mDiscard);
        for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
            const qlPlayer& seat = game.Player(n);
            layout += "\nseat " + std::to_string(n) + ": hand " + Names(*seat.CardsInHand()) +
                      "; chapel " + Names(*seat.ChapelCards()) + "; city";
            for (const Card& building : *seat.BuiltCards()) {
                layout += " " + building->BuildingName();
                if (const Card& good = seat.GoodOn(*building)) {
                    layout += "[" + good->BuildingName() + "]";
                }
            }
        }
        layout += "\ntiles";
        if (std::optional<qlTradeTiles> tiles = game.mTradeTiles) {
            for (int turn = 0; turn < 5; ++turn) {
                for (const Integer price : tiles->GetTile()) {
                    layout += " " + std::to_string(price);
                }
            }
        }
        Random::Stream future = game.mRandom;
        future.Reseed();
        return layout + "\nnext draw " + std::to_string(future.Next());
    }
    static void SetPrices(qlGame& game, const qlTradeTiles::Tile& prices) {
        game.mGoodValues = prices;
    }
    // Opens a round with this governor, every role free, at the governor's role choice; and
    // runs the rules on to the decision the game waits for.
    static void OpenRound(qlGame& game, Integer governor) {
        game.mGovernor = game.mRoleChooser = game.mCurrentPlayer = governor;
        game.mRolesFree.fill(true);
        game.mStep = qlGame::Step::RoleChoice;
    }
    static void RunToDecision(qlGame& game) { game.Advance(); }

    static void SetBuildingsLeft(qlGame& game, Integer left) { game.mValues.BuildingsLeft = left; }

  private:
    // Runs the rules, every decision answered by the seat's decider, until they reach `step`.
    static void RunUntil(qlGame& game, qlGame::Step step) {
        while (game.mStep != step) {
            if (game.mStep != qlGame::Step::Decide) {
                game.RunStep();
                continue;
            }
            const Decision decision = game.Pending();
            const Choice choice =
                game.DeciderOf(game.DecidingSeat()).Answer(game, decision, game.mRandom);
            game.CheckChoice(decision, choice);
            game.CarryOut(choice);
        }
    }
    static std::string Names(const qlCards& cards) {
        std::string names;
        for (const Card& card : cards) {
            names += card->BuildingName() + ",";
        }
        return names;
    }
    static Card Take(qlGame& game, const std::string& name) {
        Card card = game.mReserve->DealCardByName(name);
        if (!card) {
            card = game.mDiscard->DealCardByName(name);
        }
        return card;
    }
};
