#include "cards/ShuffledOrder.h"

#include <bit>
#include <numeric>
#include <utility>

#include "core/Random.h"

namespace {

using Order = std::vector<std::uint32_t>;

// Up to this many cards, closing the gap after every draw is the quickest way to take them.
constexpr std::size_t kGapClosingLimit = 1024;

// Takes the ranks[d]-th of the entries not taken yet, for every draw d, closing the gap in a
// copy of the order each time.
void TakeByClosingGaps(const Order& order, const Order& ranks, Order& taken) {
    Order left = order;
    for (std::size_t d = 0; d < ranks.size(); ++d) {
        const auto at = left.begin() + ranks[d];
        taken[d] = *at;
        left.erase(at);
    }
}

// The same draws for a large deck: the entries not taken yet are counted in a Fenwick tree,
// so each is found in log n steps.
void TakeByCountingTree(const Order& order, const Order& ranks, Order& taken) {
    const std::size_t n = order.size();
    const std::size_t top = std::bit_floor(n);
    Order left(n + 1);
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
        taken[d] = order[position];
        for (std::size_t i = position + 1; i <= n; i += i & (~i + 1)) {
            --left[i];
        }
    }
}

}  // namespace

std::vector<std::uint32_t> ShuffledOrder(std::size_t count, Random::Stream& random) {
    Order order(count);
    std::iota(order.begin(), order.end(), 0u);
    Order ranks(count);
    Order taken(count);
    for (int pass = 0; pass < 3; ++pass) {
        random.NextRanks(ranks);
        if (count <= kGapClosingLimit) {
            TakeByClosingGaps(order, ranks, taken);
        } else {
            TakeByCountingTree(order, ranks, taken);
        }
        std::swap(order, taken);
    }
    return order;
}
