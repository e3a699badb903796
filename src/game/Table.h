#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "cards/Card.h"
#include "cards/qlTradeTiles.h"
#include "core/Types.h"
#include "game/CardChooser.h"
#include "game/TableEvent.h"

class qlPlayer;

// Everything the game driver needs from the table it is played at: the main window, a test's
// scripted table, or the simulator's silent one. Game rules never live behind this seam; the
// table only shows and asks, and holds the game while it shows something to be read.
class Table {
  public:
    virtual ~Table() = default;

    // What runs once the human has confirmed a card question, with the question answered.
    using Answered = std::function<void(CardChooser&)>;

    // A fresh, empty card question.
    virtual std::unique_ptr<CardChooser> NewChooser() = 0;
    // Places the question for the seat area `seatIndex` (0 to 3), shows it and returns; once the
    // human has confirmed it (or it confirmed itself) `answered` runs, on the game's thread. A
    // table that answers at once runs it before returning.
    virtual void ShowChooser(std::unique_ptr<CardChooser> chooser, int seatIndex,
                             Answered answered) = 0;
    // The human is to press a role button; the press reaches the game (qlGame::cmdRoles_Click).
    virtual void ChooseRole() {}
    // Shows a message with a role picture; `informational` nonzero may close itself after the
    // delay when "Status Messages" is checked, 0 is the final scores and waits for OK. The table
    // holds the game while it shows.
    virtual void ShowMessage(int informational, int roleIndex, const std::string& text) = 0;

    // The seats are ready: mark the human's seat and show the seat areas in play. The seats
    // stay where they are until SeatsReleased; the calls below say what changed in them.
    virtual void SeatsReady(const std::array<const qlPlayer*, 4>& seats) = 0;
    // A building came into a seat's city, or left it under a new one; a good came onto a
    // building or went; a seat's hand changed; the piles hold so many cards now.
    virtual void CardBuilt(const qlPlayer&, Card) {}
    virtual void CardCovered(const qlPlayer&, Card) {}
    virtual void GoodChanged(const qlPlayer&, Card) {}
    virtual void HandChanged(const qlPlayer&) {}
    virtual void PilesChanged(Long, Long) {}
    // The game is over and released: empty the city rows and the hand row, stop following.
    virtual void SeatsReleased() = 0;

    // The status line.
    virtual void ShowStatus(const std::string& text) = 0;
    // True for a table that shows nobody anything (the simulator's, a look-ahead copy's): the
    // game then puts no status text, message, role label or view of cards together for it. Such
    // a table never holds the game, and the answer is the same for the table's whole life.
    virtual bool Silent() const { return false; }
    // The role label of a seat area (0 to 3); "" clears it.
    virtual void ShowRole(int seatIndex, const std::string& role) = 0;
    // The governor marker: shown on this seat area (0 to 3) only.
    virtual void ShowGovernor(int seatIndex) = 0;
    // The points label of a seat area.
    virtual void ShowPoints(int seatIndex, Integer points) = 0;
    // Enables or disables a role button (0 Councillor to 4 Prospector).
    virtual void EnableRole(int roleIndex, bool enabled) = 0;
    // Shows the five trading-house prices, by good index; or hides them.
    virtual void ShowTradePrices(const qlTradeTiles::Tile& prices) = 0;
    virtual void HideTradePrices() = 0;

    // A computer seat's pause of so many milliseconds: the table holds the game meanwhile.
    virtual void Pause(Long milliseconds) = 0;
    // True while the table holds the game (a pause or a message under way): the game goes no
    // further, and the table plays it on (qlGame::Continue) once it lets go.
    virtual bool Holding() const { return false; }
    // True for a table with an event loop of its own (the window): a seat may think beside the
    // game there, and Post its answer.
    virtual bool HasEventLoop() const { return false; }
    // Runs `task` on the game's thread, later, at a table with an event loop; at once at any
    // other. An answer found on another thread reaches the game this way.
    virtual void Post(std::function<void()> task) { task(); }

    // The settings: "Empty Selectors", "Gold Mine Views", and the delay in half-seconds.
    virtual bool EmptySelectors() const = 0;
    virtual bool GoldMineViews() const = 0;
    virtual Integer Delay() const = 0;
    // True once the player has asked to leave the game (the Exit button).
    virtual bool ExitRequested() const = 0;

    // One move at the table, for its history. The game makes events only for a table that
    // follows them, so that the look-ahead's silent tables cost nothing.
    virtual bool FollowsEvents() const { return false; }
    virtual void ShowEvent(const TableEvent&) {}

    // A new card question filled by `fill` and shown for `seatIndex`; `answered` runs with it
    // once the human has answered.
    void Ask(int seatIndex, const std::function<void(CardChooser&)>& fill, Answered answered);
    // With "Empty Selectors" checked, an empty question confirms itself after the delay.
    void CloseWhenEmpty(CardChooser& chooser) const;
};
