#include "cards/qlCards.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory_resource>
#include <span>
#include <vector>

#include "cards/Catalogue.h"
#include "cards/ShuffledOrder.h"
#include "core/Random.h"

qlCards::qlCards(std::initializer_list<Card> cards) {
    Reserve(cards.size());
    std::copy(cards.begin(), cards.end(), Data());
    mSize = static_cast<std::uint32_t>(cards.size());
}

qlCards::qlCards(const qlCards& other) {
    if (!other.mRoom) {
        TakeInline(other);
        return;
    }
    mRoom = std::make_unique_for_overwrite<Card[]>(other.mRoomSize);
    mRoomSize = other.mRoomSize;
    UseRoom(mRoom.get(), mRoomSize);
    std::copy(other.begin(), other.end(), Data());
    mSize = other.mSize;
}

qlCards& qlCards::operator=(const qlCards& other) {
    if (this == &other) {
        return *this;
    }
    if (!mRoom && !other.mRoom) {
        TakeInline(other);
        return *this;
    }
    Clear();
    Reserve(other.mRoom ? other.mRoomSize : other.mSize);
    std::copy(other.begin(), other.end(), Data());
    mSize = other.mSize;
    return *this;
}

qlCards::qlCards(qlCards&& other) noexcept {
    TakeFrom(other);
}

qlCards& qlCards::operator=(qlCards&& other) noexcept {
    if (this != &other) {
        mRoom.reset();
        mRoomSize = 0;
        TakeFrom(other);
    }
    return *this;
}

void qlCards::TakeFrom(qlCards& other) {
    if (other.mRoom) {
        mSize = other.mSize;
        mRoomSize = other.mRoomSize;
        mRoom = std::move(other.mRoom);
        mFirst = other.mFirst;
        mRoomEnd = other.mRoomEnd;
    } else {
        TakeInline(other);
    }
    other.mSize = 0;
    other.mRoomSize = 0;
    other.UseRoom(other.Inline(), kInline);
}

void qlCards::TakeInline(const qlCards& other) {
    std::memcpy(mInline, other.mInline, sizeof mInline);
    mFirst = Inline() + (other.mFirst - other.Inline());
    mRoomEnd = Inline() + kInline;
    mSize = other.mSize;
}

void qlCards::MakeRoom(std::size_t count) {
    if (count > RoomSize()) {
        Grow(count);
        return;
    }
    // The room holds them once the cards move back to its first place.
    Card* const room = Room();
    std::copy(begin(), end(), room);
    mFirst = room;
}

void qlCards::Grow(std::size_t needed) {
    const auto size = static_cast<std::uint32_t>(std::max<std::size_t>(needed, 2 * RoomSize()));
    auto room = std::make_unique_for_overwrite<Card[]>(size);
    std::copy(begin(), end(), room.get());
    mRoom = std::move(room);
    mRoomSize = size;
    UseRoom(mRoom.get(), size);
}

qlCards qlCards::Deal(int numberOfCards, qlCards& discard, Random::Stream& random) {
    qlCards result;
    result.Reserve(static_cast<std::size_t>(std::max(numberOfCards, 0)));
    for (int owed = numberOfCards; owed > 0;) {
        if (mSize == 0) {
            // Every card still owed refills afresh, and each refill reshuffles (and so
            // reseeds) even when the discard pile has nothing to give.
            ReshuffleFrom(discard, random);
            if (mSize == 0) {
                --owed;
                continue;
            }
        }
        // As many as the pile holds, taken from the top at once.
        const auto taken = std::min(static_cast<std::uint32_t>(owed), mSize);
        std::copy(begin(), begin() + taken, result.Data() + result.mSize);
        result.mSize += taken;
        mFirst += taken;
        mSize -= taken;
        owed -= static_cast<int>(taken);
    }
    return result;
}

Card qlCards::DealCard(qlCards& discard, Random::Stream& random) {
    if (mSize == 0) {
        ReshuffleFrom(discard, random);
        if (mSize == 0) {
            return {};
        }
    }
    const Card top = *mFirst;
    ++mFirst;
    --mSize;
    return top;
}

void qlCards::ReshuffleFrom(qlCards& discard, Random::Stream& random) {
    if (&discard == this) {
        return;
    }
    AddCards(discard);
    Shuffle(random);
    discard.Clear();
}

void qlCards::Shuffle(Random::Stream& random) {
    random.Reseed();
    // The order and the cards as they stood, in room on the stack for a deck of the usual size.
    constexpr std::size_t kOnStack = 512;
    std::array<std::byte, kOnStack*(sizeof(std::uint32_t) + sizeof(Card)) + 64> room;
    std::pmr::monotonic_buffer_resource memory(room.data(), room.size());
    std::pmr::vector<std::uint32_t> order(mSize, &memory);
    ShuffledOrder(order, random);
    const std::pmr::vector<Card> before(begin(), end(), &memory);
    Card* cards = Data();
    for (std::size_t i = 0; i < order.size(); ++i) {
        cards[i] = before[order[i]];
    }
}

