#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "AppOptions.h"
#include "LogPlace.h"
#include "UnfinishedGame.h"
#include "cards/Catalogue.h"
#include "core/DataFolder.h"
#include "support/TableHelpers.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FreshFolder;
using testing_support::ReadFile;

std::string Refusal(const std::vector<std::string>& args) {
    return testing_support::ErrorOf<std::invalid_argument>([&] { ParseAppOptions(args); });
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

}  // namespace

TEST(AppOptions, ChoicesArePreselectedAndEveryBadOptionIsNamedInOneLine) {
    const AppOptions none = ParseAppOptions({});
    EXPECT_FALSE(none.seed || none.players || none.seat || none.computers);
    EXPECT_FALSE(none.start || none.help || none.version);

    // The replay command of a game reads back as that game's choices.
    std::vector<std::string> args =
        Words(ReplayCommand(18446744073709551615u, 3, 3, ComputerLevel::Expert));
    ASSERT_EQ(args.front(), "quellin");
    args.erase(args.begin());
    const AppOptions game = ParseAppOptions(args);
    EXPECT_EQ(game.seed, 18446744073709551615u);
    EXPECT_EQ(game.players, 3);
    EXPECT_EQ(game.seat, 3);
    EXPECT_EQ(game.computers, ComputerLevel::Expert);
    EXPECT_EQ(ParseAppOptions({"--computer", "standard", "--start"}).computers,
              ComputerLevel::Standard);
    EXPECT_EQ(ParseAppOptions({"--computer", "strong"}).computers, ComputerLevel::Strong);
    const AppOptions flags = ParseAppOptions({"--version", "--help", "--start"});
    EXPECT_TRUE(flags.version && flags.help && flags.start);

    EXPECT_EQ(Refusal({"--seed", "x1"}),
              "--seed: \"x1\" is not a number from 0 to 18446744073709551615");
    EXPECT_EQ(Refusal({"--players", "1"}), "--players: \"1\" is not a number from 2 to 4");
    EXPECT_EQ(Refusal({"--seat", "5"}), "--seat: \"5\" is not a number from 1 to 4");
    EXPECT_EQ(Refusal({"--players", "2", "--seat", "3"}),
              "--seat: seat 3 is not in a game of 2 players");
    EXPECT_EQ(Refusal({"--computer", "weak"}),
              "--computer: \"weak\" is neither standard, strong nor expert");
    EXPECT_EQ(Refusal({"--computer", "Expert"}),
              "--computer: \"Expert\" is neither standard, strong nor expert");
    EXPECT_EQ(Refusal({"--seat", "1", "--seat", "1"}), "--seat is given twice");
    EXPECT_EQ(Refusal({"--start", "--players", "2", "--start"}), "--start is given twice");
    EXPECT_EQ(Refusal({"--fullscreen"}), "unknown option \"--fullscreen\"");
    EXPECT_EQ(Refusal({"--players"}), "--players needs a value");
    EXPECT_EQ(Refusal({"--start", "stray"}), "unknown option \"stray\"");
    EXPECT_EQ(Refusal({"-seed", "4"}), "unknown option \"-seed\"");
    EXPECT_EQ(Refusal({"--start", "--resume"}),
              "--resume goes on with the game's own choices; --start cannot be given with it");
    EXPECT_TRUE(ParseAppOptions({"--resume"}).resume);
}

TEST(DataFolder, TheProgramsFolderComesFirstThenShareThenTheXdgFolders) {
    const fs::path bin = "/opt/q/bin";
    using Paths = std::vector<fs::path>;
    EXPECT_EQ(DataFolderCandidates(bin, "/home/u/data", "/a:relative::/b/", "/home/u"),
              (Paths{"/opt/q/bin", "/opt/q/share/quellin", "/home/u/data/quellin", "/a/quellin",
                     "/b/quellin"}));
    // Unset, empty or relative values take the defaults.
    const Paths defaults{"/opt/q/bin", "/opt/q/share/quellin", "/home/u/.local/share/quellin",
                         "/usr/local/share/quellin", "/usr/share/quellin"};
    EXPECT_EQ(DataFolderCandidates(bin, nullptr, nullptr, "/home/u"), defaults);
    EXPECT_EQ(DataFolderCandidates(bin, "", "", "/home/u"), defaults);
    EXPECT_EQ(DataFolderCandidates(bin, "data", "share", "/home/u"), defaults);
    EXPECT_EQ(DataFolderCandidates(bin, nullptr, nullptr, nullptr).size(), 4u);

    // The first folder that holds the catalogue wins; an Images folder alone does not count.
    const fs::path root = FreshFolder("quellin-app-tests-search");
    const Paths candidates{root / "bin", root / "share" / "quellin", root / "user" / "quellin"};
    const std::string searched = "The card catalogue scripts/DeckInfo.txt was not found in " +
                                 candidates[0].string() + ", " + candidates[1].string() + ", " +
                                 candidates[2].string();
    EXPECT_FALSE(FindDataFolder(candidates));
    EXPECT_EQ(DataNotFoundMessage(candidates), searched);
    // A folder of the catalogue's name is no catalogue, and the message says what it is.
    const fs::path folderNamedLikeIt = candidates[0] / "scripts" / "DeckInfo.txt";
    fs::create_directories(folderNamedLikeIt);
    EXPECT_FALSE(FindDataFolder(candidates));
    EXPECT_EQ(DataNotFoundMessage(candidates),
              searched + "; " + folderNamedLikeIt.string() + " is a folder, not a file");
    fs::create_directories(candidates[0] / "Images");
    for (const fs::path& folder : {candidates[2], candidates[1]}) {
        fs::create_directories(folder / "scripts");
        std::ofstream(folder / "scripts" / "DeckInfo.txt") << "Cardname:Well\n";
        EXPECT_EQ(FindDataFolder(candidates), folder);
    }
    fs::remove_all(root);
}

