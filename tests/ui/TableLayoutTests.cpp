// The table's layout in a game under way: it fits a laptop's screen, scrolls below its smallest
// size instead of squeezing, grows its cards on a large screen, and keeps its columns where they
// are while its texts change.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <vector>

#include "WindowDriver.h"
#include "cards/qlCards.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

using testing_support::InWindow;
using testing_support::RunTable;

namespace {

constexpr int kCardWidth = Px(990);  // a card at its own size

// Plays three seats, the human second, as a player clicking would until the human chooses a
// role while some city holds `cityCards` buildings; runs `check` then, and leaves the game.
void PlayUntilCities(frmMain& window, int cityCards, const std::function<void()>& check) {
    bool checked = false;
    RunTable(window, [&] {
        const std::array<QPushButton*, 5> roles = testing_support::RoleButtons(window);
        if (checked || testing_support::AnswerOpen() ||
            std::none_of(roles.begin(), roles.end(),
                         [](auto* role) { return role->isEnabled(); })) {
            return;
        }
        int most = 0;
        for (const qlCardHolder* city :
             window.findChildren<qlCardHolder*>(QRegularExpression("^hldPlayerBuilt"))) {
            most = std::max(most, static_cast<int>(city->Cards().Count()));
        }
        if (most < cityCards) {
            testing_support::TakeFreeRole(window);
            return;
        }
        checked = true;
        check();
        window.close();
    });
    EXPECT_TRUE(checked);
}

void Resize(frmMain& window, int width, int height) {
    window.resize(width, height);
    QApplication::processEvents();
}

// The table's buttons, settings, group frames and texts that show now.
std::vector<QWidget*> Controls(const frmMain& window) {
    std::vector<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QGroupBox*>(widget) || qobject_cast<QLabel*>(widget);
        if (control && widget->isVisible()) {
            controls.push_back(widget);
        }
    }
    return controls;
}

// Every control at least its smallest readable size, none over another but its own group's
// frame, every card inside its row; `inView` asks for all of it in view without scrolling.
void ExpectWholeAndApart(const frmMain& window, bool inView, const char* size) {
    SCOPED_TRACE(size);
    const auto* scroll = window.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    const QRect view = InWindow(*scroll->viewport());
    const std::vector<QWidget*> controls = Controls(window);
    for (const QWidget* control : controls) {
        const std::string name = control->objectName().isEmpty()
                                     ? control->property("text").toString().toStdString()
                                     : control->objectName().toStdString();
        EXPECT_GE(control->width(), control->minimumSizeHint().width()) << name;
        EXPECT_GE(control->height(), control->minimumSizeHint().height()) << name;
        EXPECT_TRUE(!inView || view.contains(InWindow(*control))) << name;
        for (const QWidget* other : controls) {
            const bool related =
                other == control || other->isAncestorOf(control) || control->isAncestorOf(other);
            EXPECT_TRUE(related || !InWindow(*control).intersects(InWindow(*other)))
                << name << " and " << other->objectName().toStdString();
        }
    }
    for (const qlCardHolder* row : window.findChildren<qlCardHolder*>()) {
        for (const qlCardImage* image : row->Images()) {
            EXPECT_TRUE(image->isHidden() || row->rect().contains(image->geometry()))
                << row->objectName().toStdString();
        }
        EXPECT_TRUE(row->parentWidget()->rect().contains(row->geometry()));
    }
}

// The width of the cards shown in the holders named so.
std::vector<int> CardWidths(const frmMain& window, const char* names) {
    std::vector<int> widths;
    for (const qlCardHolder* row : window.findChildren<qlCardHolder*>(QRegularExpression(names))) {
        for (const qlCardImage* image : row->Images()) {
            if (image->isVisible()) {
                widths.push_back(image->width());
            }
        }
    }
    return widths;
}

