#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
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
            game.Player(seat).CardsInHand().AddCard(Take(game, name));
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
        for (const Card& card : player.BuiltCards()) {
            if (card->BuildingName() == building && !player.GoodOn(*card)) {
                player.SetGood(card, game.Draw(1).Item(1));
                return;
            }
        }
    }
    // Puts the named cards on top of the draw pile, in order.
    static void Stack(qlGame& game, const std::string& names) {
        qlCards top;
        for (const std::string& name : testing_support::Split(names)) {
            top.AddCard(Take(game, name));
        }
        const qlCards rest = game.Draw(game.mState.reserve.Count());
        game.mState.reserve.AddCards(top);
        game.mState.reserve.AddCards(rest);
    }
    static qlCards Draw(qlGame& game, Long count) { return game.Draw(static_cast<int>(count)); }
    // The seat performs `role`, with the privilege when it is the role's chooser: its turn
    // alone, every decision answered by its decider.
    static void Perform(qlGame& game, Integer seat, const std::string& role, bool chooser) {
        game.mState.roleChooser = chooser ? seat : game.NextSeat(seat);
        game.mState.currentPlayer = seat;
        game.Player(game.mState.roleChooser).SetGetsRoleBenefit(true);
        for (int index = 0; index < kRoleCount; ++index) {
            if (role == RoleName(RoleAt(index))) {
                game.mState.currentRole = RoleAt(index);
                game.mState.rolesFree[static_cast<std::size_t>(index)] = false;
            }
        }
        game.BeginPhase();
        RunUntil(game, RulesStep::TurnDone);
        game.Player(game.mState.roleChooser).SetGetsRoleBenefit(false);
        game.mState.turn = {};
    }
    static void Governor(qlGame& game, Integer seat, bool firstRound) {
        game.mState.currentPlayer = game.mState.governorSeat = seat;
        game.mState.firstRound = firstRound;
        game.mState.step = RulesStep::GovernorTurn;
        RunUntil(game, RulesStep::NextGovernorTurn);
    }
    // Gives the seat these cards and buries them under its Chapel.
    static void Bury(qlGame& game, Integer seat, const std::string& names) {
        for (const std::string& name : testing_support::Split(names)) {
            const Card card = Take(game, name);
            game.Player(seat).CardsInHand().AddCard(card);
            game.Player(seat).BuryCard(card);
        }
    }
    // Lays the trade tiles and turns up the first, as the first trader does.
    static void TurnFirstTile(qlGame& game) {
        game.mState.tradeTiles.emplace(game.mState.random);
        game.mState.goodValues = game.mState.tradeTiles->GetTile();
        game.mState.tilesTurned = 1;
    }
    // Lays the trade tiles not turned up yet in another order.
    static void ShuffleUnturnedTiles(qlGame& game, std::uint64_t seed) {
        Random::Generator generator(seed);
        game.mState.tradeTiles->ShuffleUnseen(static_cast<Integer>(game.mState.tilesTurned),
                                              generator);
    }
    // Every card of the game where it lies, by name and in order, the tiles in the order they
    // will be turned, and the next random draw: equal only for games that play on alike.
    static std::string Layout(const qlGame& game) {
        std::string layout =
            "draw " + Names(game.mState.reserve) + "\ndiscard " + Names(game.mState.discard);
        for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
            const qlPlayer& seat = game.Player(n);
            layout += "\nseat " + std::to_string(n) + ": hand " + Names(seat.CardsInHand()) +
                      "; chapel " + Names(seat.ChapelCards()) + "; city";
            for (const Card& building : seat.BuiltCards()) {
                layout += " " + building->BuildingName();
                if (const Card& good = seat.GoodOn(*building)) {
                    layout += "[" + good->BuildingName() + "]";
                }
            }
        }
        layout += "\ntiles";
        if (std::optional<qlTradeTiles> tiles = game.mState.tradeTiles) {
            for (int turn = 0; turn < 5; ++turn) {
                for (const Integer price : tiles->GetTile()) {
                    layout += " " + std::to_string(price);
                }
            }
        }
        Random::Stream future = game.mState.random;
        future.Reseed();
        return layout + "\nnext draw " + std::to_string(future.Next());
    }
    static void SetPrices(qlGame& game, const qlTradeTiles::Tile& prices) {
        game.mState.goodValues = prices;
    }
    // Opens a round with this governor, every role free, at the governor's role choice; and
    // runs the rules on to the decision the game waits for.
    static void OpenRound(qlGame& game, Integer governor) {
        game.mState.governor = game.mState.roleChooser = game.mState.currentPlayer = governor;
        game.mState.rolesFree.fill(true);
        game.mState.step = RulesStep::RoleChoice;
    }
    static void RunToDecision(qlGame& game) { game.Advance(); }
    // Sets the game up and runs it to the first role choice of a round opened by seat 1.
    static void SetUpAtFirstRoleChoice(qlGame& game) {
        SetUp(game);
        OpenRound(game, 1);
        RunToDecision(game);
    }

    static void SetBuildingsLeft(qlGame& game, Integer left) { game.SetBuildingsLeft(left); }

  private:
    // Runs the rules, every decision answered by the seat's decider, until they reach `step`.
    static void RunUntil(qlGame& game, RulesStep step) {
        while (game.mState.step != step) {
            if (game.mState.step != RulesStep::Decide) {
                game.RunStep();
                continue;
            }
            const Decision decision = game.Pending();
            const Choice choice = AnswerAtOnce(game, decision);
            game.CheckChoice(decision, choice);
            game.CarryOut(choice);
        }
    }
    // The deciding seat's answer, which a scripted table gives before it returns.
    static Choice AnswerAtOnce(qlGame& game, const Decision& decision) {
        SeatDecider& decider = game.DeciderOf(game.DecidingSeat());
        if (!decider.AnswersLater(decision)) {
            return decider.Answer(game, decision, game.mState.random);
        }
        std::optional<Choice> answer;
        decider.Ask(game, decision, [&answer](const Choice& choice) { answer = choice; });
        if (!answer) {
            throw std::logic_error("the table did not answer at once");
        }
        return *answer;
    }
    static std::string Names(const qlCards& cards) {
        std::string names;
        for (const Card& card : cards) {
            names += card->BuildingName() + ",";
        }
        return names;
    }
    static Card Take(qlGame& game, const std::string& name) {
        Card card = game.mState.reserve.DealCardByName(name);
        if (!card) {
            card = game.mState.discard.DealCardByName(name);
        }
        return card;
    }
};
