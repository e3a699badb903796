#include "record/GameRecord.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <ctime>

int GameRecord::Margin() const {
    int best = INT_MIN;
    for (int n = 1; n <= Players(); ++n) {
        if (n != humanSeat) {
            best = std::max(best, seats[static_cast<std::size_t>(n - 1)].points);
        }
    }
    return best == INT_MIN ? 0 : HumanPoints() - best;
}

std::string UtcText(long long seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

std::string UtcNow() {
    return UtcText(std::chrono::duration_cast<std::chrono::seconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count());
}

const char* ProgramVersion() {
    return QUELLIN_VERSION;
}