void qlCards::Reset(Random::Stream& random) {
    LoadCatalogue(CatalogueFile(), random);
}

void qlCards::LoadCatalogue(const std::filesystem::path& file, Random::Stream& random) {
    LoadCatalogue(LoadCatalogueEntries(file), random);
}

void qlCards::LoadCatalogue(std::shared_ptr<const std::vector<CatalogueEntry>> entries,
                            Random::Stream& random) {
    // The cards of the catalogue this thread loaded last: the games of a run load the same one.
    thread_local std::shared_ptr<const std::vector<CatalogueEntry>> lastEntries;
    thread_local std::span<const Card> lastCards;
    if (entries != lastEntries) {
        std::vector<const Building*> buildings;
        for (const CatalogueEntry& entry : *entries) {
            buildings.insert(buildings.end(), static_cast<std::size_t>(entry.number),
                             entry.building);
        }
        lastCards = Card::OfCatalogue(buildings);
        lastEntries = entries;
    }
    const std::span<const Card> cards = lastCards;
    Clear();
    Reserve(cards.size());
    std::copy(cards.begin(), cards.end(), Data());
    mSize = static_cast<std::uint32_t>(cards.size());
    Shuffle(random);
}

void qlCards::AddCards(const qlCards& cards) {
    // Counted first: the collection may be this very one.
    const std::uint32_t count = cards.mSize;
    Reserve(mSize + count);
    std::copy(cards.Data(), cards.Data() + count, Data() + mSize);
    mSize += count;
}

Card qlCards::Item(Long position) const {
    if (position < 1 || position > Count()) {
        return {};
    }
    return Data()[position - 1];
}

void qlCards::MoveUp(Long from, Long to) {
    if (to < 1 || to >= from || from > Count()) {
        return;
    }
    std::rotate(begin() + (to - 1), begin() + (from - 1), begin() + from);
}

void qlCards::Remove(Long position) {
    if (position < 1 || position > Count()) {
        return;
    }
    std::copy(begin() + position, end(), begin() + (position - 1));
    --mSize;
}

void qlCards::RemoveCard(Card card) {
    const auto it = std::find(begin(), end(), card);
    if (it != end()) {
        Remove(static_cast<Long>(it - begin()) + 1);
    }
}

void qlCards::RemoveCards(const qlCards& cards) {
    if (&cards == this) {
        Clear();
        return;
    }
    for (const Card card : cards) {
        RemoveCard(card);
    }
}

bool qlCards::Contains(Card card) const {
    return std::find(begin(), end(), card) != end();
}

bool qlCards::ContainsId(BuildingId id) const {
    return std::any_of(begin(), end(), [id](Card card) { return card->Id() == id; });
}

Card qlCards::DealCardByName(const std::string& name) {
    const BuildingId id = buildings::FindId(name);
    const auto it = std::find_if(begin(), end(), [id](Card card) { return card->Id() == id; });
    if (it == end()) {
        return {};
    }
    const Card found = *it;
    Remove(static_cast<Long>(it - begin()) + 1);
    return found;
}

qlCards qlCards::DealCardsByName(const std::vector<std::string>& names) {
    qlCards taken;
    taken.Reserve(names.size());
    for (const std::string& name : names) {
        if (const Card card = DealCardByName(name)) {
            taken.AddCard(card);
        }
    }
    return taken;
}

qlCards qlCards::GetCardsByName(const std::string& name) const {
    return GetCardsById(buildings::FindId(name));
}

Long qlCards::CountOf(BuildingId id) const {
    return static_cast<Long>(
        std::count_if(begin(), end(), [id](Card card) { return card->Id() == id; }));
}

qlCards qlCards::GetCardsById(BuildingId id) const {
    qlCards result;
    for (const Card card : *this) {
        if (card->Id() == id) {
            result.AddCard(card);
        }
    }
    return result;
}

void qlCards::OrderByGoodValue() {
    // Production buildings only, the dearest good first; equal goods keep their order. The
    // goods' buildings are the first ids, the dearest last: each kept card goes in after the
    // last kept one whose id is as high.
    static_assert(buildings::Id("Indigo Plant") == 0 && buildings::Id("Sugar Mill") == 1 &&
                  buildings::Id("Tobacco Storage") == 2 && buildings::Id("Coffee Roaster") == 3 &&
                  buildings::Id("Silver Smelter") == 4);
    Card* const cards = Data();
    std::uint32_t kept = 0;
    for (std::uint32_t i = 0; i < mSize; ++i) {
        const Card card = cards[i];
        const BuildingId id = card->Id();
        if (id > buildings::Id("Silver Smelter")) {
            continue;
        }
        std::uint32_t at = kept;
        for (; at > 0 && cards[at - 1]->Id() < id; --at) {
            cards[at] = cards[at - 1];
        }
        cards[at] = card;
        ++kept;
    }
    mSize = kept;
}

bool operator==(const qlCards& a, const qlCards& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}
