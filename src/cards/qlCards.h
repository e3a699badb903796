#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "cards/Card.h"
#include "core/Random.h"
#include "core/Types.h"

struct CatalogueEntry;

// An ordered collection of cards, held by value: the draw and discard piles, hands, cities and
// every temporary selection. Positions are 1-based; position 1 is the top of a pile. A few cards
// lie in the collection itself; more take room elsewhere, made once and kept, so that a
// collection copied or refilled within its room makes nothing. Cards dealt from the top leave
// their places empty rather than moving the rest up.
class qlCards {
    static_assert(std::is_trivially_copyable_v<Card> && std::is_trivially_destructible_v<Card>);

  public:
    using const_iterator = const Card*;

    // Written out rather than defaulted: `qlCards{}` and `qlCards()` would otherwise zero the
    // whole room in the collection before the members are set, at every decision and choice.
    qlCards() {}
    qlCards(std::initializer_list<Card> cards);
    // A copy keeps the room of the original, so that it grows as the original would.
    qlCards(const qlCards& other);
    qlCards& operator=(const qlCards& other);
    qlCards(qlCards&& other) noexcept;
    qlCards& operator=(qlCards&& other) noexcept;
    ~qlCards() = default;

    // Takes cards from the top, refilling from `discard` (shuffled) whenever this deck is
    // empty before a card. When both piles run dry it gives what there was.
    qlCards Deal(int numberOfCards, qlCards& discard, Random::Stream& random);
    // Deal(1)'s card, or none, without a collection to hold it.
    Card DealCard(qlCards& discard, Random::Stream& random);
    void Shuffle(Random::Stream& random);

    // The cards of the data folder's catalogue, shuffled. Throws CatalogueError, leaving the
    // deck as it was, when the catalogue is missing or unusable.
    void Reset(Random::Stream& random);
    // The same from any catalogue file.
    void LoadCatalogue(const std::filesystem::path& file, Random::Stream& random);
    // The same from a catalogue read already (see LoadCatalogueEntries).
    void LoadCatalogue(std::shared_ptr<const std::vector<CatalogueEntry>> entries,
                       Random::Stream& random);

    // Makes room for `count` cards in all.
    void Reserve(std::size_t count) {
        if (count > mSize + SpareAfter()) {
            MakeRoom(count);
        }
    }
    // Puts the card, or the cards, last.
    void AddCard(Card card) {
        if (end() == mRoomEnd) {
            Reserve(mSize + 1);
        }
        mFirst[mSize++] = card;
    }
    void AddCards(const qlCards& cards);

    // The card at a position from 1 to Count; none otherwise.
    Card Item(Long position) const;
    Long Count() const { return static_cast<Long>(mSize); }
    bool Empty() const { return mSize == 0; }
    // Removes the entry at a position; a position that holds nothing is ignored.
    void Remove(Long position);
    void RemoveCard(Card card);
    void RemoveCards(const qlCards& cards);
    void Clear() {
        mSize = 0;
        mFirst = Room();
    }
    // Takes the card at `from` out and puts it in at `to`, nearer the top; the cards between
    // move down one. Positions outside 1 to `from` are ignored.
    void MoveUp(Long from, Long to);

    // True when this very card is in the collection.
    bool Contains(Card card) const;
    // True when a card of exactly this building name, or of this building id, is in the
    // collection.
    bool ContainsName(std::string_view name) const { return ContainsId(buildings::FindId(name)); }
    bool ContainsId(BuildingId id) const;

    const_iterator begin() const { return Data(); }
    const_iterator end() const { return Data() + mSize; }
    Card* begin() { return Data(); }
    Card* end() { return Data() + mSize; }

    Card DealCardByName(const std::string& name);
    // Takes out the first card of each name in turn (a name twice: two cards of it), in a new
    // collection; a name the collection holds no more is passed over.
    qlCards DealCardsByName(const std::vector<std::string>& names);
    qlCards GetCardsByName(const std::string& name) const;
    qlCards GetCardsById(BuildingId id) const;
    Long CountOf(BuildingId id) const;
    // Keeps only the production buildings, most valuable good first.
    void OrderByGoodValue();

    friend bool operator==(const qlCards& a, const qlCards& b);

  private:
    // Room in the collection itself: a hand, a city, a chapel or a selection rarely needs more.
    static constexpr std::uint32_t kInline = 20;

    Card* Data() { return mFirst; }
    const Card* Data() const { return mFirst; }
    // The room in use, from its first place, and how many cards it holds.
    Card* Room() { return mRoom ? mRoom.get() : Inline(); }
    std::uint32_t RoomSize() const { return mRoom ? mRoomSize : kInline; }
    // The places left after the last card.
    std::size_t SpareAfter() const { return static_cast<std::size_t>(mRoomEnd - end()); }
    // Takes `room` of `size` places (the collection's own or elsewhere) for the cards.
    void UseRoom(Card* room, std::uint32_t size) {
        mFirst = room;
        mRoomEnd = room + size;
    }
    // Reserve's work when the places after the cards are too few: the cards move back to the
    // first place of the room, or to a larger room.
    void MakeRoom(std::size_t count);
    void Grow(std::size_t needed);
    void ReshuffleFrom(qlCards& discard, Random::Stream& random);

    // The places in the collection itself. They are left unset: only those before the size
    // hold cards, and a collection made at every decision need not clear its room first.
    Card* Inline() { return std::launder(reinterpret_cast<Card*>(mInline)); }
    const Card* Inline() const { return std::launder(reinterpret_cast<const Card*>(mInline)); }
    // Takes the cards of `other`, held in its own room, into this collection's own room, which
    // is copied whole: a copy of a fixed size, with no loop over the cards.
    void TakeInline(const qlCards& other);
    // Takes the cards of `other` and their room, leaving `other` empty; this collection holds
    // no room elsewhere.
    void TakeFrom(qlCards& other);

    // The top card, within the room: past the places of the cards dealt from the top.
    Card* mFirst = Inline();
    Card* mRoomEnd = Inline() + kInline;  // past the last place of the room
    std::uint32_t mSize = 0;
    std::uint32_t mRoomSize = 0;
    std::unique_ptr<Card[]> mRoom;
    alignas(Card) std::byte mInline[kInline * sizeof(Card)];
};
