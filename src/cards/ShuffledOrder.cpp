#include "cards/ShuffledOrder.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <memory_resource>
#include <numeric>
#include <vector>

#include "core/Random.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using Order = std::pmr::vector<std::uint32_t>;

// Up to this many cards, closing the gap after every draw is the quickest way to take them.
constexpr std::size_t kGapClosingLimit = 1024;

// Room past the last place, read while a gap is closed sixteen bytes at a time.
constexpr std::size_t kSlack = 16;

// Moves the `tail` places after `at` one place down, over it.
template <typename Place>
void CloseGap(Place* at, std::size_t tail) {
#if defined(__SSE2__)
    if constexpr (sizeof(Place) == 1) {
        // Each step reads sixteen bytes one place on from those it writes, and never reads a
        // byte an earlier step wrote: the bytes moved past the tail land in places not in use.
        for (std::size_t k = 0; k < tail; k += kSlack) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(at + k),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + k + 1)));
        }
        return;
    }
#endif
    std::memmove(at, at + 1, tail * sizeof(Place));
}

// Takes the ranks[d]-th of the entries not taken yet into order[d], for every draw d, closing
// the gap each time in `left`, the places of the entries not taken yet. A place is held in the
// smallest type that holds them all, so that closing a gap moves as few bytes as it can.
template <typename Place>
void TakeByClosingGaps(std::span<std::uint32_t> order, const Order& ranks) {
    std::array<Place, kGapClosingLimit + kSlack> room;
    const std::span<Place> left(room.data(), order.size());
    std::iota(left.begin(), left.end(), Place{0});
    std::array<std::uint32_t, kGapClosingLimit> before;
    std::copy(order.begin(), order.end(), before.begin());
    std::size_t remaining = order.size();
    for (std::size_t d = 0; d < ranks.size(); ++d) {
        Place* const at = left.data() + ranks[d];
        order[d] = before[*at];
        const std::size_t tail = --remaining - ranks[d];
        // Bytes are moved as far as any tail of the pass could reach: the same count, draw
        // after draw, keeps the end of the move foreseen, which is quicker than moving less.
        CloseGap(at, sizeof(Place) == 1 ? remaining : tail);
    }
}

// The same draws for a large deck: the entries not taken yet are counted in a Fenwick tree,
// so each is found in log n steps.
void TakeByCountingTree(std::span<std::uint32_t> order, const Order& ranks, Order& before,
                        Order& left) {
    const std::size_t n = order.size();
    const std::size_t top = std::bit_floor(n);
    before.assign(order.begin(), order.end());
    left.resize(n + 1);
    for (std::size_t i = 1; i <= n; ++i) {
        left[i] = static_cast<std::uint32_t>(i & (~i + 1));
    }
    for (std::size_t d = 0; d < n; ++d) {
        std::uint32_t rank = ranks[d];
        std::size_t position = 0;
        for (std::size_t step = top; step > 0; step /= 2) {
            if (position + step <= n && left[position + step] <= rank) {
                position += step;
                rank -= left[position];
            }
        }
        order[d] = before[position];
        for (std::size_t i = position + 1; i <= n; i += i & (~i + 1)) {
            --left[i];
        }
    }
}

}  // namespace

void ShuffledOrder(std::span<std::uint32_t> order, Random::Stream& random) {
    const std::size_t count = order.size();
    // Room for the draws of a deck of up to the gap-closing limit; a larger deck takes its
    // room, and its counting tree's, from the heap.
    std::array<std::byte, kGapClosingLimit * sizeof(std::uint32_t) + 64> room;
    std::pmr::monotonic_buffer_resource memory(room.data(), room.size());
    Order ranks(count, &memory);
    Order left(&memory);
    Order before(&memory);
    std::iota(order.begin(), order.end(), 0u);
    for (int pass = 0; pass < 3; ++pass) {
        random.NextRanks(ranks);
        if (count <= 256) {
            TakeByClosingGaps<std::uint8_t>(order, ranks);
        } else if (count <= kGapClosingLimit) {
            TakeByClosingGaps<std::uint16_t>(order, ranks);
        } else {
            TakeByCountingTree(order, ranks, before, left);
        }
    }
}