TEST(LogPlace, LogsGoToTheFirstFolderThatTakesTheSeedFileOrNowhereWithAReason) {
    const fs::path root = FreshFolder("quellin-app-tests-logs");
    const fs::path blocked = root / "file";  // a file: no folder can be made below it
    std::ofstream(blocked) << "x";
    const fs::path user = root / "user" / "Quellin";

    const LogPlace beside = PlaceLogs({root, user}, "7\nquellin --seed 7\n");
    EXPECT_EQ(beside.folder, root);
    EXPECT_EQ(ReadFile(root / "Seed.txt"), "7\nquellin --seed 7\n");
    EXPECT_FALSE(fs::exists(user));

    const LogPlace fallback = PlaceLogs({blocked / "data", user}, "8\n");
    EXPECT_EQ(fallback.folder, user);  // created on the way
    EXPECT_EQ(ReadFile(user / "Seed.txt"), "8\n");
    EXPECT_TRUE(fallback.notice.empty());

    const LogPlace none = PlaceLogs({blocked / "data", blocked / "user"}, "9\n");
    EXPECT_FALSE(none.folder);
    EXPECT_EQ(none.notice.rfind(
                  "No log is being kept for this game (" + (blocked / "data").string() + ": ", 0),
              0u);
    EXPECT_NE(none.notice.find("; " + (blocked / "user").string() + ": "), std::string::npos);
    fs::remove_all(root);
}

TEST(UnfinishedGame, AJournalIsOfferedWithWhereItStandsOrKeptAsBadWithTheReason) {
    const fs::path root = FreshFolder("quellin-app-tests-journal");
    const fs::path file = root / "Journal.txt";
    const UnfinishedGame none = FindUnfinishedGame(file);
    EXPECT_FALSE(none.game);
    EXPECT_TRUE(none.offer.empty() && none.problem.empty());

    JournalHeader header;
    header.started = "2026-12-09 21:30";
    header.catalogue = CatalogueDigest(CatalogueFile());
    header.seed = 88;
    header.players = 3;
    header.humanSeat = 2;
    const std::string begun = JournalHeaderText(header);
    // The human's first answer: seat 2 keeps the first four of six cards at the hand limit.
    std::ofstream(file, std::ios::binary) << begun << "2 hand-limit 0 1 2 3 / 4 5\n";
    const UnfinishedGame game = FindUnfinishedGame(file);
    ASSERT_TRUE(game.game);
    EXPECT_EQ(game.game->seed, 88u);
    EXPECT_EQ(game.offer, "Resume the game of 2026-12-09 21:30: 3 players, round 1, your points 1");
    EXPECT_TRUE(game.problem.empty());
    EXPECT_TRUE(fs::exists(file));

    // One that cannot be taken up is set aside, in place of an older one, with the reason.
    std::ofstream(root / "Journal.txt.bad") << "older";
    std::ofstream(file, std::ios::binary) << begun << "2 hand-limit 0 1 2 9 / 4 5\n";
    const UnfinishedGame bad = FindUnfinishedGame(file);
    EXPECT_FALSE(bad.game);
    EXPECT_EQ(bad.problem, "The unfinished game cannot be resumed (" + file.string() +
                               ", line 10: card 9 is not among the 6 cards on offer); its "
                               "journal is kept as " +
                               file.string() + ".bad.");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(ReadFile(root / "Journal.txt.bad"), begun + "2 hand-limit 0 1 2 9 / 4 5\n");
    fs::remove_all(root);
}
