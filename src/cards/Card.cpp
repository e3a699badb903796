#include "cards/Card.h"

#include <map>
#include <mutex>
#include <stdexcept>
#include <vector>

qlCard Card::kCardTable[Card::kTableSize];

namespace {

// The table's entries in use, entry 0 (no card) included, and the cards of each catalogue
// loaded so far. Games on several threads may load catalogues at once; an entry is written
// before any card names it and never again, so reading a card needs no lock.
struct TableUse {
    std::mutex lock;
    std::size_t used = 1;
    std::map<std::vector<const Building*>, std::vector<Card>> catalogues;
};

TableUse& Use() {
    static TableUse use;
    return use;
}

}  // namespace

Card Card::New(const Building& building) {
    TableUse& use = Use();
    const std::scoped_lock guard(use.lock);
    if (use.used == kTableSize) {
        throw std::length_error("the program holds as many cards as it can");
    }
    kCardTable[use.used].Assign(building);
    return Card(static_cast<std::uint32_t>(use.used++));
}

std::span<const Card> Card::OfCatalogue(std::span<const Building* const> buildings) {
    TableUse& use = Use();
    const std::scoped_lock guard(use.lock);
    std::vector<const Building*> key(buildings.begin(), buildings.end());
    if (const auto found = use.catalogues.find(key); found != use.catalogues.end()) {
        return found->second;
    }
    if (kTableSize - use.used < key.size()) {
        throw std::length_error("the program holds as many cards as it can");
    }
    std::vector<Card> cards;
    cards.reserve(key.size());
    for (const Building* building : key) {
        kCardTable[use.used].Assign(*building);
        cards.push_back(Card(static_cast<std::uint32_t>(use.used++)));
    }
    return use.catalogues.emplace(std::move(key), std::move(cards)).first->second;
}
