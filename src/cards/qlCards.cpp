#include "cards/qlCards.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "cards/Catalogue.h"
#include "cards/ShuffledOrder.h"
#include "core/Random.h"

DeckRef qlCards::Deal(int numberOfCards, Random::Stream& random) {
    DeckRef result = NewDeck();
    result->mCol.reserve(static_cast<std::size_t>(std::max(numberOfCards, 0)));
    for (int owed = numberOfCards; owed > 0;) {
        if (mCol.empty()) {
            // Every card still owed refills afresh, and each refill reshuffles (and so
            // reseeds) even when the discard pile has nothing to give.
            ReshuffleDiscards(random);
            if (mCol.empty()) {
                --owed;
                continue;
            }
        }
        // As many as the pile holds, taken from the top at once.
        const auto taken =
            static_cast<std::ptrdiff_t>(std::min(static_cast<std::size_t>(owed), mCol.size()));
        std::move(mCol.begin(), mCol.begin() + taken, std::back_inserter(result->mCol));
        mCol.erase(mCol.begin(), mCol.begin() + taken);
        if (!mKeys.empty()) {
            mKeys.erase(mKeys.begin(), mKeys.begin() + taken);
        }
        owed -= static_cast<int>(taken);
    }
    RaiseSizeChanged();
    return result;
}

void qlCards::ReshuffleDiscards(Random::Stream& random) {
    if (!mDiscardDeck || mDiscardDeck.get() == this) {
        return;
    }
    for (const Card& card : *mDiscardDeck) {
        Append(card);
    }
    Shuffle(random);
    mDiscardDeck->ClearDeck();
    RaiseSizeChanged();
}

void qlCards::ClearDeck() {
    Clear();
    RaiseSizeChanged();
}

void qlCards::Shuffle(Random::Stream& random) {
    random.Reseed();
    const std::vector<std::uint32_t> order = ShuffledOrder(mCol.size(), random);
    std::vector<Card> shuffled;
    shuffled.reserve(order.size());
    for (const std::uint32_t from : order) {
        shuffled.push_back(std::move(mCol[from]));
    }
    mCol.swap(shuffled);
    mKeys.clear();
}

void qlCards::Reset(Random::Stream& random) {
    LoadCatalogue(CatalogueFile(), random);
}

void qlCards::LoadCatalogue(const std::filesystem::path& file, Random::Stream& random) {
    const auto entries = LoadCatalogueEntries(file);
    std::vector<const Building*> buildings;
    for (const CatalogueEntry& entry : *entries) {
        buildings.insert(buildings.end(), static_cast<std::size_t>(entry.number), entry.building);
    }
    const std::span<const Card> cards = Card::OfCatalogue(buildings);
    Clear();
    mCol.assign(cards.begin(), cards.end());
    Shuffle(random);
    RaiseSizeChanged();
}

void qlCards::Append(Card card) {
    if (!mKeys.empty()) {
        mKeys.emplace_back();
    }
    mCol.push_back(std::move(card));
}

void qlCards::Append(Card card, std::string key) {
    mKeys.resize(mCol.size());
    mKeys.push_back(std::move(key));
    mCol.push_back(std::move(card));
}

const Card& qlCards::AddCard(const Card& card) {
    Append(card);
    RaiseSizeChanged();
    return card;
}

DeckRef qlCards::AddCards(DeckRef cards) {
    if (!cards) {
        return cards;
    }
    // Counted first: the collection may be this very one.
    const std::size_t count = cards->mCol.size();
    mCol.reserve(mCol.size() + count);
    for (std::size_t i = 0; i < count; ++i) {
        Append(cards->mCol[i]);
    }
    RaiseSizeChanged();
    return cards;
}

Card qlCards::Add(Integer cost, Integer victoryPoints, std::string buildingName,
                  std::string description, Long buildingType, std::string key) {
    if (!key.empty() && std::find(mKeys.begin(), mKeys.end(), key) != mKeys.end()) {
        throw std::invalid_argument("the key \"" + key + "\" is already in use");
    }
    const Card card =
        Card::New(Building::Find(cost, victoryPoints, buildingName, description, buildingType));
    if (key.empty()) {
        Append(card);
    } else {
        Append(card, std::move(key));
    }
    RaiseSizeChanged();
    return card;
}

Card qlCards::Item(Long position) const {
    if (position < 1 || position > Count()) {
        return {};
    }
    return mCol[static_cast<std::size_t>(position - 1)];
}

