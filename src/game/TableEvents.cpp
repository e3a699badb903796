#include "game/TableEvents.h"

#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"

namespace table_events {
namespace {

using Kind = TableEvent::Kind;

std::vector<std::string> NamesOf(const qlCards& cards) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(cards.Count()));
    for (const Card& card : cards) {
        names.push_back(card->BuildingName());
    }
    return names;
}

// The names of the seat's own cards, for the human only.
std::vector<std::string> OwnNames(bool human, const qlCards& cards) {
    return human ? NamesOf(cards) : std::vector<std::string>{};
}

}  // namespace

TableEvent ForSeat(Kind kind, const qlPlayer& seat, int count) {
    TableEvent event;
    event.kind = kind;
    event.seat = seat.PlayerNumber();
    event.count = count;
    return event;
}

TableEvent RoleChosen(const qlPlayer& seat, const std::string& role) {
    TableEvent event = ForSeat(Kind::RoleChosen, seat);
    event.role = role;
    return event;
}

TableEvent BuildCost(const qlPlayer& seat, const qlCard& building, const Card& covered, int goods) {
    TableEvent event = ForSeat(Kind::Built, seat, building.Cost());
    event.building = building.BuildingName();
    const bool production = building.BuildingType() == 0;
    const char* discountBuilding = production ? "Smithy" : "Quarry";
    if (seat.HasBuiltCard(production ? RuleBuilding("Smithy") : RuleBuilding("Quarry"))) {
        event.reductions.push_back({discountBuilding, 1});
    }
    if (seat.GetsRoleBenefit()) {
        const bool library = seat.HasBuiltCard("Library") && seat.LibraryActive();
        event.reductions.push_back({library ? "Library" : "Builder", library ? 2 : 1});
    }
    if (goods > 0) {
        event.reductions.push_back({"Black Market", goods});
    }
    if (covered) {
        event.covered = covered->BuildingName();
        event.reductions.push_back({"Crane", covered->Cost()});
    }
    return event;
}

TableEvent Built(TableEvent build, bool human, const qlCards& payment, int drawn) {
    if (!payment.Empty()) {
        build.cost = static_cast<int>(payment.Count());
        build.cards = OwnNames(human, payment);
    }
    build.drawn = drawn;
    return build;
}

TableEvent NothingBuilt(const qlPlayer& seat) {
    return ForSeat(Kind::Built, seat);
}

TableEvent Produced(const qlPlayer& seat, const qlCards& chosen, int drawn) {
    TableEvent event = ForSeat(Kind::Produced, seat);
    for (const Card& building : chosen) {
        if (seat.GoodOn(*building)) {
            event.cards.push_back(building->BuildingName());
        }
    }
    event.count = static_cast<int>(event.cards.size());
    event.drawn = drawn;
    return event;
}

TableEvent Sold(const qlPlayer& seat, const qlCards& chosen, const std::vector<int>& prices,
                int drawn) {
    TableEvent event = ForSeat(Kind::Sold, seat, static_cast<int>(chosen.Count()));
    event.cards = NamesOf(chosen);
    event.prices = prices;
    event.drawn = drawn;
    return event;
}

TableEvent Councillor(const qlPlayer& seat, bool human, int drawn, const qlCards& kept, int held) {
    TableEvent event = ForSeat(Kind::Councillor, seat, static_cast<int>(kept.Count()));
    event.drawn = drawn;
    event.held = held;
    event.cards = OwnNames(human, kept);
    return event;
}

TableEvent GoldMine(const qlPlayer& seat, const qlCards& mine, const qlCards& taken) {
    TableEvent event = ForSeat(Kind::GoldMine, seat);
    event.cards = NamesOf(mine);  // the mine's cards are shown to the whole table
    event.building = taken.Empty() ? "" : taken.Item(1)->BuildingName();
    return event;
}

TableEvent Chapel(const qlPlayer& seat, bool human, const qlCards& buried) {
    TableEvent event = ForSeat(Kind::Chapel, seat, static_cast<int>(buried.Count()));
    event.cards = OwnNames(human, buried);
    return event;
}

TableEvent HandLimit(const qlPlayer& seat, int discarded, int limit) {
    TableEvent event = ForSeat(Kind::HandLimit, seat, discarded);
    event.held = limit;
    return event;
}

TableEvent KeepAsked(const qlPlayer& seat, int drawn, int keep, int held) {
    TableEvent event = ForSeat(Kind::KeepAsked, seat, keep);
    event.drawn = drawn;
    event.held = held;
    if (seat.HasBuiltCard("Prefecture")) {
        event.reasons.emplace_back("Prefecture");
    }
    if (seat.HasBuiltCard("Archive")) {
        event.reasons.emplace_back("Archive");
    }
    return event;
}

TableEvent LimitAsked(const qlPlayer& seat, int limit, bool firstRound) {
    TableEvent event = ForSeat(Kind::LimitAsked, seat, limit);
    event.held = static_cast<int>(seat.CardsInHand().Count());
    if (firstRound) {
        event.reasons.emplace_back("first round");
    } else if (seat.CardsAllowed() > 7) {  // only the Tower raises the limit
        event.reasons.emplace_back("Tower");
    }
    return event;
}

}  // namespace table_events
