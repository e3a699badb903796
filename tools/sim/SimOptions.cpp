#include "SimOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <stdexcept>

#include "core/OptionNumber.h"

const char* const kSimUsage =
    "usage: quellin-sim --players 2|3|4 --games N --seed S [--logs DIR] [--check] "
    "[--catalogue FILE] [--strong SEATS|rotate] [--playouts N] [--expert SEATS|rotate] "
    "[--others standard|strong] [--expert-budget N] [--jobs N] [--record DB] [--help] "
    "[--version]";

namespace {

// Seat numbers separated by commas, each from 1 to 4 and named once: "2" or "1,3".
std::vector<int> ParseSeats(const std::string& option, const std::string& text) {
    std::vector<int> seats;
    std::size_t start = 0;
    do {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const int seat = ParseOptionNumber<int>(option, text.substr(start, comma - start), 1, 4);
        if (std::find(seats.begin(), seats.end(), seat) != seats.end()) {
            throw std::invalid_argument(option + ": seat " + std::to_string(seat) +
                                        " is named twice");
        }
        seats.push_back(seat);
        start = comma + 1;
    } while (start <= text.size());
    return seats;
}

// The command line as the parser leaves it: every value of every option as given, in order,
// and the words that are no option. Each option keeps all its values, so that one given twice
// is told as such rather than the last taken silently.
struct GivenOptions {
    std::map<std::string, std::vector<std::string>> values;
    std::map<std::string, std::int64_t> switches;
    std::vector<std::string> unplaced;

    // The one value of `option`; none when it is absent.
    const std::string* Value(const std::string& option) const {
        const auto found = values.find(option);
        return found == values.end() || found->second.empty() ? nullptr : &found->second.front();
    }
    bool Switch(const std::string& option) const { return switches.at(option) > 0; }
};

GivenOptions ReadCommandLine(const std::vector<std::string>& args) {
    CLI::App app;
    app.set_help_flag();  // --help is one of ours
    app.allow_extras();
    GivenOptions given;
    for (const char* option :
         {"--players", "--games", "--seed", "--logs", "--catalogue", "--strong", "--playouts",
          "--expert", "--others", "--expert-budget", "--jobs", "--record"}) {
        app.add_option(option, given.values[option])->take_all()->allow_extra_args(false);
    }
    for (const char* option : {"--check", "--help", "--version"}) {
        app.add_flag(option, given.switches[option]);
    }
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // as CLI11 takes them
    try {
        app.parse(reversed);
    } catch (const CLI::ArgumentMismatch& error) {
        // "--logs: 1 required TEXT missing": the option is named before the colon.
        const std::string what = error.what();
        throw std::invalid_argument(what.substr(0, what.find(':')) + " needs a value");
    } catch (const CLI::ParseError& error) {
        throw std::invalid_argument(error.what());
    }
    given.unplaced = app.remaining();
    for (const auto& [option, values] : given.values) {
        if (values.size() > 1) {
            throw std::invalid_argument(option + " is given twice");
        }
    }
    for (const auto& [option, count] : given.switches) {
        if (count > 1) {
            throw std::invalid_argument(option + " is given twice");
        }
    }
    if (!given.unplaced.empty()) {
        throw std::invalid_argument("unknown option \"" + given.unplaced.front() + "\"");
    }
    return given;
}

// "rotate", or the seats named, of --strong or --expert.
void ReadSeats(const std::string& option, const std::string& value, std::vector<int>& seats,
               bool& rotate) {
    if (value == "rotate") {
        rotate = true;
    } else if (value.find("rotate") != std::string::npos) {
        throw std::invalid_argument(option + ": \"" + value +
                                    "\" names seats and rotate; give one of them");
    } else {
        seats = ParseSeats(option, value);
    }
}

// What the seats beside the expert's play.
void ReadOthers(const GivenOptions& given, SimOptions& options) {
    const std::string* others = given.Value("--others");
    if (!others) {
        return;
    }
    if (*others != "standard" && *others != "strong") {
        throw std::invalid_argument("--others: \"" + *others + "\" is neither standard nor strong");
    }
    if (!options.HasExperts()) {
        throw std::invalid_argument("--others: names what the seats beside --expert play");
    }
    options.othersStrong = *others == "strong";
}

// Refuses a seat named that the game does not have.
void RequireSeatsInGame(const char* option, const std::vector<int>& seats, int players) {
    for (const int seat : seats) {
        if (seat > players) {
            throw std::invalid_argument(std::string(option) + ": seat " + std::to_string(seat) +
                                        " is not in a game of " + std::to_string(players) +
                                        " players");
        }
    }
}

// The number given to `option`, if it was given, from `least` to `most`.
template <typename Number>
void ReadNumber(const GivenOptions& given, const std::string& option, Number least, Number most,
                Number& into) {
    if (const std::string* value = given.Value(option)) {
        into = ParseOptionNumber<Number>(option, *value, least, most);
    }
}

}  // namespace

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
    const GivenOptions given = ReadCommandLine(args);
    SimOptions options;
    options.check = given.Switch("--check");
    options.help = given.Switch("--help");
    options.version = given.Switch("--version");
    ReadNumber(given, "--players", 2, 4, options.players);
    ReadNumber(given, "--games", 1L, 10000000L, options.games);
    ReadNumber(given, "--seed", std::uint64_t{0}, UINT64_MAX, options.seed);
    ReadNumber(given, "--playouts", 1, 100000, options.playouts);
    ReadNumber(given, "--expert-budget", 1, 1000000, options.expertBudget);
    ReadNumber(given, "--jobs", 1, 256, options.jobs);
    if (const std::string* logs = given.Value("--logs")) {
        options.logs = *logs;
    }
    if (const std::string* record = given.Value("--record")) {
        options.record = *record;
    }
    if (const std::string* catalogue = given.Value("--catalogue")) {
        options.catalogue = *catalogue;
    }
    if (const std::string* strong = given.Value("--strong")) {
        ReadSeats("--strong", *strong, options.strongSeats, options.strongRotate);
    }
    if (const std::string* expert = given.Value("--expert")) {
        if (given.Value("--strong")) {
            throw std::invalid_argument(
                "--strong: not beside --expert; --others strong makes the other seats strong");
        }
        ReadSeats("--expert", *expert, options.expertSeats, options.expertRotate);
    }
    ReadOthers(given, options);
    if (options.help || options.version) {
        return options;
    }
    for (const char* required : {"--players", "--games", "--seed"}) {
        if (!given.Value(required)) {
            throw std::invalid_argument(std::string("missing ") + required);
        }
    }
    RequireSeatsInGame("--strong", options.strongSeats, options.players);
    RequireSeatsInGame("--expert", options.expertSeats, options.players);
    if (options.expertSeats.size() == static_cast<std::size_t>(options.players) &&
        options.othersStrong) {
        throw std::invalid_argument("--others: every seat is an expert seat");
    }
    return options;
}

std::vector<int> SimOptions::ExpertSeatsOf(long n) const {
    if (expertRotate) {
        return {static_cast<int>(n % players) + 1};
    }
    return expertSeats;
}

std::vector<int> SimOptions::StrongSeatsOf(long n) const {
    if (othersStrong) {
        const std::vector<int> experts = ExpertSeatsOf(n);
        std::vector<int> others;
        for (int seat = 1; seat <= players; ++seat) {
            if (std::find(experts.begin(), experts.end(), seat) == experts.end()) {
                others.push_back(seat);
            }
        }
        return others;
    }
    if (strongRotate) {
        return {static_cast<int>(n % players) + 1};
    }
    return strongSeats;
}
