#include "game/HumanDecider.h"

#include <algorithm>

#include "game/Table.h"
#include "game/qlGame.h"

void HumanDecider::PressRole(int index) {
    if (!mRolesOpen || mPressed >= 0 || index < 0 || index > 4 ||
        !(*mRolesOpen)[static_cast<std::size_t>(index)]) {
        return;
    }
    mPressed = index;
}

int HumanDecider::PickRole(const qlGame& game) {
    mRolesOpen = &game.RolesFree();
    mPressed = -1;
    while (mPressed < 0 && !mTable.ExitRequested()) {
        mTable.WaitForEvents();
    }
    mRolesOpen = nullptr;
    return mPressed;
}

qlCards HumanDecider::ChapelCard(const qlPlayer& seat) {
    return mTable
        .Ask(0,
             [&seat](CardChooser& chooser) {
                 chooser.SetMinAmt(0);
                 chooser.SetMaxAmt(1);
                 chooser.SetCaption("Select card to bury under chapel...");
                 chooser.SetStartImage(0);
                 chooser.SetCards(seat.CardsInHand());
             })
        ->SelectedCards();
}

Choice HumanDecider::KeepHandOf(const qlPlayer& seat, Integer limit) {
    const std::unique_ptr<CardChooser> chooser = mTable.Ask(0, [&](CardChooser& c) {
        c.SetMinAmt(limit);
        c.SetMaxAmt(limit);
        c.SetCaption("Select cards you wish to keep...");
        c.SetStartImage(0);
        c.SetCards(seat.CardsInHand());
    });
    return {.cards = chooser->SelectedCards(), .givenUp = chooser->DiscardedCards()};
}

qlCards HumanDecider::CraneCover(const qlPlayer& seat) {
    return mTable
        .Ask(0,
             [&seat](CardChooser& chooser) {
                 chooser.SetMinAmt(0);
                 chooser.SetMaxAmt(1);
                 chooser.SetCaption("Use crane to build over building?");
                 chooser.SetStartImage(1);
                 chooser.ShowGoodsOf(seat);
                 chooser.SetCards(seat.BuiltCards());
                 chooser.RemoveCrane();
             })
        ->SelectedCards();
}

qlCards HumanDecider::BlackMarketGoods(const qlPlayer& seat, const qlCards& goods, Integer most) {
    return mTable
        .Ask(0,
             [&seat, &goods, most](CardChooser& chooser) {
                 chooser.SetMinAmt(0);
                 chooser.SetMaxAmt(most);
                 chooser.SetCaption("Select black market goods...");
                 chooser.SetStartImage(1);
                 chooser.ShowGoodsOf(seat);
                 chooser.SetCards(goods);
             })
        ->SelectedCards();
}

qlCards HumanDecider::Building(const qlPlayer& seat, Integer savings) {
    return mTable
        .Ask(0,
             [this, &seat, savings](CardChooser& chooser) {
                 chooser.SetCaption("Select Card to Build...");
                 chooser.SetStartImage(1);
                 mTable.CloseWhenEmpty(chooser);
                 chooser.AddCards(seat.CardsInHand());
                 chooser.EnableBuildMode(seat, savings);
             })
        ->SelectedCards();
}

qlCards HumanDecider::Payment(const qlPlayer& seat, Integer cost) {
    return mTable
        .Ask(0,
             [&seat, cost](CardChooser& chooser) {
                 chooser.SetMaxAmt(cost);
                 chooser.SetMinAmt(cost);
                 chooser.SetCaption("Select Cards to Discard...");
                 chooser.SetStartImage(1);
                 chooser.SetCards(seat.CardsInHand());
             })
        ->SelectedCards();
}

Choice HumanDecider::CouncilKeep(const qlPlayer& seat, const Decision& decision) {
    const bool archive = decision.archive;
    const Integer keep = decision.keep;
    qlCards drawn = decision.offered;
    const qlCards formerHand = seat.CardsInHand();
    const qlCards kept =
        mTable
            .Ask(0,
                 [&](CardChooser& chooser) {
                     chooser.SetCaption("Select Cards to Keep...");
                     chooser.SetStartImage(2);
                     // A short draw can offer fewer cards than the rule asks to keep;
                     // the counts never ask for more cards than are offered.
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
                 })
            ->SelectedCards();
    drawn.RemoveCards(kept);
    if (archive) {
        for (const Card& card : formerHand) {
            if (!kept.Contains(card)) {
                drawn.AddCard(card);
            }
        }
    }
    return {.cards = kept, .givenUp = drawn};
}

qlCards HumanDecider::GoldMineCard(const qlCards& mine) {
    return mTable
        .Ask(0,
             [&mine](CardChooser& c) {
                 c.SetCards(mine);
                 c.SetMinAmt(1);
                 c.SetMaxAmt(1);
                 c.SetCaption("Select card from Gold Mine...");
                 c.SetStartImage(4);
             })
        ->SelectedCards();
}

qlCards HumanDecider::AskForBuildings(const qlPlayer& seat, int seatIndex, Integer goods,
                                      const char* caption, Integer picture, const qlCards& offer) {
    return mTable
        .Ask(seatIndex,
             [&](CardChooser& chooser) {
                 chooser.SetMinAmt(0);
                 chooser.SetMaxAmt(goods);
                 chooser.SetCaption(caption);
                 chooser.SetStartImage(picture);
                 mTable.CloseWhenEmpty(chooser);
                 chooser.ShowGoodsOf(seat);
                 chooser.SetCards(offer);
             })
        ->SelectedCards();
}

Choice HumanDecider::Answer(const qlGame& game, const Decision& decision, Random::Stream&) {
    const qlPlayer& seat = game.Player(decision.seat);
    switch (decision.kind) {
        case DecisionKind::Role:
            return {.role = PickRole(game)};
        case DecisionKind::Chapel:
            return {.cards = ChapelCard(seat)};
        case DecisionKind::HandLimit:
            return KeepHandOf(seat, decision.count);
        case DecisionKind::CraneCover:
            return {.cards = CraneCover(seat)};
        case DecisionKind::BlackMarket:
            return {.cards = BlackMarketGoods(seat, decision.options, decision.count)};
        case DecisionKind::Build:
            return {.cards = Building(seat, decision.savings)};
        case DecisionKind::Payment:
            return {.cards = Payment(seat, decision.count)};
        case DecisionKind::CouncilKeep:
            return CouncilKeep(seat, decision);
        case DecisionKind::GoldMine:
            return {.cards = GoldMineCard(decision.offered)};
        case DecisionKind::Produce:
            return {.cards = AskForBuildings(seat, 0, decision.count,
                                             "Select buildings to produce goods...", 3,
                                             decision.options)};
        case DecisionKind::Trade:
            return {.cards =
                        AskForBuildings(seat, 1, decision.count,
                                        "Select buildings to trade goods...", 5, decision.options)};
        case DecisionKind::None:
            break;
    }
    return {};
}
