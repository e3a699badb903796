#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cards/CardRefs.h"
#include "cards/qlCard.h"
#include "core/Event.h"
#include "core/Random.h"
#include "core/Types.h"

// An ordered collection of shared cards: the draw and discard piles, hands, cities and every
// temporary selection. Positions are 1-based; position 1 is the top of a pile.
class qlCards {
  public:
    using const_iterator = std::vector<Card>::const_iterator;

    qlCards() = default;
    qlCards(const qlCards&) = delete;
    qlCards& operator=(const qlCards&) = delete;

    // Takes cards from the top, refilling from the discard pile whenever this deck is empty
    // before a card. When both piles run dry it gives what there was.
    DeckRef Deal(int numberOfCards, Random::Stream& random);
    void ClearDeck();
    void Shuffle(Random::Stream& random);

    // Drops every card and loads the catalogue of the data folder, then shuffles. Throws
    // CatalogueError, leaving the deck as it was, when the catalogue is missing or unusable.
    void Reset(Random::Stream& random);
    // The same from any catalogue file.
    void LoadCatalogue(const std::filesystem::path& file, Random::Stream& random);

    // Puts the card last and gives it back.
    const Card& AddCard(const Card& card);
    DeckRef AddCards(DeckRef cards);  // nothing in, nothing done
    Card Add(Integer cost, Integer victoryPoints, std::string buildingName, std::string description,
             Long buildingType, std::string key = {});

    // The card at a position from 1 to Count, or under a key given to Add; nothing otherwise.
    Card Item(Long position) const;
    Card Item(const std::string& key) const;
    Long Count() const { return static_cast<Long>(mCol.size()); }
    bool Empty() const { return mCol.empty(); }
    // Removes the entry at a position or key; a position or key that holds nothing is ignored.
    void Remove(Long position);
    void Remove(const std::string& key);
    void RemoveCard(const Card& card);
    void RemoveCards(const DeckRef& cards);
    void Clear();
    // Takes the card at `from` out and puts it in at `to`, nearer the top; the cards between
    // move down one. Positions outside 1 to `from` are ignored. Raises no event: the
    // collection holds the same cards.
    void MoveUp(Long from, Long to);

    // True when this very card object is in the collection.
    bool Contains(const Card& card) const;
    // True when a card of exactly this building name, or of this building id, is in the
    // collection.
    bool ContainsName(std::string_view name) const { return ContainsId(buildings::FindId(name)); }
    bool ContainsId(BuildingId id) const;

    const_iterator begin() const { return mCol.begin(); }
    const_iterator end() const { return mCol.end(); }

    void SetDiscardDeck(DeckRef deck) { mDiscardDeck = std::move(deck); }

    Card DealCardByName(const std::string& name);
    // Takes out the first card of each name in turn (a name twice: two cards of it), in a new
    // collection; a name the collection holds no more is passed over.
    DeckRef DealCardsByName(const std::vector<std::string>& names);
    DeckRef GetCardsByName(const std::string& name) const;
    DeckRef GetCardsById(BuildingId id) const;
    Long CountOf(BuildingId id) const;
    // Keeps only the production buildings, most valuable good first.
    void OrderByGoodValue();

    Event<Integer> DeckSizeChanged;

  private:
    void ReshuffleDiscards(Random::Stream& random);
    void Append(Card card);
    void Append(Card card, std::string key);
    void RaiseSizeChanged() { DeckSizeChanged.Raise(static_cast<Integer>(mCol.size())); }
    void RemoveAt(std::size_t index);
    Long PositionOf(const std::string& key) const;  // 0 when no entry has the key
    // Makes a collection nobody holds any more like a new one, for NewDeck to hand out again.
    void Forget() noexcept;
    static constexpr std::size_t kRoomKept = 256;  // room for cards a reused collection keeps

    std::vector<Card> mCol;
    std::vector<std::string> mKeys;  // parallel to mCol once a key is given; empty until then
    DeckRef mDiscardDeck;

    friend DeckRef NewDeck(Long capacity);
};

// A fresh, empty collection, with room for `capacity` cards made at once.
DeckRef NewDeck(Long capacity = 0);
// A fresh collection holding the cards of `cards`, in order: to reorder or take from without
// touching the original.
DeckRef CopyOf(const DeckRef& cards);
