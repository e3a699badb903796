// The card value: what a card is worth as a building to one seat at the present stage of the
// game. Every adjustment is added to the running value one at a time, in the order the rules
// give, so that the Double results are the same on every platform.

#include <algorithm>
#include <cmath>
#include <string>

#include "ai/Stage.h"
#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"

namespace {

struct Context {
    const qlCard& card;
    const qlPlayer& player;
    double bl;  // BuildingsLeft
    double np;  // the plain number of players
    double f;   // the role scale
    bool Built(const char* name) const { return player.HasBuiltCard(name); }
    // n, the production buildings in the city; counted only by the rules that need it, since
    // the card value is the computer player's hot path.
    double ProductionCount() const {
        const qlCards& city = *player.BuiltCards();
        return static_cast<double>(std::count_if(
            city.begin(), city.end(), [](const CardRef& b) { return b->BuildingType() == 0; }));
    }
};

bool IsMonument(const std::string& name) {
    return name == "Statue" || name == "Victory Column" || name == "Hero";
}

bool IsGoodMaker(const std::string& name) {
    return name == "Indigo Plant" || name == "Sugar Mill" || name == "Tobacco Storage" ||
           name == "Coffee Roaster" || name == "Silver Smelter";
}

// A crane pays when the seat leads in buildings, but building over does not win points back
// by itself, so the bonus is held to one more than the seat's worst points deficit.
void CraneRule(const Context& c, double& v) {
    const qlPlayer& me = c.player;
    double lead = 100;
    double behind = 0;
    const double myCity = me.BuiltCards()->Count();
    const double myPoints = me.Points();
    for (const qlPlayer* seat = me.NextPlayer(); seat != nullptr && seat != &me;
         seat = seat->NextPlayer()) {
        lead = std::min(lead, myCity - static_cast<double>(seat->BuiltCards()->Count()));
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
    for (const char* name : {"Statue", "Victory Column", "Hero"}) {
        if (c.card.BuildingName() != name && c.Built(name)) {
            companion = true;
        }
    }
    if (c.Built("Triumphal Arch")) {
        v += companion ? 2 : 4;
    } else if (c.bl > 3 || c.player.HoldsCard("Triumphal Arch")) {
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
    const double n = c.ProductionCount();
    const double w = c.card.AvgTradeWorth();
    if (n < pc - 1) {
        if (n < tc - 1) {
            v += (w - 1) * c.f;
        } else if (n == tc - 1) {
            v += (w - 1) * c.f / 2;
        }
    } else if (n == pc - 1) {
        if (n < tc - 1) {
            v += (w - 1) * c.f / 2;
        } else if (n == tc - 1) {
            v += (w - 1) * c.f / 4;
        }
    } else {
        DeckRef owned = c.player.ProductionBuildings();
        owned->OrderByGoodValue();
        const CardRef best = owned->Item(1);
        if (best) {
            const double wb = best->AvgTradeWorth();
            if (w > wb) {
                v += c.bl * c.f * (w - wb);
            }
        }
    }
}

void BuildingRule(const Context& c, double& v) {
    const std::string& name = c.card.BuildingName();
    const double bl = c.bl;
    const double f = c.f;
    const bool lib = c.Built("Library");
    const bool aq = c.Built("Aqueduct");
    const bool tp = c.Built("Trading Post");
    const bool ms = c.Built("Market Stand");

    if (name == "Smithy") {
        if (c.Built("Guild Hall")) {
            v += bl;
        } else if (const double n = c.ProductionCount(); n < 3) {
            v += 3 - n;
        }
    } else if (name == "Gold Mine") {
        v += 0.2 * bl;
    } else if (name == "Market Stand") {
        if (!tp && !lib) {
            v += 0.35 * f;
        } else {
            v += (aq || lib) ? f : 0.5 * f;
        }
    } else if (name == "Poor House") {
        v += 0.25 * bl;
    } else if (name == "Well") {
        v += (aq || lib) ? f : f / c.np;
    } else if (name == "Trading Post" || name == "Aqueduct") {
        // The two are each other's partner with the market stand.
        const bool partner = name == "Trading Post" ? aq : tp;
        if (lib || !ms) {
            v += 0.25 * f;
        } else {
            v += partner ? f : 0.5 * f;
        }
    } else if (name == "Crane") {
        CraneRule(c, v);
    } else if (name == "Tower") {
        v += 0.1 * bl;
    } else if (name == "Prefecture" || name == "Market Hall") {
        v += f;
    } else if (name == "Carpenter" || name == "Quarry") {
        v += c.Built("City Hall") ? bl : 0.5 * bl;
        if (c.Built(name == "Carpenter" ? "Quarry" : "Carpenter")) {
            v += 0.1 * bl;
        }
    } else if (name == "Chapel") {
        if (bl < 8) {
            v += 0.6 * bl;
        }
    } else if (name == "Library") {
        v += 0.8 * c.np * bl;
        if (tp) {
            v -= aq ? 0.5 * f : 0.35 * f;
        } else if (aq) {
            v -= 0.35 * f;
        }
    } else if (name == "City Hall") {
        v += static_cast<double>(c.player.BuiltCards()->Count()) - c.ProductionCount();
        v += 0.9 * bl;
    } else if (name == "Guild Hall") {
        v += 2 * c.ProductionCount();
        v += 0.8 * bl;
    } else if (name == "Palace") {
        v += std::floor(static_cast<double>(c.player.Points()) / 4);
        v += 0.75 * bl;
    } else if (name == "Triumphal Arch") {
        int k = 0;
        for (const char* monument : {"Statue", "Victory Column", "Hero"}) {
            k += c.Built(monument) ? 1 : 0;
        }
        static constexpr double kArchBonus[] = {0, 4, 6, 8};
        v += kArchBonus[k];
        v += 0.6 * bl;
    } else if (IsMonument(name)) {
        MonumentRule(c, v);
    } else if (IsGoodMaker(name)) {
        ProductionRule(c, v);
    }
}

}  // namespace

double qlCard::AIValue(const qlPlayer& player) const {
    const Context c{*this, player, ai::Stage(), ai::Players(), ai::RoleScale()};
    const double vp = VictoryPoints();
    double v = c.bl < 8 ? vp : vp * (11 - c.bl) / c.bl;
    BuildingRule(c, v);

    const int reduction =
        BuildingType() == 0 ? player.ProductionBuildModifier() : player.VioletBuildModifier();
    const double effectiveCost = std::max(0, Cost() - reduction);

    // A second copy of a violet building does nothing; a second production building still
    // makes goods.
    if (BuildingType() == 1 && player.HasBuiltCard(BuildingName())) {
        v = 0;
    }
    // Late in the game every card in hand is as good as spent: its cost no longer counts.
    if (c.bl > 3) {
        v -= effectiveCost;
    }
    return v;
}
