// Where collections are made. Most collections live for one decision of a computer seat, and
// making each afresh (the collection, its room for cards and its count of owners) was an eighth
// of a game's work; so a collection nobody holds any more waits on its thread's shelf, with its
// room for cards kept, until the next one is wanted.

#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

#include "cards/qlCards.h"

namespace {

// Set when this thread's shelves are gone: what is let go after that is freed at once.
thread_local constinit bool tShelvesClosed = false;

// Things of one kind let go on this thread, kept for the next request. `Kind` says how one is
// made and freed.
template <typename Kind>
class Shelf {
  public:
    using Item = typename Kind::Item;

    Shelf() = default;
    Shelf(const Shelf&) = delete;
    Shelf& operator=(const Shelf&) = delete;
    ~Shelf() {
        tShelvesClosed = true;
        for (Item* item : mItems) {
            Kind::Free(item);
        }
    }

    static Item* Take() {
        if (!tShelvesClosed) {
            std::vector<Item*>& items = Mine().mItems;
            if (!items.empty()) {
                Item* item = items.back();
                items.pop_back();
                return item;
            }
        }
        return Kind::Make();
    }

    static void Give(Item* item) noexcept {
        if (!tShelvesClosed) {
            std::vector<Item*>& items = Mine().mItems;
            if (items.size() < items.capacity() || Grow(items)) {
                items.push_back(item);
                return;
            }
        }
        Kind::Free(item);
    }

  private:
    static constexpr std::size_t kKept = 512;

    static Shelf& Mine() {
        thread_local Shelf shelf;
        return shelf;
    }
    // Room for the most the shelf keeps, made once; false when full or out of memory.
    static bool Grow(std::vector<Item*>& items) noexcept {
        if (items.capacity() >= kKept) {
            return false;
        }
        try {
            items.reserve(kKept);
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }

    std::vector<Item*> mItems;
};

// Raw blocks of one size: the shared counts of collections.
template <std::size_t Size>
struct Blocks {
    using Item = void;
    static void* Make() { return ::operator new(Size); }
    static void Free(void* block) noexcept { ::operator delete(block); }
};

// Whole collections, empty.
struct Collections {
    using Item = qlCards;
    static qlCards* Make() { return new qlCards; }
    static void Free(qlCards* deck) noexcept { delete deck; }
};

// Hands out the block of a collection's shared count from the shelf.
template <typename T>
struct ShelfAllocator {
    using value_type = T;
    static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
    using BlockShelf = Shelf<Blocks<sizeof(T)>>;

    ShelfAllocator() = default;
    template <typename U>
    explicit ShelfAllocator(const ShelfAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n != 1) {
            return static_cast<T*>(::operator new(n * sizeof(T)));
        }
        return static_cast<T*>(BlockShelf::Take());
    }
    void deallocate(T* block, std::size_t n) noexcept {
        if (n != 1) {
            ::operator delete(block);
        } else {
            BlockShelf::Give(block);
        }
    }
    template <typename U>
    bool operator==(const ShelfAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace

void qlCards::Forget() noexcept {
    const DeckRef discard = std::move(mDiscardDeck);  // let go last: it may come back here
    mCol.clear();
    if (mCol.capacity() > kRoomKept) {
        std::vector<Card>().swap(mCol);
    }
    mKeys.clear();
    DeckSizeChanged.Clear();
}

DeckRef NewDeck(Long capacity) {
    DeckRef deck(
        Shelf<Collections>::Take(),
        [](qlCards* done) noexcept {
            done->Forget();
            Shelf<Collections>::Give(done);
        },
        ShelfAllocator<qlCards>{});
    deck->mCol.reserve(static_cast<std::size_t>(std::max<Long>(capacity, 0)));
    return deck;
}
