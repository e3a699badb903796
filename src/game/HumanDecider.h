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

    int PickRole(const qlGame& game, qlPlayer& seat) override;
    DeckRef ChapelCard(const qlGame& game, qlPlayer& seat) override;
    DeckRef KeepHandOf(const qlGame& game, qlPlayer& seat, Integer limit) override;
    DeckRef CraneCover(const qlGame& game, qlPlayer& seat, Random::Stream& random) override;
    DeckRef BlackMarketGoods(const qlGame& game, qlPlayer& seat, Integer most) override;
    DeckRef Building(const qlGame& game, qlPlayer& seat, Integer savings) override;
    DeckRef Payment(const qlGame& game, qlPlayer& seat, Integer cost) override;
    DeckRef CouncilKeep(const qlGame& game, qlPlayer& seat, const DeckRef& drawn, Integer keep,
                        bool archive) override;
    DeckRef GoldMineCard(const qlGame& game, qlPlayer& seat, const DeckRef& mine) override;
    DeckRef ProductionGoods(const qlGame& game, qlPlayer& seat, Integer goods) override;
    DeckRef TradingGoods(const qlGame& game, qlPlayer& seat, Integer goods) override;
    void PauseAfterMove(const qlPlayer&) override {}

  private:
    // The human's choice of up to `goods` buildings among `offer`, for the producer and the
    // trader.
    DeckRef AskForBuildings(int seatIndex, Integer goods, const char* caption, Integer picture,
                            const DeckRef& offer);

    Table& mTable;
    const std::array<bool, 5>* mRolesOpen = nullptr;  // while the human chooses a role
    int mPressed = -1;
};
