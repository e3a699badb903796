#include "core/Random.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <utility>

namespace Random {

SeedSource TimeOfDaySource() {
    return [] {
        using namespace std::chrono;
        const auto now = system_clock::now();
        const std::time_t t = system_clock::to_time_t(now);
        std::tm local{};
        localtime_r(&t, &local);
        const auto sinceEpoch = duration_cast<microseconds>(now.time_since_epoch()).count();
        const std::uint64_t secondsToday =
            static_cast<std::uint64_t>(local.tm_hour) * 3600 + local.tm_min * 60 + local.tm_sec;
        return secondsToday * 1000000 + static_cast<std::uint64_t>(sinceEpoch % 1000000);
    };
}

SeedSource SeededSource(std::uint64_t gameSeed) {
    return [gameSeed, k = std::uint64_t{0}]() mutable { return gameSeed * 1000003 + k++; };
}

namespace {

std::uint64_t SplitMix64(std::uint64_t& state) {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double ToUnit(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

// r * count is never negative, so dropping the fraction is its floor.
int ToIndex(double r, int count) {
    return static_cast<int>(r * count);
}

}  // namespace

double Stream::Next() {
    return ToUnit(SplitMix64(mState));
}

float Stream::NextSingle() {
    const float r = static_cast<float>(Next());
    return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

int Stream::NextIndex(int count) {
    return count <= 0 ? 0 : ToIndex(Next(), count);
}

void Stream::NextRanks(std::span<std::uint32_t> ranks) {
    std::uint64_t local = mState;
    const std::size_t count = ranks.size();
    for (std::size_t i = 0; i < count; ++i) {
        ranks[i] = static_cast<std::uint32_t>(
            ToIndex(ToUnit(SplitMix64(local)), static_cast<int>(count - i)));
    }
    mState = local;
}

std::uint64_t Generator::NextBits() {
    return SplitMix64(mState);
}

int Generator::NextIndex(int count) {
    return count <= 0 ? 0 : ToIndex(ToUnit(NextBits()), count);
}

}  // namespace Random
