#include "AppOptions.h"

#include <stdexcept>

#include "core/CommandLine.h"

const char* const kAppHelp =
    "usage: quellin [--seed S] [--players 2|3|4] [--seat 1-4] [--computer standard|strong]\n"
    "               [--start] [--help] [--version]\n"
    "  --seed S      play the game of seed S (the seed of every game is in the window title\n"
    "                and in Seed.txt beside the logs)\n"
    "  --players N   preselect the number of players in the start dialog\n"
    "  --seat N      preselect your seat\n"
    "  --computer C  preselect how the computer plays: standard or strong\n"
    "  --start       start the game at once with these choices, without the start dialog\n"
    "  --help        print this text\n"
    "  --version     print the version\n";

AppOptions ParseAppOptions(const std::vector<std::string>& args) {
    AppOptions options;
    OptionReader reader(args, {"--start", "--help", "--version"},
                        {"--seed", "--players", "--seat", "--computer"});
    while (reader.Next()) {
        const std::string& option = reader.Option();
        const std::string& value = reader.Value();
        if (option == "--start") {
            options.start = true;
        } else if (option == "--help") {
            options.help = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--seed") {
            options.seed = ParseOptionNumber<std::uint64_t>(option, value, 0, UINT64_MAX);
        } else if (option == "--players") {
            options.players = ParseOptionNumber<int>(option, value, 2, 4);
        } else if (option == "--seat") {
            options.seat = ParseOptionNumber<int>(option, value, 1, 4);
        } else if (value == "standard" || value == "strong") {
            options.strong = value == "strong";
        } else {
            throw std::invalid_argument("--computer: \"" + value +
                                        "\" is neither standard nor strong");
        }
    }
    if (options.seat && options.players && *options.seat > *options.players) {
        throw std::invalid_argument("--seat: seat " + std::to_string(*options.seat) +
                                    " is not in a game of " + std::to_string(*options.players) +
                                    " players");
    }
    return options;
}

std::string ReplayCommand(std::uint64_t seed, int players, int seat, bool strong) {
    return "quellin --seed " + std::to_string(seed) + " --players " + std::to_string(players) +
           " --seat " + std::to_string(seat) + " --computer " + (strong ? "strong" : "standard");
}
