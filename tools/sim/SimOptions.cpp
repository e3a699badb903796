#include "SimOptions.h"

#include <charconv>
#include <stdexcept>

const char* const kSimUsage =
    "usage: quellin-sim --players 2|3|4 --games N --seed S [--logs DIR] [--check] "
    "[--catalogue FILE]";

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

}  // namespace

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
    SimOptions options;
    bool hasPlayers = false;
    bool hasGames = false;
    bool hasSeed = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--check") {
            options.check = true;
            continue;
        }
        if (option != "--players" && option != "--games" && option != "--seed" &&
            option != "--logs" && option != "--catalogue") {
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
            options.games = ParseNumber<long>(option, value, 1, 1000000000L);
            hasGames = true;
        } else if (option == "--seed") {
            options.seed = ParseNumber<std::uint64_t>(option, value, 0, UINT64_MAX);
            hasSeed = true;
        } else if (option == "--logs") {
            options.logs = value;
        } else {
            options.catalogue = value;
        }
    }
    if (!hasPlayers || !hasGames || !hasSeed) {
        throw std::invalid_argument(std::string("missing ") + (!hasPlayers ? "--players"
                                                               : !hasGames ? "--games"
                                                                           : "--seed"));
    }
    return options;
}
