// What the table offers beside the game: the help window with the rules and the card
// reference, and the hint at the human's role choice and card questions.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <string>
#include <vector>

#include "WindowDriver.h"
#include "cards/Catalogue.h"
#include "cards/qlCard.h"
#include "ui/frmCardChooser.h"
#include "ui/frmHelp.h"
#include "ui/frmMain.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

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

// The help window, a window of its own; none before its first showing.
frmHelp* TheHelp() {
    frmHelp* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<frmHelp*>(window)) {
            EXPECT_EQ(found, nullptr) << "a second help window";
            found = help;
        }
    }
    return found;
}

// F1 opens the help, also from a question: a window of its own beside the table, so no widget
// of the table gets a native window for it, with the rules and every card of the catalogue.
// Escape closes it whenever it is the active window, also after the table has had the keyboard
// back; it opens again where the player left it, also from the table's button.
TEST(Help, F1OpensTheRulesAndTheCardsInAWindowOfItsOwnThatEscapeClosesAndThatComesBackAsLeft) {
    frmMain::Options options;
    options.logFolder = std::filesystem::temp_directory_path();
    frmMain window(options);
    window.show();
    EXPECT_EQ(TheHelp(), nullptr);
    const std::unique_ptr<CardChooser> question = window.NewChooser();
    auto* chooser = static_cast<frmCardChooser*>(question.get());
    chooser->show();
    chooser->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(chooser));
    QTest::keyClick(chooser, Qt::Key_F1);
    frmHelp* help = TheHelp();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_TRUE(help->isWindow());
    EXPECT_FALSE(help->isModal());
    // An open help window does not keep the program running once the table has closed.
    EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
    for (QPushButton* role : testing_support::RoleButtons(window)) {  // below the role buttons
        EXPECT_FALSE(
            help->frameGeometry().intersects(QRect(role->mapToGlobal(QPoint()), role->size())));
    }
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isWindow()) {
            EXPECT_FALSE(child->testAttribute(Qt::WA_NativeWindow) || child->internalWinId())
                << child->metaObject()->className() << " " << child->objectName().toStdString();
        }
    }
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
        const CatalogueRecord& r = records[static_cast<std::size_t>(row)];
        QStringList cells;
        for (int column = 1; column <= 6; ++column) {
            cells << cards.item(row, column)->text();
        }
        EXPECT_EQ(cells.join('|').toStdString(),
                  r.name + (r.type == 0 ? "|production|" : "|violet|") + std::to_string(r.cost) +
                      "|" + std::to_string(r.victoryPoints) + "|" + std::to_string(r.number) + "|" +
                      r.description);
        EXPECT_FALSE(cards.item(row, 0)->icon().isNull());
    }
    // Looking a card up: any part of the name, in any case.
    help->tabs->setCurrentIndex(1);
    QTest::keyClicks(help->txtSearch, "mAR");
    EXPECT_EQ(VisibleNames(cards),
              (std::vector<std::string>{"Black Market", "Market Stand", "Market Hall"}));
    help->txtSearch->clear();
    EXPECT_EQ(VisibleNames(cards).size(), records.size());
    help->tabs->setCurrentIndex(0);
    chooser->close();

    window.activateWindow();  // the table takes the keyboard back, as after a question
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QPoint left = help->pos() + QPoint(37, 23);
    help->move(left);
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    ASSERT_EQ(QApplication::activeWindow(), help);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_EQ(TheHelp(), help);
    EXPECT_EQ(help->pos(), left);
    help->tabs->setCurrentIndex(1);  // the search box has the keyboard
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    ASSERT_EQ(QApplication::activeWindow(), help);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    QTest::mouseClick(window.findChild<QPushButton*>("cmdHelp"), Qt::LeftButton);
    EXPECT_EQ(TheHelp(), help);  // the same window again, from the table's button
    EXPECT_TRUE(help->isVisible());
}

// The help opens beside the table, on its right where there is room, else on its left; on a
// screen the table fills, it covers the table from the settings down, wholly on the screen.
TEST(Help, OpensBesideTheTableWhereTheScreenAllowsElseOverItsSettings) {
    const QSize help(880, 640);
    const QRect settings(560, 330, 230, 70);
    EXPECT_EQ(frmHelp::Place({0, 0, 2560, 1440}, {100, 50, 1280, 800}, settings, help),
              QRect(QPoint(1380, 50), help));
    EXPECT_EQ(frmHelp::Place({0, 0, 2560, 1440}, {1200, 30, 1280, 800}, settings, help),
              QRect(QPoint(320, 30), help));
    EXPECT_EQ(frmHelp::Place({0, 0, 1280, 800}, {0, 0, 1280, 800}, settings, help),
              QRect(234, 330, 880, 470));
    EXPECT_EQ(frmHelp::Place({0, 0, 1920, 1080}, {0, 0, 1920, 1080}, {1200, 300, 230, 70}, help),
              QRect(874, 300, 880, 640));
    // A small screen: the help keeps a readable height, and all of it is on the screen.
    EXPECT_EQ(frmHelp::Place({0, 0, 800, 600}, {-10, -10, 1180, 720}, {460, 330, 230, 70}, help),
              QRect(0, 240, 800, 360));
}

