#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cards/Catalogue.h"
#include "cards/qlCards.h"
#include "support/TableHelpers.h"

namespace {

std::vector<CatalogueRecord> Read(const std::string& text) {
    std::istringstream in(text);
    return ReadCatalogue(in, "test.txt");
}

std::string ErrorOf(const std::string& text) {
    try {
        Read(text);
    } catch (const CatalogueError& error) {
        return error.what();
    }
    return "no error";
}

// A catalogue file in a fresh temporary folder, removed again at the end of the test.
class CatalogueFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mFolder = std::filesystem::temp_directory_path() /
                  ("quellin-catalogue-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(mFolder);
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }
    std::filesystem::path Write(const std::string& text) {
        const auto file = mFolder / "DeckInfo.txt";
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }
    std::filesystem::path mFolder;
};

}  // namespace

TEST(Catalogue, WorkingValuesPersistFromRecordToRecord) {
    const auto records = Read(
        "Cost:9\n"  // before the first record: taken over by it
        "Cardname:First\nDescription:Old text\nVP:2\nNumber:3\nType:1\n"
        "Cardname:Second\nCost:4\n"  // no description, points, number or type of its own
        "remark without a colon\n\n"
        "Cardname:Third\nDescription:Cut: here\nNumber:1\nType:0\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, "First");
    EXPECT_EQ(records[0].cost, 9);
    EXPECT_EQ(records[1].name, "Second");
    EXPECT_EQ(records[1].description, "Old text");
    EXPECT_EQ(records[1].victoryPoints, 2);
    EXPECT_EQ(records[1].number, 3);
    EXPECT_EQ(records[1].type, 1);
    EXPECT_EQ(records[1].cost, 4);
    EXPECT_EQ(records[2].description, "Cut");  // the value ends at the next ":"
    EXPECT_EQ(records[2].cost, 4);
    EXPECT_EQ(records[2].type, 0);
}

TEST(Catalogue, KeysAreExactAndNamesVerbatim) {
    const auto records = Read(
        "Cardname:Tower \r\n Cost:5\r\nCost:3\r\ncost:7\r\nNumber:1\r\n"  // CR LF line ends
        "Cardname:None here\r\nNumber:0\r\n"                              // gives no card
        "Cardname:\r\nNumber:2\r\n"                                       // empty name: skipped
        "Cardname:Last\r\nNumber:2");                                     // no final line end
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, "Tower ");
    EXPECT_EQ(records[0].cost, 3);
    EXPECT_EQ(records[1].name, "Last");
    EXPECT_EQ(records[1].number, 2);
}

TEST(Catalogue, AnEmptyNameCountsAsTheLastRecord) {
    const auto records = Read("Cardname:A\nNumber:1\nCardname:\nNumber:2\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].name, "");
    EXPECT_EQ(records[1].number, 2);
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
    EXPECT_EQ(ErrorOf("Cardname:A\nNumber:0\n"), "test.txt: the catalogue holds no card");
    EXPECT_EQ(ErrorOf(""), "test.txt: the catalogue holds no card");
    // Blanks around a number and a sign are fine; the largest values of each width load.
    const auto records = Read("Cardname:A\nCost: -3 \nVP:+32767\nType:2147483647\nNumber:1\n");
    EXPECT_EQ(records[0].cost, -3);
    EXPECT_EQ(records[0].victoryPoints, 32767);
    EXPECT_EQ(records[0].type, 2147483647);
}

TEST_F(CatalogueFileTest, ALoadReplacesTheDeckWithOneEventAndAFailedOneChangesNothing) {
    qlCards deck;
    deck.AddCard(testing_support::MakeCard("Hero"));
    std::vector<Integer> sizes;
    Subscription s = deck.DeckSizeChanged.Subscribe([&](Integer n) { sizes.push_back(n); });
    deck.LoadCatalogue(Write("Cardname:Well\nNumber:2\nType:1\n"));
    EXPECT_EQ(testing_support::Names(deck), (std::vector<std::string>{"Well", "Well"}));
    EXPECT_NE(deck.Item(1), deck.Item(2));  // each copy is a card of its own

    const auto missing = mFolder / "nowhere" / "DeckInfo.txt";
    try {
        deck.LoadCatalogue(missing);
        FAIL() << "a missing catalogue must be reported";
    } catch (const CatalogueError& error) {
        EXPECT_EQ(std::string(error.what()), "File not found: " + missing.string());
    }
    EXPECT_THROW(deck.LoadCatalogue(Write("Cardname:Well\nCost:x\nNumber:2\n")), CatalogueError);
    EXPECT_EQ(deck.Count(), 2);
    EXPECT_EQ(sizes, (std::vector<Integer>{2}));
}

TEST(Catalogue, TheGameCatalogueHoldsItsTwentyNineBuildings) {
    const auto records = ReadCatalogueFile(CatalogueFile());
    const std::map<std::string, std::array<int, 4>> expected{
        // cost, points, copies, type
        {"Indigo Plant", {1, 1, 10, 0}},
        {"Sugar Mill", {2, 1, 8, 0}},
        {"Tobacco Storage", {3, 2, 8, 0}},
        {"Coffee Roaster", {4, 2, 8, 0}},
        {"Silver Smelter", {5, 3, 8, 0}},
        {"Smithy", {1, 1, 3, 1}},
        {"Gold Mine", {1, 1, 3, 1}},
        {"Archive", {1, 1, 3, 1}},
        {"Poor House", {2, 1, 3, 1}},
        {"Black Market", {2, 1, 3, 1}},
        {"Trading Post", {2, 1, 3, 1}},
        {"Well", {2, 1, 3, 1}},
        {"Market Stand", {2, 1, 3, 1}},
        {"Crane", {2, 1, 3, 1}},
        {"Chapel", {3, 2, 3, 1}},
        {"Tower", {3, 2, 3, 1}},
        {"Aqueduct", {3, 2, 3, 1}},
        {"Carpenter", {3, 2, 3, 1}},
        {"Prefecture", {3, 2, 3, 1}},
        {"Market Hall", {4, 2, 3, 1}},
        {"Quarry", {4, 2, 3, 1}},
        {"Library", {5, 3, 3, 1}},
        {"Statue", {3, 3, 3, 1}},
        {"Victory Column", {4, 4, 3, 1}},
        {"Hero", {5, 5, 3, 1}},
        {"Guild Hall", {6, 0, 2, 1}},
        {"City Hall", {6, 0, 2, 1}},
        {"Triumphal Arch", {6, 0, 2, 1}},
        {"Palace", {6, 0, 2, 1}},
    };
    ASSERT_EQ(records.size(), expected.size());
    EXPECT_EQ(records.front().name, "Indigo Plant");
    EXPECT_EQ(records.back().name, "Palace");
    for (const CatalogueRecord& r : records) {
        const auto it = expected.find(r.name);
        ASSERT_NE(it, expected.end()) << r.name;
        EXPECT_EQ((std::array<int, 4>{r.cost, r.victoryPoints, r.number, r.type}), it->second)
            << r.name;
        EXPECT_FALSE(r.description.empty()) << r.name;
    }

    qlCards reserve;
    reserve.Reset();
    EXPECT_EQ(reserve.Count(), 110);
    EXPECT_EQ(reserve.GetCardsByName("Indigo Plant")->Count(), 10);
    EXPECT_EQ(reserve.GetCardsByName("Palace")->Count(), 2);
}
