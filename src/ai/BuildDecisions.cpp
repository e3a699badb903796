// The computer seat's decisions in the builder phase: the crane, the black market, the card to
// build and the cards to pay with.

#include <algorithm>
#include <cmath>

#include "ai/CardValue.h"
#include "ai/ComputerPlayer.h"

namespace {

// A new collection holding `card`, or an empty one for nothing.
qlCards DeckOf(const Card& card) {
    qlCards deck;
    if (card) {
        deck.AddCard(card);
    }
    return deck;
}

// The cards of `hand` but those of `some`, which are some of its cards in their hand order:
// one walk along both.
qlCards HandWithout(const qlCards& hand, const qlCards& some) {
    qlCards rest;
    const Card* next = some.begin();
    for (const Card& card : hand) {
        if (next != some.end() && card == *next) {
            ++next;
        } else {
            rest.AddCard(card);
        }
    }
    return rest;
}

}  // namespace

namespace ai {

qlCards AIUseCrane(const qlPlayer& seat, Random::Stream& random) {
    // Building over is left to chance, not to the card value: one call in ten, then any
    // building but the crane. Reseeding first keeps the draw apart from the shuffles before it.
    random.Reseed();
    const float r = std::floor(random.NextSingle() * 10.0f) + 1.0f;
    if (r != 1.0f) {
        return qlCards();
    }
    // Drawing until the building found is not the crane itself needs some other building.
    const qlCards& city = seat.BuiltCards();
    bool other = false;
    for (const Card& building : city) {
        other = other || building->Id() != buildings::Id("Crane");
    }
    if (!other) {
        return qlCards();
    }
    const auto n = static_cast<float>(city.Count());
    for (;;) {
        const auto k = static_cast<Long>(std::floor(n * random.NextSingle())) + 1;
        const Card building = city.Item(k);
        if (building->Id() != buildings::Id("Crane")) {
            return DeckOf(building);
        }
    }
}

qlCards AIBlackMarket(const qlPlayer& seat) {
    qlCards goods = seat.BuildingsWithGoods();
    const qlCards indigo = goods.GetCardsById(buildings::Id("Indigo Plant"));
    goods.OrderByGoodValue();
    const Long g = goods.Count();
    const Long most = std::min<Long>(2, g);

    qlCards spent;
    if (!seat.CanBuildFromHand()) {
        // Spend the cheapest goods, and only when they make something buildable.
        if (seat.CanBuildFromHand(1) && most >= 1) {
            spent.AddCard(goods.Item(g));
        } else if (seat.CanBuildFromHand(2) && most >= 2) {
            spent.AddCard(goods.Item(g - 1));
            spent.AddCard(goods.Item(g));
        }
        return spent;
    }
    // Something is buildable already: only indigo, which sells for least, is spent, and it is
    // kept when it is one of two goods that a market stand would sell for an extra card.
    const Long ind = indigo.Count();
    if (g >= 4) {
        if (ind >= 2) {
            spent.AddCard(indigo.Item(1));
            spent.AddCard(indigo.Item(2));
        }
    } else if (g == 3 || g == 1) {
        if (ind >= 1) {
            spent.AddCard(indigo.Item(1));
        }
    } else if (g == 2) {
        if (ind >= 1 && !seat.HasBuiltCard("Market Stand")) {
            spent.AddCard(indigo.Item(1));
        }
    }
    return spent;
}

bool AIWaitsForOpening(const qlPlayer& seat) {
    return seat.Game().BuildingsLeft == 11 &&
           (seat.HoldsCard("Library") || seat.HoldsCard("Coffee Roaster"));
}

Card AIGetCardToBuild(const qlPlayer& seat, Opponents opponents, int savings) {
    CardValues values(seat, opponents);
    return AIGetCardToBuild(values, savings);
}

Card AIGetCardToBuild(CardValues& values, int savings) {
    const qlPlayer& seat = values.Seat();
    // At the opening a library, or failing that a coffee roaster, is worth waiting for: the
    // seat builds nothing else while it holds one.
    if (AIWaitsForOpening(seat)) {
        const RuleBuilding opening =
            seat.HoldsCard("Library") ? RuleBuilding("Library") : RuleBuilding("Coffee Roaster");
        Card first;
        seat.VisitBuildable(seat.CardsInHand(), savings, [&first, opening](const Card& card) {
            if (!first && card->Id() == opening.Id()) {
                first = card;
            }
        });
        return first;
    }
    return savings == 0 ? values.BestBuildableInHand().card
                        : BestBuildableByAIValue(seat.CardsInHand(), savings, values).card;
}

qlCards AIGetBuildPaymentCards(const qlPlayer& seat, Opponents opponents, int numCards) {
    const Long needed = std::max(numCards, 0);
    qlCards pay = GetUselessCards(seat);
    while (pay.Count() > needed) {
        pay.Remove(1);
    }
    if (pay.Count() == needed) {
        return pay;
    }

    qlCards rest = HandWithout(seat.CardsInHand(), pay);
    if (rest.Count() == needed - pay.Count()) {
        pay.AddCards(rest);
        return pay;
    }

    CardValues values(seat, opponents);
    OrderByAIValue(rest, values, false);
    const Card keep = values.BestBuildableInHand().card;
    for (Long i = rest.Count(); i >= 1 && pay.Count() < needed; --i) {
        const Card card = rest.Item(i);
        if (card != keep) {
            pay.AddCard(card);
        }
    }
    // A hand too small for the price is paid whole, the kept card included.
    if (pay.Count() < needed && keep) {
        pay.AddCard(keep);
    }
    return pay;
}

qlCards GetUselessCards(const qlPlayer& seat) {
    const qlCards useless = HandWithout(seat.CardsInHand(), seat.GetBuildableCards());
    qlCards result;
    for (const Card& card : useless) {
        if (useless.CountOf(card->Id()) > 1) {
            result.AddCard(card);
        }
    }
    return result;
}

}  // namespace ai
