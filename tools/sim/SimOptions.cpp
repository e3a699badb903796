#include "SimOptions.h"

#include <algorithm>
#include <stdexcept>

#include "core/CommandLine.h"

const char* const kSimUsage =
    "usage: quellin-sim --players 2|3|4 --games N --seed S [--logs DIR] [--check] "
    "[--catalogue FILE] [--strong SEATS|rotate] [--playouts N] [--jobs N]";

namespace {

// Seat numbers separated by commas, each from 1 to 4 and named once: "2" or "1,3".
std::vector<int> ParseSeats(const std::string& text) {
    std::vector<int> seats;
    std::size_t start = 0;
    do {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const int seat =
            ParseOptionNumber<int>("--strong", text.substr(start, comma - start), 1, 4);
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
    bool hasPlayers = false;
    bool hasGames = false;
    bool hasSeed = false;
    OptionReader reader(args, {"--check"},
                        {"--players", "--games", "--seed", "--logs", "--catalogue", "--strong",
                         "--playouts", "--jobs"});
    while (reader.Next()) {
        const std::string& option = reader.Option();
        const std::string& value = reader.Value();
        if (option == "--check") {
            options.check = true;
        } else if (option == "--players") {
            options.players = ParseOptionNumber<int>(option, value, 2, 4);
            hasPlayers = true;
        } else if (option == "--games") {
            options.games = ParseOptionNumber<long>(option, value, 1, 10000000L);
            hasGames = true;
        } else if (option == "--seed") {
            options.seed = ParseOptionNumber<std::uint64_t>(option, value, 0, UINT64_MAX);
            hasSeed = true;
        } else if (option == "--logs") {
            options.logs = value;
        } else if (option == "--catalogue") {
            options.catalogue = value;
        } else if (option == "--playouts") {
            options.playouts = ParseOptionNumber<int>(option, value, 1, 100000);
        } else if (option == "--jobs") {
            options.jobs = ParseOptionNumber<int>(option, value, 1, 256);
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
