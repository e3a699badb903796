#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <tuple>

#include "cards/Catalogue.h"
#include "cards/qlCards.h"
#include "core/FileReading.h"
#include "support/TableHelpers.h"

namespace {

std::vector<CatalogueRecord> Read(const std::string& text) {
    std::istringstream in(text);
    return ReadCatalogue(in, "test.txt");
}

std::string ErrorOf(const std::string& text) {
    return testing_support::ErrorOf<CatalogueError>([&] { Read(text); });
}

}  // namespace

TEST(Catalogue, ValuesPersistFromRecordToRecordAndKeysAreExact) {
    const auto records = Read(
        "Cost:9\n"  // before the first record: taken over by it
        "Cardname:First\nDescription:Old text\nVP:2\nNumber:3\nType:1\n"
        "Cardname:Second \r\nCost:4\r\n cost:7\r\ncost:8\r\n"  // CR LF; keys are exact
        "remark without a colon\n\n"
        "Cardname:None\nNumber:0\n"  // no copies: no card
        "Cardname:\nNumber:2\n"      // an empty name before the last: skipped
        "Cardname:Third\nDescription:Cut: here\nNumber:1\nType:0\n"
        "Cardname:\nCost: 3 \nVP:+32767\nType:2147483647");  // no final line end
    const auto row = [](const CatalogueRecord& r) {
        return std::tuple(r.name, r.description, r.cost, r.victoryPoints, r.number, r.type);
    };
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(row(records[0]), std::tuple("First", "Old text", 9, 2, 3, 1));
    EXPECT_EQ(row(records[1]), std::tuple("Second ", "Old text", 4, 2, 3, 1));
    EXPECT_EQ(row(records[2]), std::tuple("Third", "Cut: here", 4, 2, 1, 0));  // kept whole
    // An empty name counts as the last record; blanks and a sign around a number are fine.
    EXPECT_EQ(row(records[3]), std::tuple("", "Cut: here", 3, 32767, 1, 2147483647));
}

TEST(Catalogue, BadValuesNameTheFileLineAndText) {
    EXPECT_EQ(ErrorOf("Cardname:A\nCost:abc\n"),
              "test.txt, line 2: the value \"abc\" of \"Cost\" is not a whole number");
    EXPECT_EQ(ErrorOf("Cardname:A\n\nVP:2.5\n"),
              "test.txt, line 3: the value \"2.5\" of \"VP\" is not a whole number");
    EXPECT_EQ(ErrorOf("Number:\n"),
              "test.txt, line 1: the value \"\" of \"Number\" is not a whole number");
    EXPECT_EQ(ErrorOf("Cardname:A\nNumber:40000\n"),
              "test.txt, line 2: the value \"40000\" of \"Number\" lies outside -32768 to 32767");
    EXPECT_EQ(ErrorOf("Type:3000000000\n"),
              "test.txt, line 1: the value \"3000000000\" of \"Type\" lies outside -2147483648 "
              "to 2147483647");
    for (const char* key : {"Cost", "VP", "Number"}) {
        EXPECT_EQ(
            ErrorOf(std::string("Cardname:A\n") + key + ": -1\n"),
            std::string("test.txt, line 2: the value \" -1\" of \"") + key + "\" is negative");
    }
    EXPECT_EQ(ErrorOf("Cardname:A\nCost:1:2\n"),
              "test.txt, line 2: the value \"1:2\" of \"Cost\" is not a whole number");
    // Ten thousand cards in all are accepted; one more names the record's number line.
    EXPECT_EQ(Read("Cardname:A\nNumber:6000\nCardname:B\nNumber:4000\n").size(), 2u);
    EXPECT_EQ(ErrorOf("Cardname:A\nNumber:6000\nCardname:B\nNumber:4001\nVP:1\n"),
              "test.txt, line 4: the value \"4001\" of \"Number\" brings the cards to 10001, "
              "more than 10000");
    EXPECT_EQ(ErrorOf("Cardname:A\nNumber:0\n"), "test.txt: the catalogue holds no card");
    EXPECT_EQ(ErrorOf(""), "test.txt: the catalogue holds no card");
}

// Something of the catalogue's name that cannot be read is named with what it is or why the
// system refuses it, never as missing.
TEST(Catalogue, AFolderOrAPathTheSystemRefusesIsNamedWithWhyItCannotBeRead) {
    const auto base = testing_support::FreshFolder("quellin-unreadable");
    std::filesystem::create_directories(base / "DeckInfo.txt");
    const auto loop = base / "loop.txt";
    std::filesystem::create_symlink(base / "back.txt", loop);
    std::filesystem::create_symlink(loop, base / "back.txt");
    const auto error = [](const std::filesystem::path& file) {
        return testing_support::ErrorOf<CatalogueError>([&] { ReadCatalogueFile(file); });
    };
    EXPECT_EQ(error(base / "DeckInfo.txt"),
              (base / "DeckInfo.txt").string() + " is a folder, not a file");
    EXPECT_EQ(error(loop), loop.string() + " cannot be read: Too many levels of symbolic links");
    EXPECT_EQ(error(base / "none.txt"), "File not found: " + (base / "none.txt").string());
    // Root opens any file whatever its permissions, so the refusal is checked in words.
    EXPECT_EQ(CannotReadMessage(loop, std::make_error_code(std::errc::permission_denied)),
              loop.string() + " cannot be read: Permission denied");
    std::filesystem::remove_all(base);
}

TEST(Catalogue, ALoadReplacesTheDeckAndAFailedOneChangesNothing) {
    const auto file = testing_support::FreshFolder("quellin-catalogue") / "DeckInfo.txt";
    const auto write = [&](const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
        return file;
    };
    Random::Stream random(Random::SeededSource(1));
    qlCards deck;
    deck.AddCard(testing_support::MakeCard("Hero"));
    deck.LoadCatalogue(write("Cardname:Well\nNumber:2\nType:1\n"), random);
    EXPECT_EQ(testing_support::Names(deck), (std::vector<std::string>{"Well", "Well"}));
    EXPECT_NE(deck.Item(1), deck.Item(2));  // each copy is a card of its own
    EXPECT_THROW(deck.LoadCatalogue(write("Cardname:Well\nCost:x\nNumber:2\n"), random),
                 CatalogueError);
    std::filesystem::remove(file);
    EXPECT_EQ(testing_support::ErrorOf<CatalogueError>([&] { deck.LoadCatalogue(file, random); }),
              "File not found: " + file.string());
    EXPECT_EQ(deck.Count(), 2);

    qlCards game;  // the game's own catalogue
    game.Reset(random);
    EXPECT_EQ(game.Count(), 110);
    // Read once for the program: the copies of a building share it, and so do later loads.
    const qlCards palaces = game.GetCardsByName("Palace");
    ASSERT_EQ(palaces.Count(), 2);
    EXPECT_EQ(&palaces.Item(1)->GetBuilding(), &palaces.Item(2)->GetBuilding());
    EXPECT_EQ(LoadCatalogueEntries(CatalogueFile()), LoadCatalogueEntries(CatalogueFile()));
}
