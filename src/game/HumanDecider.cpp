#include "game/HumanDecider.h"

#include <algorithm>
#include <utility>

#include "game/Table.h"
#include "game/qlGame.h"

namespace {

// The answer of a question whose checked cards are the choice.
Table::Answered Checked(SeatDecider::Reply reply) {
    return [reply = std::move(reply)](CardChooser& chooser) {
        reply({.cards = chooser.SelectedCards()});
    };
}

}  // namespace

void HumanDecider::PressRole(int index) {
    if (!mChoosing || index < 0 || index > 4 || !mRolesOpen[static_cast<std::size_t>(index)]) {
        return;
    }
    mChoosing = false;
    std::exchange(mRoleReply, {})({.role = index});
}

void HumanDecider::Cancel() {
    mChoosing = false;
    mRoleReply = {};
}

void HumanDecider::AskRole(const qlGame& game, Reply reply) {
    mRolesOpen = game.RolesFree();
    mChoosing = true;
    mRoleReply = std::move(reply);
    mTable.ChooseRole();
    if (mChoosing && mTable.ExitRequested()) {
        mChoosing = false;
        std::exchange(mRoleReply, {})({.role = -1});
    }
}

void HumanDecider::AskCouncilKeep(const qlPlayer& seat, const Decision& decision, Reply reply) {
    const bool archive = decision.archive;
    const Integer keep = decision.keep;
    const qlCards& drawn = decision.offered;
    const qlCards& formerHand = seat.CardsInHand();
    mTable.Ask(
        0,
        [&](CardChooser& chooser) {
            chooser.SetCaption("Select Cards to Keep...");
            chooser.SetStartImage(2);
            // A short draw can offer fewer cards than the rule asks to keep; the counts never
            // ask for more cards than are offered.
            const Long held = archive ? formerHand.Count() : 0;
            const Long offered = held + drawn.Count();
            if (archive) {
                chooser.AddCards(formerHand);
                chooser.AddCards(drawn);
            } else {
                chooser.SetCards(drawn);
            }
            chooser.SetMaxAmt(static_cast<Integer>(std::min(held + keep, offered)));
            chooser.SetMinAmt(static_cast<Integer>(std::min(held + 1, offered)));
        },
        [reply = std::move(reply), archive, drawn, formerHand](CardChooser& chooser) {
            const qlCards kept = chooser.SelectedCards();
            qlCards givenUp = drawn;
            givenUp.RemoveCards(kept);
            if (archive) {
                for (const Card& card : formerHand) {
                    if (!kept.Contains(card)) {
                        givenUp.AddCard(card);
                    }
                }
            }
            reply({.cards = kept, .givenUp = givenUp});
        });
}

void HumanDecider::AskForBuildings(const qlPlayer& seat, int seatIndex, const Decision& decision,
                                   const char* caption, Integer picture, Reply reply) {
    mTable.Ask(
        seatIndex,
        [&](CardChooser& chooser) {
            chooser.SetMinAmt(0);
            chooser.SetMaxAmt(decision.count);
            chooser.SetCaption(caption);
            chooser.SetStartImage(picture);
            mTable.CloseWhenEmpty(chooser);
            chooser.ShowGoodsOf(seat);
            chooser.SetCards(decision.options);
        },
        Checked(std::move(reply)));
}

void HumanDecider::AskHand(const qlPlayer& seat, Integer least, Integer most, const char* caption,
                           Integer picture, std::function<void(CardChooser&)> answered) {
    mTable.Ask(
        0,
        [&](CardChooser& chooser) {
            chooser.SetMinAmt(least);
            chooser.SetMaxAmt(most);
            chooser.SetCaption(caption);
            chooser.SetStartImage(picture);
            chooser.SetCards(seat.CardsInHand());
        },
        std::move(answered));
}

void HumanDecider::AskCards(const qlPlayer& seat, const Decision& decision, Reply reply) {
    switch (decision.kind) {
        case DecisionKind::Chapel:
            AskHand(seat, 0, 1, "Select card to bury under chapel...", 0,
                    Checked(std::move(reply)));
            break;
        case DecisionKind::HandLimit:
            AskHand(
                seat, decision.count, decision.count, "Select cards you wish to keep...", 0,
                [reply = std::move(reply)](CardChooser& chooser) {
                    reply({.cards = chooser.SelectedCards(), .givenUp = chooser.DiscardedCards()});
                });
            break;
        case DecisionKind::CraneCover:
            mTable.Ask(
                0,
                [&seat](CardChooser& chooser) {
                    chooser.SetMinAmt(0);
                    chooser.SetMaxAmt(1);
                    chooser.SetCaption("Use crane to build over building?");
                    chooser.SetStartImage(1);
                    chooser.ShowGoodsOf(seat);
                    chooser.SetCards(seat.BuiltCards());
                    chooser.RemoveCrane();
                },
                Checked(std::move(reply)));
            break;
        case DecisionKind::BlackMarket:
            mTable.Ask(
                0,
                [&](CardChooser& chooser) {
                    chooser.SetMinAmt(0);
                    chooser.SetMaxAmt(decision.count);
                    chooser.SetCaption("Select black market goods...");
                    chooser.SetStartImage(1);
                    chooser.ShowGoodsOf(seat);
                    chooser.SetCards(decision.options);
                },
                Checked(std::move(reply)));
            break;
        case DecisionKind::Build:
            mTable.Ask(
                0,
                [&](CardChooser& chooser) {
                    chooser.SetCaption("Select Card to Build...");
                    chooser.SetStartImage(1);
                    mTable.CloseWhenEmpty(chooser);
                    chooser.AddCards(seat.CardsInHand());
                    chooser.EnableBuildMode(seat, decision.savings);
                },
                Checked(std::move(reply)));
            break;
        case DecisionKind::Payment:
            AskHand(seat, decision.count, decision.count, "Select Cards to Discard...", 1,
                    Checked(std::move(reply)));
            break;
        case DecisionKind::GoldMine:
            mTable.Ask(
                0,
                [&](CardChooser& chooser) {
                    chooser.SetCards(decision.offered);
                    chooser.SetMinAmt(1);
                    chooser.SetMaxAmt(1);
                    chooser.SetCaption("Select card from Gold Mine...");
                    chooser.SetStartImage(4);
                },
                Checked(std::move(reply)));
            break;
        default:
            break;
    }
}

void HumanDecider::Ask(const qlGame& game, const Decision& decision, Reply reply) {
    const qlPlayer& seat = game.Player(decision.seat);
    switch (decision.kind) {
        case DecisionKind::Role:
            AskRole(game, std::move(reply));
            break;
        case DecisionKind::CouncilKeep:
            AskCouncilKeep(seat, decision, std::move(reply));
            break;
        case DecisionKind::Produce:
            AskForBuildings(seat, 0, decision, "Select buildings to produce goods...", 3,
                            std::move(reply));
            break;
        case DecisionKind::Trade:
            AskForBuildings(seat, 1, decision, "Select buildings to trade goods...", 5,
                            std::move(reply));
            break;
        case DecisionKind::None:
            break;
        default:
            AskCards(seat, decision, std::move(reply));
            break;
    }
}
