#pragma once

#include <array>
#include <functional>

#include "game/SeatDecider.h"

class CardChooser;
class Table;
class qlPlayer;

// The human's seat: every decision is a question at the table, answered later, and the role is
// the role button the human presses.
class HumanDecider : public SeatDecider {
  public:
    explicit HumanDecider(Table& table) : mTable(table) {}

    // A press of role button `index`: taken as the human's role while the seat chooses one and
    // the role is free; ignored at any other moment.
    void PressRole(int index);
    // True while the seat is to press a role button and has not pressed one yet.
    bool ChoosingRole() const { return mChoosing; }

    bool AnswersLater(const Decision&) const override { return true; }
    // Asks the human at the table; the role choice waits for a role button. Once the player
    // has asked to leave, a role choice answers that the seat leaves.
    void Ask(const qlGame& game, const Decision& decision, Reply reply) override;
    void Cancel() override;
    bool PausesAfter(const qlGame&, const Decision&, const Choice&) const override { return false; }
    bool PausesAfterMoves() const override { return false; }
    bool IsHuman() const override { return true; }

  private:
    void AskRole(const qlGame& game, Reply reply);
    // A question of `decision` to the human of `seat`, for the seat area `seatIndex`.
    void AskCards(const qlPlayer& seat, const Decision& decision, Reply reply);
    // A question of `least` to `most` of `seat`'s hand cards.
    void AskHand(const qlPlayer& seat, Integer least, Integer most, const char* caption,
                 Integer picture, std::function<void(CardChooser&)> answered);
    void AskCouncilKeep(const qlPlayer& seat, const Decision& decision, Reply reply);
    // The human's choice of up to `goods` buildings of `seat`'s city among `offer`, for the
    // producer and the trader.
    void AskForBuildings(const qlPlayer& seat, int seatIndex, const Decision& decision,
                         const char* caption, Integer picture, Reply reply);

    Table& mTable;
    std::array<bool, 5> mRolesOpen{};  // while the human chooses a role
    bool mChoosing = false;
    Reply mRoleReply;
};
