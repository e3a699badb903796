#pragma once

#include <array>

#include "game/SeatDecider.h"

class Table;

// The human's seat: every decision is a question at the table, and the role is the role
// button the human presses.
class HumanDecider : public SeatDecider {
  public:
    explicit HumanDecider(Table& table) : mTable(table) {}

    // A press of role button `index`: taken as the human's role while the seat chooses one and
    // the role is free; ignored at any other moment.
    void PressRole(int index);
    // True while the seat is to press a role button and has not pressed one yet.
    bool ChoosingRole() const { return mRolesOpen && mPressed < 0; }

    // Asks the human at the table; the role choice waits for a role button.
    Choice Answer(const qlGame& game, const Decision& decision, Random::Stream& random) override;
    bool PausesAfter(const qlGame&, const Decision&, const Choice&) const override { return false; }
    bool PausesAfterMoves() const override { return false; }
    bool IsHuman() const override { return true; }

  private:
    int PickRole(const qlGame& game);
    qlCards ChapelCard(const qlPlayer& seat);
    Choice KeepHandOf(const qlPlayer& seat, Integer limit);
    qlCards CraneCover(const qlPlayer& seat);
    qlCards BlackMarketGoods(const qlPlayer& seat, const qlCards& goods, Integer most);
    qlCards Building(const qlPlayer& seat, Integer savings);
    qlCards Payment(const qlPlayer& seat, Integer cost);
    Choice CouncilKeep(const qlPlayer& seat, const Decision& decision);
    qlCards GoldMineCard(const qlCards& mine);

    // The human's choice of up to `goods` buildings of `seat`'s city among `offer`, for the
    // producer and the trader.
    qlCards AskForBuildings(const qlPlayer& seat, int seatIndex, Integer goods, const char* caption,
                            Integer picture, const qlCards& offer);

    Table& mTable;
    const std::array<bool, 5>* mRolesOpen = nullptr;  // while the human chooses a role
    int mPressed = -1;
};
