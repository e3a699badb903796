#include "AppOptions.h"

#include <QCommandLineParser>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <stdexcept>

#include "core/OptionNumber.h"

const char* const kAppHelp =
    "usage: quellin [--seed S] [--players 2|3|4] [--seat 1-4]\n"
    "               [--computer standard|strong|expert] [--start] [--resume]\n"
    "               [--help] [--version]\n"
    "  --seed S      play the game of seed S (the seed of every game is in the window title\n"
    "                and in Seed.txt beside the logs)\n"
    "  --players N   preselect the number of players in the start dialog\n"
    "  --seat N      preselect your seat\n"
    "  --computer C  preselect how the computer plays: standard, strong or expert\n"
    "  --start       start the game at once with these choices, without the start dialog\n"
    "  --resume      take up the game left unfinished, without the start dialog\n"
    "  --help        print this text\n"
    "  --version     print the version\n";

namespace {

const QStringList kSwitches{"start", "resume", "help", "version"};
const QStringList kValued{"seed", "players", "seat", "computer"};

// The argument the parser could not place: the first that is no option of the game, as typed
// (without a value joined to it by "=").
std::string UnplacedArgument(const QStringList& args) {
    for (const QString& arg : args) {
        const QString name = arg.section('=', 0, 0);
        const bool known = name.startsWith("--") &&
                           (kSwitches.contains(name.mid(2)) || kValued.contains(name.mid(2)));
        if (!known) {
            return name.toStdString();
        }
    }
    return {};
}

// The parser's refusal of `args` (with the program's name first) in one line.
std::string Refusal(const QCommandLineParser& parser, const QStringList& args) {
    if (!parser.unknownOptionNames().isEmpty()) {
        return "unknown option \"" + UnplacedArgument(args.mid(1)) + "\"";
    }
    const QString last = args.last();
    if (last.startsWith("--") && kValued.contains(last.mid(2))) {
        return last.toStdString() + " needs a value";
    }
    return parser.errorText().toStdString();
}

void ReadValues(const QCommandLineParser& parser, AppOptions& options) {
    const auto value = [&](const char* name) { return parser.value(name).toStdString(); };
    if (parser.isSet("seed")) {
        options.seed = ParseOptionNumber<std::uint64_t>("--seed", value("seed"), 0, UINT64_MAX);
    }
    if (parser.isSet("players")) {
        options.players = ParseOptionNumber<int>("--players", value("players"), 2, 4);
    }
    if (parser.isSet("seat")) {
        options.seat = ParseOptionNumber<int>("--seat", value("seat"), 1, 4);
    }
    if (parser.isSet("computer")) {
        const std::string computer = value("computer");
        options.computers = LevelNamed(computer);
        if (!options.computers) {
            throw std::invalid_argument("--computer: " + NoLevel(computer));
        }
    }
    options.start = parser.isSet("start");
    options.resume = parser.isSet("resume");
    options.help = parser.isSet("help");
    options.version = parser.isSet("version");
}

// A game taken up keeps the choices it was started with.
void RefuseChoicesBesideResume(const QCommandLineParser& parser) {
    if (!parser.isSet("resume")) {
        return;
    }
    for (const char* choice : {"seed", "players", "seat", "computer", "start"}) {
        if (parser.isSet(choice)) {
            throw std::invalid_argument(std::string("--resume goes on with the game's own choices; "
                                                    "--") +
                                        choice + " cannot be given with it");
        }
    }
}

}  // namespace

AppOptions ParseAppOptions(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    for (const QString& name : kSwitches) {
        parser.addOption(QCommandLineOption(name));
    }
    for (const QString& name : kValued) {
        parser.addOption(QCommandLineOption(name, {}, name));
    }
    QStringList words{"quellin"};
    for (const std::string& arg : args) {
        words << QString::fromStdString(arg);
    }
    if (!parser.parse(words)) {
        throw std::invalid_argument(Refusal(parser, words));
    }
    if (!parser.positionalArguments().isEmpty()) {
        throw std::invalid_argument("unknown option \"" + UnplacedArgument(words.mid(1)) + "\"");
    }
    QSet<QString> given;
    for (const QString& name : parser.optionNames()) {
        if (given.contains(name)) {
            throw std::invalid_argument("--" + name.toStdString() + " is given twice");
        }
        given.insert(name);
    }
    AppOptions options;
    ReadValues(parser, options);
    RefuseChoicesBesideResume(parser);
    if (options.seat && options.players && *options.seat > *options.players) {
        throw std::invalid_argument("--seat: seat " + std::to_string(*options.seat) +
                                    " is not in a game of " + std::to_string(*options.players) +
                                    " players");
    }
    return options;
}

std::string ReplayCommand(std::uint64_t seed, int players, int seat, ComputerLevel computers) {
    return "quellin --seed " + std::to_string(seed) + " --players " + std::to_string(players) +
           " --seat " + std::to_string(seat) + " --computer " + LevelName(computers);
}
