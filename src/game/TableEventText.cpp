#include "game/TableEventText.h"

#include <algorithm>

namespace {

using Kind = TableEvent::Kind;

// The subject and its verb: "You build" or "Player 3 builds".
class Sentence {
  public:
    Sentence(const TableEvent& event, Integer humanSeat)
        : mYou(event.seat == humanSeat),
          mName(mYou ? "You" : "Player " + std::to_string(event.seat)) {}
    const std::string& Name() const { return mName; }
    bool You() const { return mYou; }
    // The subject and `verb` agreeing with it; "-es" verbs are given whole by their caller.
    std::string Says(const std::string& verb, const std::string& thirdPerson = {}) const {
        return mName + " " + (mYou ? verb : (thirdPerson.empty() ? verb + "s" : thirdPerson));
    }

  private:
    bool mYou;
    std::string mName;
};

std::string Cards(int count) {
    return std::to_string(count) + (count == 1 ? " card" : " cards");
}

std::string Goods(int count) {
    return std::to_string(count) + (count == 1 ? " good" : " goods");
}

std::string List(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

std::string AndDraws(const Sentence& who, int drawn) {
    return drawn > 0 ? " and " + std::string(who.You() ? "draw " : "draws ") + Cards(drawn) : "";
}

// ", 1 off as Builder, 3 off for building over Tobacco Storage": what lowered a build's cost.
std::string Reductions(const TableEvent& event) {
    std::string text;
    for (const TableEvent::Reduction& reduction : event.reductions) {
        text += ", " + std::to_string(reduction.amount) + " off ";
        if (reduction.source == "Builder") {
            text += "as Builder";
        } else if (reduction.source == "Library") {
            text += "as Builder with the Library";
        } else if (reduction.source == "Black Market") {
            text += "for goods at the Black Market";
        } else if (reduction.source == "Crane") {
            text += "for building over " + event.covered;
        } else {
            text += "for the " + reduction.source;
        }
    }
    return text;
}

std::string Built(const TableEvent& event, const Sentence& who) {
    if (event.building.empty()) {
        return who.Says("build") + " nothing";
    }
    std::string text = who.Says("build") + " " + event.building + ": cost " +
                       std::to_string(event.count) + Reductions(event);
    if (event.cost == 0) {
        text += ", for free";
    } else {
        text += ", paying " + (event.cards.empty() ? Cards(event.cost) : List(event.cards));
    }
    return text + AndDraws(who, event.drawn);
}

std::string Produced(const TableEvent& event, const Sentence& who) {
    if (event.count == 0) {
        return who.Says("produce") + " nothing" + AndDraws(who, event.drawn);
    }
    return who.Says("produce") + " " + Goods(event.count) + " on " + List(event.cards) +
           AndDraws(who, event.drawn);
}

std::string Sold(const TableEvent& event, const Sentence& who) {
    if (event.count == 0) {
        return who.Says("sell") + " nothing";
    }
    std::string sales;
    for (std::size_t i = 0; i < event.cards.size() && i < event.prices.size(); ++i) {
        sales += (sales.empty() ? "" : ", ") + event.cards[i] + " for " +
                 std::to_string(event.prices[i]);
    }
    return who.Says("sell") + " " + Goods(event.count) + " (" + sales + ")" +
           AndDraws(who, event.drawn);
}

std::string Councillor(const TableEvent& event, const Sentence& who) {
    std::string text = who.Says("draw") + " " + Cards(event.drawn) + " and";
    if (event.held > 0) {
        text += ", with the " + std::to_string(event.held) + " in hand (Archive),";
    }
    text += " " + std::string(who.You() ? "keep " : "keeps ") + std::to_string(event.count);
    if (event.held > 0) {
        text += " of the " + std::to_string(event.drawn + event.held);
    }
    return event.cards.empty() ? text : text + ": " + List(event.cards);
}

std::string GoldMine(const TableEvent& event, const Sentence& who) {
    const std::string turned = "the gold mine turns up " + List(event.cards);
    if (event.building.empty()) {
        return who.Name() + ": " + turned + ", no gold";
    }
    return who.Name() + ": " + turned + ", gold! " + (who.You() ? "You take " : "Takes ") +
           event.building;
}

std::string Chapel(const TableEvent& event, const Sentence& who) {
    const std::string what = event.cards.empty() ? "a card" : event.cards.front();
    return who.Says("place") + " " + what + " under the chapel";
}

bool Has(const TableEvent& event, const std::string& reason) {
    return std::find(event.reasons.begin(), event.reasons.end(), reason) != event.reasons.end();
}

std::string KeepAsked(const TableEvent& event, const Sentence& who) {
    std::string text = "Councillor: " + who.Says("draw") + " " + Cards(event.drawn);
    if (event.held > 0) {
        text += " and the " + std::to_string(event.held) + " in hand join them (Archive)";
    }
    // A short draw can offer fewer cards than the rule keeps.
    const int offered = event.drawn + event.held;
    const int fewest = std::min(event.held + 1, offered);
    const int most = std::min(event.held + event.count, offered);
    text += " \u2014 keep " + std::to_string(fewest);
    if (most > fewest) {
        text += " or " + std::to_string(most);
    }
    if (event.held > 0) {
        text += " of the " + std::to_string(offered);
    }
    return Has(event, "Prefecture") ? text + " (Prefecture)" : text;
}

std::string LimitAsked(const TableEvent& event, const Sentence& who) {
    std::string text = "Hand limit: " + who.Says("hold", "holds") + " " + Cards(event.held) +
                       ", the limit is " + std::to_string(event.count);
    if (Has(event, "first round")) {
        text += " in the first round";
    } else if (Has(event, "Tower")) {
        text += " with the Tower";
    }
    return text + " \u2014 keep " + std::to_string(event.count);
}

}  // namespace

std::string DescribeEvent(const TableEvent& event, Integer humanSeat) {
    const Sentence who(event, humanSeat);
    switch (event.kind) {
        case Kind::RoundStarted:
            return "Round " + std::to_string(event.count) + ": " + who.Name() +
                   (who.You() ? " are" : " is") + " governor";
        case Kind::TurnStarted:
            return {};  // the table marks the seat; the history has no line for it
        case Kind::RoleChosen:
            return who.Says("choose") + " " + event.role;
        case Kind::Built:
            return Built(event, who);
        case Kind::Produced:
            return Produced(event, who);
        case Kind::Sold:
            return Sold(event, who);
        case Kind::Councillor:
            return Councillor(event, who);
        case Kind::Prospected:
            return who.Says("draw") + " " + Cards(event.count) + " as Prospector";
        case Kind::GoldMine:
            return GoldMine(event, who);
        case Kind::Chapel:
            return Chapel(event, who);
        case Kind::HandLimit:
            return who.Says("discard") + " " + Cards(event.count) + " down to the hand limit of " +
                   std::to_string(event.held);
        case Kind::GameEnded:
            return "Game over: " + who.Says("win") + " with " + std::to_string(event.count) +
                   " points";
        case Kind::KeepAsked:
            return KeepAsked(event, who);
        case Kind::LimitAsked:
            return LimitAsked(event, who);
    }
    return {};
}
