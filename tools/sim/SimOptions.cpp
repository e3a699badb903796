#include "SimOptions.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <stdexcept>

const char* const kSimUsage =
    "usage: quellin-sim --players 2|3|4 --games N --seed S [--logs DIR] [--check] "
    "[--catalogue FILE] [--strong SEATS|rotate] [--playouts N] [--jobs N]";

namespace {

template <typename Number>
Number ParseNumber(const std::string& option, const std::string& text, Number least, Number most) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end || value < least || value > most) {
        throw std::invalid_argument(option + ": \"" + text + "\" is not a number from " +
                                    std::to_string(least) + " to " + std::to_string(most));
    }
    return value;
}

// Seat numbers separated by commas, each from 1 to 4 and named once: "2" or "1,3".
std::vector<int> ParseSeats(const std::string& text) {
    std::vector<int> seats;
    std::size_t start = 0;
    do {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const int seat = ParseNumber<int>("--strong", text.substr(start, comma - start), 1, 4);
        if (std::find(seats.begin(), seats.end(), seat) != seats.end()) {
            throw std::invalid_argument("--strong: seat " + std::to_string(seat) +
                                        " is named twice");
        }
        seats.push_back(seat);
        start = comma + 1;
    } while (start <= text.size());
    return seats;
}

}  // namespace

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
    SimOptions options;
    std::set<std::string> given;
    bool hasPlayers = false;
    bool hasGames = false;
    bool hasSeed = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (!given.insert(option).second) {
            throw std::invalid_argument(option + " is given twice");
        }
        if (option == "--check") {
            options.check = true;
            continue;
        }
        if (option != "--players" && option != "--games" && option != "--seed" &&
            option != "--logs" && option != "--catalogue" && option != "--strong" &&
            option != "--playouts" && option != "--jobs") {
            throw std::invalid_argument("unknown option \"" + option + "\"");
        }
        if (i + 1 >= args.size()) {
            throw std::invalid_argument(option + " needs a value");
        }
        const std::string& value = args[++i];
        if (option == "--players") {
            options.players = ParseNumber<int>(option, value, 2, 4);
            hasPlayers = true;
        } else if (option == "--games") {
            options.games = ParseNumber<long>(option, value, 1, 10000000L);
            hasGames = true;
        } else if (option == "--seed") {
            options.seed = ParseNumber<std::uint64_t>(option, value, 0, UINT64_MAX);
            hasSeed = true;
        } else if (option == "--logs") {
            options.logs = value;
        } else if (option == "--catalogue") {
            options.catalogue = value;
        } else if (option == "--playouts") {
            options.playouts = ParseNumber<int>(option, value, 1, 100000);
        } else if (option == "--jobs") {
            options.jobs = ParseNumber<int>(option, value, 1, 256);
        } else if (value == "rotate") {
            options.strongRotate = true;
        } else if (value.find("rotate") != std::string::npos) {
            throw std::invalid_argument("--strong: \"" + value +
                                        "\" names seats and rotate; give one of them");
        } else {
            options.strongSeats = ParseSeats(value);
        }
    }
    if (!hasPlayers || !hasGames || !hasSeed) {
        throw std::invalid_argument(std::string("missing ") + (!hasPlayers ? "--players"
                                                               : !hasGames ? "--games"
                                                                           : "--seed"));
    }
    for (const int seat : options.strongSeats) {
        if (seat > options.players) {
            throw std::invalid_argument("--strong: seat " + std::to_string(seat) +
                                        " is not in a game of " + std::to_string(options.players) +
                                        " players");
        }
    }
    return options;
}

std::vector<int> SimOptions::StrongSeatsOf(long n) const {
    if (strongRotate) {
        return {static_cast<int>(n % players) + 1};
    }
    return strongSeats;
}
