#include "cards/qlCards.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "cards/Catalogue.h"
#include "core/Random.h"

DeckRef NewDeck() {
    return std::make_shared<qlCards>();
}

DeckRef qlCards::Deal(int numberOfCards) {
    DeckRef result = NewDeck();
    result->mCol.reserve(static_cast<std::size_t>(std::max(numberOfCards, 0)));
    for (int i = 0; i < numberOfCards; ++i) {
        if (mCol.empty()) {
            // Every card still owed refills afresh, and each refill reshuffles (and so
            // reseeds) even when the discard pile has nothing to give.
            ReshuffleDiscards();
            if (mCol.empty()) {
                continue;
            }
        }
        result->Append(mCol.front());
        RemoveAt(0);
    }
    RaiseSizeChanged();
    return result;
}

void qlCards::ReshuffleDiscards() {
    if (!mDiscardDeck || mDiscardDeck.get() == this) {
        return;
    }
    for (const CardRef& card : *mDiscardDeck) {
        Append(card);
    }
    Shuffle();
    mDiscardDeck->ClearDeck();
    RaiseSizeChanged();
}

void qlCards::ClearDeck() {
    Clear();
    RaiseSizeChanged();
}

void qlCards::Shuffle() {
    Random::Reseed();
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<CardRef> shuffled;
        shuffled.reserve(mCol.size());
        while (!mCol.empty()) {
            const auto index = static_cast<std::size_t>(Random::NextIndex(Count()));
            shuffled.push_back(std::move(mCol[index]));
            mCol.erase(mCol.begin() + static_cast<std::ptrdiff_t>(index));
        }
        mCol = std::move(shuffled);
    }
    mKeys.clear();
}

void qlCards::Reset() {
    LoadCatalogue(CatalogueFile());
}

void qlCards::LoadCatalogue(const std::filesystem::path& file) {
    const std::vector<CatalogueRecord> records = ReadCatalogueFile(file);
    Clear();
    for (const CatalogueRecord& r : records) {
        for (int copy = 0; copy < r.number; ++copy) {
            Append(
                std::make_shared<qlCard>(r.cost, r.victoryPoints, r.name, r.description, r.type));
        }
    }
    Shuffle();
    RaiseSizeChanged();
}

void qlCards::Append(CardRef card, std::string key) {
    if (!key.empty() || !mKeys.empty()) {
        mKeys.resize(mCol.size());
        mKeys.push_back(std::move(key));
    }
    mCol.push_back(std::move(card));
}

CardRef qlCards::AddCard(CardRef card) {
    Append(card);
    RaiseSizeChanged();
    return card;
}

DeckRef qlCards::AddCards(DeckRef cards) {
    if (!cards) {
        return cards;
    }
    // A copy first: the collection may be this very one.
    const std::vector<CardRef> added = cards->mCol;
    for (const CardRef& card : added) {
        Append(card);
    }
    RaiseSizeChanged();
    return cards;
}

CardRef qlCards::Add(Integer cost, Integer victoryPoints, std::string buildingName,
                     std::string description, Long buildingType, std::string key) {
    if (!key.empty() && std::find(mKeys.begin(), mKeys.end(), key) != mKeys.end()) {
        throw std::invalid_argument("the key \"" + key + "\" is already in use");
    }
    auto card = std::make_shared<qlCard>(cost, victoryPoints, std::move(buildingName),
                                         std::move(description), buildingType);
    Append(card, std::move(key));
    RaiseSizeChanged();
    return card;
}

CardRef qlCards::Item(Long position) const {
    if (position < 1 || position > Count()) {
        return nullptr;
    }
    return mCol[static_cast<std::size_t>(position - 1)];
}

CardRef qlCards::Item(const std::string& key) const {
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

void qlCards::RemoveCard(const CardRef& card) {
    const auto it = std::find(mCol.begin(), mCol.end(), card);
    if (it != mCol.end()) {
        Remove(static_cast<Long>(it - mCol.begin()) + 1);
    }
}

void qlCards::RemoveCards(const DeckRef& cards) {
    if (!cards) {
        return;
    }
    const std::vector<CardRef> removed = cards->mCol;
    for (const CardRef& card : removed) {
        RemoveCard(card);
    }
}

void qlCards::Clear() {
    mCol.clear();
    mKeys.clear();
}

bool qlCards::Contains(const CardRef& card) const {
    return std::find(mCol.begin(), mCol.end(), card) != mCol.end();
}

bool qlCards::ContainsName(std::string_view name, std::size_t key) const {
    return std::any_of(mCol.begin(), mCol.end(), [&name, key](const CardRef& card) {
        return card->NameKey() == key && card->BuildingName() == name;
    });
}

CardRef qlCards::DealCardByName(const std::string& name) {
    for (const CardRef& card : mCol) {
        if (card->BuildingName() == name) {
            CardRef found = card;
            RemoveCard(found);
            return found;
        }
    }
    return nullptr;
}

DeckRef qlCards::GetCardsByName(const std::string& name) const {
    DeckRef result = NewDeck();
    for (const CardRef& card : mCol) {
        if (card->BuildingName() == name) {
            result->Append(card);
        }
    }
    return result;
}

void qlCards::OrderByGoodValue() {
    DeckRef ordered = NewDeck();
    for (const char* name :
         {"Silver Smelter", "Coffee Roaster", "Tobacco Storage", "Sugar Mill", "Indigo Plant"}) {
        const DeckRef group = GetCardsByName(name);
        for (const CardRef& card : *group) {
            ordered->Append(card);
        }
    }
    Clear();
    AddCards(ordered);
}