Card qlCards::Item(const std::string& key) const {
    return Item(PositionOf(key));
}

Long qlCards::PositionOf(const std::string& key) const {
    if (key.empty() || mKeys.empty()) {
        return 0;
    }
    const auto it = std::find(mKeys.begin(), mKeys.end(), key);
    return it == mKeys.end() ? 0 : static_cast<Long>(it - mKeys.begin()) + 1;
}

void qlCards::RemoveAt(std::size_t index) {
    mCol.erase(mCol.begin() + static_cast<std::ptrdiff_t>(index));
    if (!mKeys.empty()) {
        mKeys.erase(mKeys.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void qlCards::MoveUp(Long from, Long to) {
    if (to < 1 || to >= from || from > Count()) {
        return;
    }
    const auto first = static_cast<std::ptrdiff_t>(to - 1);
    const auto moved = static_cast<std::ptrdiff_t>(from - 1);
    std::rotate(mCol.begin() + first, mCol.begin() + moved, mCol.begin() + moved + 1);
    if (!mKeys.empty()) {
        std::rotate(mKeys.begin() + first, mKeys.begin() + moved, mKeys.begin() + moved + 1);
    }
}

void qlCards::Remove(Long position) {
    if (position < 1 || position > Count()) {
        return;
    }
    RemoveAt(static_cast<std::size_t>(position - 1));
    RaiseSizeChanged();
}

void qlCards::Remove(const std::string& key) {
    Remove(PositionOf(key));
}

void qlCards::RemoveCard(const Card& card) {
    const auto it = std::find(mCol.begin(), mCol.end(), card);
    if (it != mCol.end()) {
        Remove(static_cast<Long>(it - mCol.begin()) + 1);
    }
}

void qlCards::RemoveCards(const DeckRef& cards) {
    if (!cards) {
        return;
    }
    const std::vector<Card> removed = cards->mCol;
    for (const Card& card : removed) {
        RemoveCard(card);
    }
}

void qlCards::Clear() {
    mCol.clear();
    mKeys.clear();
}

bool qlCards::Contains(const Card& card) const {
    return std::find(mCol.begin(), mCol.end(), card) != mCol.end();
}

bool qlCards::ContainsId(BuildingId id) const {
    return std::any_of(mCol.begin(), mCol.end(),
                       [id](const Card& card) { return card->Id() == id; });
}

Card qlCards::DealCardByName(const std::string& name) {
    const BuildingId id = buildings::FindId(name);
    for (const Card& card : mCol) {
        if (card->Id() == id) {
            Card found = card;
            RemoveCard(found);
            return found;
        }
    }
    return {};
}

DeckRef qlCards::DealCardsByName(const std::vector<std::string>& names) {
    DeckRef taken = NewDeck(static_cast<Long>(names.size()));
    for (const std::string& name : names) {
        if (Card card = DealCardByName(name)) {
            taken->AddCard(card);
        }
    }
    return taken;
}

DeckRef qlCards::GetCardsByName(const std::string& name) const {
    return GetCardsById(buildings::FindId(name));
}

Long qlCards::CountOf(BuildingId id) const {
    return static_cast<Long>(std::count_if(mCol.begin(), mCol.end(),
                                           [id](const Card& card) { return card->Id() == id; }));
}

DeckRef qlCards::GetCardsById(BuildingId id) const {
    DeckRef result = NewDeck(Count());
    for (const Card& card : mCol) {
        if (card->Id() == id) {
            result->Append(card);
        }
    }
    return result;
}

void qlCards::OrderByGoodValue() {
    // Production buildings only, the dearest good first; equal goods keep their order.
    std::vector<Card> ordered;
    ordered.reserve(mCol.size());
    for (const BuildingId good : {buildings::Id("Silver Smelter"), buildings::Id("Coffee Roaster"),
                                  buildings::Id("Tobacco Storage"), buildings::Id("Sugar Mill"),
                                  buildings::Id("Indigo Plant")}) {
        for (const Card& card : mCol) {
            if (card->Id() == good) {
                ordered.push_back(card);
            }
        }
    }
    Clear();
    mCol = std::move(ordered);
    RaiseSizeChanged();
}

DeckRef CopyOf(const DeckRef& cards) {
    DeckRef copy = NewDeck(cards->Count());
    copy->AddCards(cards);
    return copy;
}
