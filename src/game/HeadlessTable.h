#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "game/Table.h"

// A table with no window: nothing is shown, nobody waits, and nobody asks to leave. Games
// with computer seats only are played at it: the simulator's, and the copies a computer seat
// plays on. A question to a human seat is answered with the first cards it must take.
class HeadlessTable : public Table {
  public:
    std::unique_ptr<CardChooser> NewChooser() override;
    void ShowChooser(std::unique_ptr<CardChooser> chooser, int, Answered answered) override {
        answered(*chooser);
    }
    void ShowMessage(int, int, const std::string&) override {}
    void SeatsReady(const std::array<const qlPlayer*, 4>&) override {}
    void SeatsReleased() override {}
    void ShowStatus(const std::string&) override {}
    bool Silent() const override { return true; }
    void ShowRole(int, const std::string&) override {}
    void ShowGovernor(int) override {}
    void ShowPoints(int, Integer) override {}
    void EnableRole(int, bool) override {}
    void ShowTradePrices(const qlTradeTiles::Tile&) override {}
    void HideTradePrices() override {}
    void Pause(Long) override {}
    bool EmptySelectors() const override { return true; }
    bool GoldMineViews() const override { return true; }
    Integer Delay() const override { return 4; }
    bool ExitRequested() const override { return false; }
    bool FollowsEvents() const override { return static_cast<bool>(onEvent); }
    void ShowEvent(const TableEvent& event) override { onEvent(event); }

    // Receives the game's table events, when set.
    std::function<void(const TableEvent&)> onEvent;
};

// A silent table whose game can be asked to stop from another thread: the table of a copy that
// is thought about beside the game (a hint, a strong seat's choice), whose thinking stops once
// it asks to leave.
class StoppableTable : public HeadlessTable {
  public:
    bool ExitRequested() const override { return stop; }
    std::atomic<bool> stop{false};
};