// Where the seat areas, the hand and the centre's buttons and groups stand, in the window.
std::vector<QRect> Places(const frmMain& window) {
    std::vector<QRect> places;
    for (const QWidget* widget : Controls(window)) {
        if (!qobject_cast<const QLabel*>(widget)) {
            places.push_back(InWindow(*widget));
        }
    }
    for (const QWidget* frame : window.findChildren<QFrame*>(QRegularExpression("^shp"))) {
        places.push_back(InWindow(*frame));
    }
    return places;
}

TEST(TableLayout, FitsScreensLargeAndSmallAndKeepsItsColumnsWhereTheyAreAsTextsGrow) {
    frmMain window(testing_support::TableOptions(3, 2, 77, "quellin-table-layout"));
    PlayUntilCities(window, 8, [&window] {
        auto* scroll = window.findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        // A 1366 x 768 laptop screen or a 1280 x 800 one, less a title bar and a panel.
        for (const QSize size : {QSize(1366, 668), QSize(1280, 768)}) {
            Resize(window, size.width(), size.height());
            EXPECT_EQ(window.size(), size);
            EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
            EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
            ExpectWholeAndApart(window, true, "laptop");
        }
        // Smaller, it scrolls to what is out of view, squeezing nothing.
        Resize(window, 800, 600);
        EXPECT_EQ(window.size(), QSize(800, 600));
        EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
        EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
        ExpectWholeAndApart(window, false, "800 x 600");
        QPushButton* exit = testing_support::Button(window, "E&xit");
        scroll->ensureWidgetVisible(exit);
        EXPECT_TRUE(InWindow(*scroll->viewport()).contains(InWindow(*exit)));
        // On a large screen the cities and the hand grow to about twice their size.
        Resize(window, 2560, 1600);
        ExpectWholeAndApart(window, true, "2560 x 1600");
        const std::vector<int> widths = CardWidths(window, "^hld");
        ASSERT_GE(widths.size(), 12u);
        for (const int width : widths) {
            EXPECT_GE(width, kCardWidth * 7 / 4);
            EXPECT_LE(width, kCardWidth * 2);
        }

        // Columns keep their places as texts grow, and the folded history leaves its room to
        // the hand.
        Resize(window, 1280, 768);
        const std::vector<QRect> before = Places(window);
        // The human's header at its longest, as in a game of two, a long status line, a hint.
        window.ShowGovernor(1);
        window.ShowRole(1, "Prospector");
        window.ShowRole(1, "Councillor");
        window.ShowPoints(1, 14);
        window.ShowStatus(
            "Human 2, select a role; the hint below says what the strong computer "
            "player would choose in your place, and why it would");
        window.findChild<QLabel*>("lblHint")->setText(
            "Hint: Councillor: wins 100 % of 1000 sampled games");
        Resize(window, 1280, 768);
        EXPECT_EQ(Places(window), before);
        // What no longer fits ends short, and its tooltip tells it whole.
        auto* status = window.findChild<QLabel*>("lblMessage");
        auto* role = window.findChild<QFrame*>("shpPlayer1")->findChildren<QLabel*>().at(2);
        ASSERT_EQ(role->text(), "Prospector, Councillor");
        for (QLabel* label : {status, role}) {
            QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(label, &hover);
            EXPECT_LT(label->width(), label->sizeHint().width());
            EXPECT_EQ(label->toolTip(), label->text());
        }

        // Folded, the history leaves its strip to the hand, up to the table's right edge.
        auto* fold = window.findChild<QAbstractButton*>("cmdHistoryFold");
        const QRect hand = InWindow(*window.findChild<QFrame*>("shpHumans"));
        QTest::mouseClick(fold, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_FALSE(window.findChild<QWidget*>("txtHistory")->isVisible());
        EXPECT_TRUE(fold->isVisible());
        EXPECT_EQ(InWindow(*window.findChild<QFrame*>("shpHumans")).right(),
                  InWindow(*window.findChild<QFrame*>("shpPlayer1")).right());
        QTest::mouseClick(fold, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(InWindow(*window.findChild<QFrame*>("shpHumans")), hand);
    });
}

}  // namespace