// Plays seat 1 of a two-player game by clicks until it has asked for a hint by H at a role
// choice, taking the hinted role, and by the question's button at its first card question and
// at its first build choice; then leaves.
struct HintedPlay {
    // A card question's hint: its text and the names of the cards tagged with it.
    struct CardHint {
        std::string caption;
        std::string text;
        std::vector<std::string> tagged;
    };

    explicit HintedPlay(frmMain& table) : window(table) {}

    frmMain& window;
    std::string roleHint;
    std::string markedRole;
    CardHint first;
    CardHint build;
    int ticksWhileThinking = 0;

    static bool Answered(const QLabel* answer) { return answer->text().startsWith("Hint: "); }

    // Asks for the question's hint and notes it once it has come; true while it waits for it.
    static bool WaitsForHint(frmCardChooser& chooser, CardHint& hint) {
        auto* answer = chooser.findChild<QLabel*>("lblHint");
        if (answer->text().isEmpty()) {
            QTest::mouseClick(chooser.findChild<QPushButton*>("cmdHint"), Qt::LeftButton);
            return true;
        }
        if (!Answered(answer)) {
            return true;
        }
        hint.caption = chooser.windowTitle().toStdString();
        hint.text = answer->text().toStdString();
        for (const QLabel* tag : chooser.findChildren<QLabel*>("hintTag")) {
            hint.tagged.push_back(
                static_cast<qlCardImage*>(tag->parentWidget())->ShownCard()->BuildingName());
        }
        return false;
    }

    void Tick() {
        auto* chooser = testing_support::Open<frmCardChooser>();
        const bool hinted = chooser && chooser->findChild<QPushButton*>("cmdHint");
        const bool building = chooser && chooser->windowTitle() == "Select Card to Build...";
        if (hinted && first.text.empty() && WaitsForHint(*chooser, first)) {
            return;
        }
        if (hinted && building && build.text.empty() && WaitsForHint(*chooser, build)) {
            return;
        }
        if (testing_support::AnswerOpen()) {
            if (chooser && !roleHint.empty() && !build.text.empty()) {
                window.close();  // leaves the game at its next check
            }
        } else if (window.findChild<QLabel*>("lblMessage")->text().startsWith("Human 1, select")) {
            ChooseRole(window.findChild<QLabel*>("lblHint"));
        }
    }

    void ChooseRole(const QLabel* answer) {
        if (roleHint.empty() && !Answered(answer)) {
            ticksWhileThinking += answer->text() == "Thinking..." ? 1 : 0;
            if (answer->text().isEmpty() && QApplication::activeWindow() != &window) {
                window.activateWindow();  // the question before it had the keyboard
            } else if (answer->text().isEmpty()) {
                QTest::keyClick(&window, Qt::Key_H);
            }
            return;
        }
        for (QPushButton* role : testing_support::RoleButtons(window)) {
            if (roleHint.empty() ? !role->styleSheet().isEmpty() : role->isEnabled()) {
                if (roleHint.empty()) {
                    roleHint = answer->text().toStdString();
                    markedRole = role->text().remove('&').toStdString();
                }
                QTest::mouseClick(role, Qt::LeftButton);
                return;
            }
        }
    }
};

TEST(Hint, TheHumansRoleChoiceAndCardQuestionsGetTheExpertPlayersChoiceMarkedWhileTheTableRuns) {
    frmMain window(testing_support::TableOptions(2, 1, 31, "quellin-hinted-game"));
    HintedPlay play(window);
    testing_support::RunTable(window, [&play] { play.Tick(); });

    // "Hint: Trader: wins 41 % of 96 sampled games", with that role's button marked.
    ASSERT_FALSE(play.roleHint.empty());
    EXPECT_EQ(play.roleHint.rfind("Hint: " + play.markedRole + ": wins ", 0), 0u) << play.roleHint;
    EXPECT_NE(play.roleHint.find(" sampled games"), std::string::npos);
    EXPECT_GT(play.ticksWhileThinking, 3);  // the table went on while the hint was thought out
    // The first question, the hand cut to four cards: "Hint: keep A, B, C and D: wins ...", the
    // four cards tagged.
    EXPECT_EQ(play.first.caption, "Select cards you wish to keep...");
    ASSERT_EQ(play.first.tagged.size(), 4u) << play.first.text;
    EXPECT_EQ(play.first.text.rfind("Hint: keep ", 0), 0u) << play.first.text;
    for (const std::string& name : play.first.tagged) {
        EXPECT_NE(play.first.text.find(name), std::string::npos) << name;
    }
    // The build: "Hint: Smithy: wins ..." with its card tagged, or "Hint: build nothing: ...".
    ASSERT_FALSE(play.build.text.empty());
    ASSERT_LE(play.build.tagged.size(), 1u);
    const std::string built = play.build.tagged.empty() ? "build nothing" : play.build.tagged[0];
    EXPECT_EQ(play.build.text.rfind("Hint: " + built + ": wins ", 0), 0u) << play.build.text;
}

}  // namespace
