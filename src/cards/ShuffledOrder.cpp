#include "cards/ShuffledOrder.h"

#include <array>
#include <bit>
#include <cstddef>
#include <memory_resource>
#include <numeric>
#include <vector>

#include "core/Random.h"

namespace {

using Order = std::pmr::vector<std::uint32_t>;

// Up to this many cards, closing the gap after every draw is the quickest way to take them.
constexpr std::size_t kGapClosingLimit = 1024;

// Takes the ranks[d]-th of the entries not taken yet into order[d], for every draw d, closing
// the gap in `left`, a copy of the order, each time.
void TakeByClosingGaps(std::span<std::uint32_t> order, const Order& ranks, Order& left) {
    left.assign(order.begin(), order.end());
    for (std::size_t d = 0; d < ranks.size(); ++d) {
        const auto at = left.begin() + ranks[d];
        order[d] = *at;
        left.erase(at);
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
    // Room for the draws and a working copy of a deck of up to the gap-closing limit; a larger
    // deck takes its room from the heap.
    std::array<std::byte, 2 * kGapClosingLimit * sizeof(std::uint32_t) + 64> room;
    std::pmr::monotonic_buffer_resource memory(room.data(), room.size());
    Order ranks(count, &memory);
    Order left(&memory);
    Order before(&memory);
    std::iota(order.begin(), order.end(), 0u);
    for (int pass = 0; pass < 3; ++pass) {
        random.NextRanks(ranks);
        if (count <= kGapClosingLimit) {
            TakeByClosingGaps(order, ranks, left);
        } else {
            TakeByCountingTree(order, ranks, before, left);
        }
    }
}
