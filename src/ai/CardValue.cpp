// The card value: what a card is worth as a building to one seat at the present stage of the
// game. Every adjustment is added to the running value one at a time, in the order the rules
// give, so that the Double results are the same on every platform.

#include "ai/CardValue.h"

#include <algorithm>
#include <cmath>

#include "ai/Stage.h"

namespace {

// The card valued and what the rules read of the seat and the game, both by reference: a
// valuation copies nothing.
struct Context {
    const qlCard& card;
    const ai::CardValues::Facts& facts;
    bool Built(RuleBuilding building) const { return facts.seat.HasBuiltCard(building); }
};

// A crane pays when the seat leads in buildings, but building over does not win points back
// by itself, so the bonus is held to one more than the seat's worst points deficit.
void CraneRule(const Context& c, double& v) {
    const qlPlayer& me = c.facts.seat;
    double lead = 100;
    double behind = 0;
    const double myCity = me.BuiltCards().Count();
    const double myPoints = me.Points();
    for (const qlPlayer* seat : c.facts.opponents) {
        lead = std::min(lead, myCity - static_cast<double>(seat->BuiltCards().Count()));
        behind = std::max(behind, static_cast<double>(seat->Points()) - myPoints);
    }
    double x = 2 * lead;
    if (x > behind + 1) {
        x = behind + 1;
    }
    v += x;
}

// A monument is worth more once the arch that counts it stands, and nothing late in the game
// when the arch is out of reach.
void MonumentRule(const Context& c, double& v) {
    bool companion = false;
    for (const RuleBuilding monument :
         {RuleBuilding("Statue"), RuleBuilding("Victory Column"), RuleBuilding("Hero")}) {
        if (c.card.Id() != monument.Id() && c.Built(monument)) {
            companion = true;
        }
    }
    if (c.Built("Triumphal Arch")) {
        v += companion ? 2 : 4;
    } else if (c.facts.bl > 3 || c.facts.seat.HoldsCard("Triumphal Arch")) {
        v += companion ? 1 : 2;
    }
}

// A production building pays only while the seat can still produce and sell on it; past its
// capacity, only a better good than its best one is worth having.
void ProductionRule(const Context& c, double& v) {
    if (c.Built("Guild Hall")) {
        v += 2;
    }
    const bool lib = c.Built("Library");
    const double pc = 2 + (lib ? 1 : 0) + (c.Built("Aqueduct") ? 1 : 0);
    const double tc = 2 + (lib ? 1 : 0) + (c.Built("Trading Post") ? 1 : 0);
    const double n = c.facts.n;
    const double w = c.card.AvgTradeWorth();
    if (n < pc - 1) {
        if (n < tc - 1) {
            v += (w - 1) * c.facts.f;
        } else if (n == tc - 1) {
            v += (w - 1) * c.facts.f / 2;
        }
    } else if (n == pc - 1) {
        if (n < tc - 1) {
            v += (w - 1) * c.facts.f / 2;
        } else if (n == tc - 1) {
            v += (w - 1) * c.facts.f / 4;
        }
    } else {
        // Against the dearest good the city makes already, if any.
        const qlCard* best = nullptr;
        c.facts.seat.VisitProduction(qlPlayer::GoodsOn::Any, [&best](const Card& building) {
            if (building->Id() < 5 && (!best || building->Id() > best->Id())) {
                best = &*building;
            }
        });
        if (best) {
            const double wb = best->AvgTradeWorth();
            if (w > wb) {
                v += c.facts.bl * c.facts.f * (w - wb);
            }
        }
    }
}

void BuildingRule(const Context& c, double& v) {
    using buildings::Id;
    const BuildingId id = c.card.Id();
    const double bl = c.facts.bl;
    const double f = c.facts.f;
    const bool lib = c.Built("Library");
    const bool aq = c.Built("Aqueduct");
    const bool tp = c.Built("Trading Post");
    const bool ms = c.Built("Market Stand");

    switch (id) {
        case Id("Smithy"):
            if (c.Built("Guild Hall")) {
                v += bl;
            } else if (c.facts.n < 3) {
                v += 3 - c.facts.n;
            }
            break;
        case Id("Gold Mine"):
            v += 0.2 * bl;
            break;
        case Id("Market Stand"):
            if (!tp && !lib) {
                v += 0.35 * f;
            } else {
                v += (aq || lib) ? f : 0.5 * f;
            }
            break;
        case Id("Poor House"):
            v += 0.25 * bl;
            break;
        case Id("Well"):
            v += (aq || lib) ? f : f / c.facts.np;
            break;
        case Id("Trading Post"):
        case Id("Aqueduct"): {
            // The two are each other's partner with the market stand.
            const bool partner = id == Id("Trading Post") ? aq : tp;
            if (lib || !ms) {
                v += 0.25 * f;
            } else {
                v += partner ? f : 0.5 * f;
            }
            break;
        }
        case Id("Crane"):
            CraneRule(c, v);
            break;
        case Id("Tower"):
            v += 0.1 * bl;
            break;
        case Id("Prefecture"):
        case Id("Market Hall"):
            v += f;
            break;
        case Id("Carpenter"):
        case Id("Quarry"):
            v += c.Built("City Hall") ? bl : 0.5 * bl;
            if (c.Built(id == Id("Carpenter") ? RuleBuilding("Quarry")
                                              : RuleBuilding("Carpenter"))) {
                v += 0.1 * bl;
            }
            break;
        case Id("Chapel"):
            if (bl < 8) {
                v += 0.6 * bl;
            }
            break;
        case Id("Library"):
            v += 0.8 * c.facts.np * bl;
            if (tp) {
                v -= aq ? 0.5 * f : 0.35 * f;
            } else if (aq) {
                v -= 0.35 * f;
            }
            break;
        case Id("City Hall"):
            v += static_cast<double>(c.facts.seat.BuiltCards().Count()) - c.facts.n;
            v += 0.9 * bl;
            break;
        case Id("Guild Hall"):
            v += 2 * c.facts.n;
            v += 0.8 * bl;
            break;
        case Id("Palace"):
            v += std::floor(static_cast<double>(c.facts.seat.Points()) / 4);
            v += 0.75 * bl;
            break;
        case Id("Triumphal Arch"): {
            int k = 0;
            for (const RuleBuilding monument :
                 {RuleBuilding("Statue"), RuleBuilding("Victory Column"), RuleBuilding("Hero")}) {
                k += c.Built(monument) ? 1 : 0;
            }
            static constexpr double kArchBonus[] = {0, 4, 6, 8};
            v += kArchBonus[k];
            v += 0.6 * bl;
            break;
        }
        case Id("Statue"):
        case Id("Victory Column"):
        case Id("Hero"):
            MonumentRule(c, v);
            break;
        case Id("Indigo Plant"):
        case Id("Sugar Mill"):
        case Id("Tobacco Storage"):
        case Id("Coffee Roaster"):
        case Id("Silver Smelter"):
            ProductionRule(c, v);
            break;
        default:
            break;
    }
}

// The card value itself, every adjustment added one at a time.
double Value(const qlCard& card, const ai::CardValues::Facts& facts) {
    const Context c{card, facts};
    const double vp = card.VictoryPoints();
    double v = c.facts.bl < 8 ? vp : vp * (11 - c.facts.bl) / c.facts.bl;
    BuildingRule(c, v);

    const int reduction =
        card.BuildingType() == 0 ? facts.productionModifier : facts.violetModifier;
    const double effectiveCost = std::max(0, card.Cost() - reduction);

    // A second copy of a violet building does nothing; a second production building still
    // makes goods.
    if (card.BuildingType() == 1 && facts.seat.HasBuilt(card.Id())) {
        v = 0;
    }
    // Late in the game every card in hand is as good as spent: its cost no longer counts.
    if (c.facts.bl > 3) {
        v -= effectiveCost;
    }
    return v;
}

}  // namespace

namespace ai {

CardValues::CardValues(const qlPlayer& seat, Opponents opponents)
    : mFacts{seat,
             opponents,
             Stage(seat.Game()),
             Players(seat.Game()),
             RoleScale(seat.Game()),
             static_cast<double>(seat.ProductionCount()),
             seat.ProductionBuildModifier(),
             seat.VioletBuildModifier()} {}

double CardValues::Of(const qlCard& card) {
    const BuildingId id = card.Id();
    if (id >= kKnownIds) {
        return Value(card, mFacts);
    }
    // A catalogue may give one name two buildings: the value is kept for the first only.
    const std::uint32_t bit = std::uint32_t{1} << id;
    Known& known = mKnown[id];
    if ((mKnownIds & bit) == 0) {
        known = {&card.GetBuilding(), Value(card, mFacts)};
        mKnownIds |= bit;
        return known.value;
    }
    return known.building == &card.GetBuilding() ? known.value : Value(card, mFacts);
}

double AIValue(const qlCard& card, const qlPlayer& seat, Opponents opponents) {
    return CardValues(seat, opponents).Of(card);
}

}  // namespace ai
