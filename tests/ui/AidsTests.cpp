// What the table offers beside the game: the help window with the rules and the card reference.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include "cards/Catalogue.h"
#include "ui/frmCardChooser.h"
#include "ui/frmHelp.h"
#include "ui/frmMain.h"

namespace {

std::vector<std::string> VisibleNames(const QTableWidget& cards) {
    std::vector<std::string> names;
    for (int row = 0; row < cards.rowCount(); ++row) {
        if (!cards.isRowHidden(row)) {
            names.push_back(cards.item(row, 1)->text().toStdString());
        }
    }
    return names;
}

TEST(Help, F1OpensTheRulesAndEveryCardOfTheCatalogueBesideTheTableAlsoFromAQuestion) {
    frmMain::Options options;
    options.logFolder = std::filesystem::temp_directory_path();
    frmMain window(options);
    EXPECT_EQ(window.findChild<frmHelp*>(), nullptr);
    const std::unique_ptr<CardChooser> question = window.NewChooser();
    auto* chooser = static_cast<frmCardChooser*>(question.get());
    chooser->show();
    chooser->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(chooser));
    QTest::keyClick(chooser, Qt::Key_F1);
    auto* help = window.findChild<frmHelp*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_FALSE(help->isModal());
    const QString rules = help->txtRules->toPlainText();
    for (const char* topic : {"governor", "hand limit", "privilege", "Councillor", "Prospector",
                              "twelve buildings", "Triumphal Arch", "cards in hand plus goods"}) {
        EXPECT_TRUE(rules.contains(topic)) << topic;
    }

    // One row a record, in the catalogue's order, with its picture and numbers.
    const std::vector<CatalogueRecord> records = ReadCatalogueFile(CatalogueFile());
    QTableWidget& cards = *help->grdCards;
    ASSERT_EQ(cards.rowCount(), static_cast<int>(records.size()));
    for (int row = 0; row < cards.rowCount(); ++row) {
        const CatalogueRecord& record = records[static_cast<std::size_t>(row)];
        EXPECT_EQ(cards.item(row, 1)->text().toStdString(), record.name);
        EXPECT_EQ(cards.item(row, 2)->text(), record.type == 0 ? "production" : "violet");
        EXPECT_EQ(cards.item(row, 3)->text(), QString::number(record.cost));
        EXPECT_EQ(cards.item(row, 4)->text(), QString::number(record.victoryPoints));
        EXPECT_EQ(cards.item(row, 5)->text(), QString::number(record.number));
        EXPECT_EQ(cards.item(row, 6)->text().toStdString(), record.description);
        EXPECT_FALSE(cards.item(row, 0)->icon().isNull());
    }
    EXPECT_EQ(cards.item(0, 1)->text(), "Indigo Plant");
    EXPECT_EQ(cards.item(0, 5)->text(), "10");

    // Looking a card up: any part of the name, in any case.
    help->tabs->setCurrentIndex(1);
    QTest::keyClicks(help->txtSearch, "mAR");
    EXPECT_EQ(VisibleNames(cards),
              (std::vector<std::string>{"Black Market", "Market Stand", "Market Hall"}));
    help->txtSearch->clear();
    EXPECT_EQ(VisibleNames(cards).size(), records.size());

    help->close();
    chooser->close();
    QTest::mouseClick(window.findChild<QPushButton*>("cmdHelp"), Qt::LeftButton);
    EXPECT_TRUE(help->isVisible());  // the same window again, from the table's button
    EXPECT_EQ(window.findChildren<frmHelp*>().size(), 1);
    // An open help window does not keep the program running once the table has closed.
    EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
}

}  // namespace
