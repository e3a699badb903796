// The windows' controls, offscreen: the chooser's counts and closing, the card rows' layout
// and clicks, messages, pauses and a missing picture.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <tuple>

#include "WindowDriver.h"
#include "cards/Catalogue.h"
#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "core/DataFolder.h"
#include "support/TableHelpers.h"
#include "ui/CardFace.h"
#include "ui/CardPictures.h"
#include "ui/InputGuard.h"
#include "ui/frmCardChooser.h"
#include "ui/frmShowMessage.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

using testing_support::MakeDeck;
using testing_support::Names;
using Strings = std::vector<std::string>;

namespace {

void Click(qlCardHolder& holder, int index) {
    QTest::mouseClick(holder.Images()[static_cast<std::size_t>(index)], Qt::LeftButton);
}

// Runs the chooser modally for at most `ms`; true when it closed by itself.
bool ClosesWithin(frmCardChooser& chooser, int ms) {
    bool forced = false;
    QTimer::singleShot(ms, &chooser, [&] {
        forced = chooser.isVisible();
        chooser.cmdOK->setEnabled(true);
        chooser.cmdOK->click();
    });
    chooser.exec();
    return !forced;
}

TEST(Chooser, CountsLimitTheChecksAndOkWaitsForTheMinimum) {
    frmCardChooser chooser;
    chooser.SetMinAmt(2);
    chooser.SetMaxAmt(2);
    chooser.SetCards(MakeDeck({"Well", "Hero", "Smithy", "Crane"}));
    qlCardHolder& row = *chooser.cardsChoice;
    EXPECT_FALSE(chooser.cmdOK->isEnabled());
    EXPECT_EQ(chooser.txtSelectionsLeft->text(), "2");
    Click(row, 1);
    EXPECT_FALSE(chooser.cmdOK->isEnabled());
    Click(row, 3);
    EXPECT_TRUE(chooser.cmdOK->isEnabled());
    EXPECT_EQ(chooser.txtSelectionsLeft->text(), "0");
    Click(row, 0);  // the maximum is reached: a third card cannot be checked
    EXPECT_EQ(Names(chooser.SelectedCards()), (Strings{"Hero", "Crane"}));
    EXPECT_EQ(Names(chooser.DiscardedCards()), (Strings{"Well", "Smithy"}));
    Click(row, 1);  // unchecking one disables OK again
    EXPECT_FALSE(chooser.cmdOK->isEnabled());
    EXPECT_EQ(chooser.txtSelectionsLeft->text(), "1");

    chooser.SetMaxAmt(0);
    EXPECT_TRUE(chooser.txtSelectionsLeft->isHidden());
    EXPECT_TRUE(chooser.lblSelectionsLeft->isHidden());
    chooser.SetMinAmt(0);
    EXPECT_TRUE(chooser.cmdOK->isEnabled());
}

TEST(Chooser, EscapeAndTheCloseButtonDoNotAnswerAndBuildModeOffersWhatCanBeBuilt) {
    frmCardChooser chooser;
    chooser.SetMinAmt(1);
    chooser.SetMaxAmt(3);
    chooser.AddCards(MakeDeck({"Well", "Palace", "Well", "Indigo Plant"}));
    const auto seat = testing_support::Seat("Indigo Plant,Well", "Hero,Smithy");
    chooser.EnableBuildMode(*seat, 0);
    // The Well is built already and the Palace is beyond two cards of buying power.
    EXPECT_EQ(Names(chooser.cardsChoice->Cards()), Strings{"Indigo Plant"});
    EXPECT_TRUE(chooser.cmdOK->isEnabled());
    EXPECT_EQ(chooser.txtSelectionsLeft->text(), "1");
    Click(*chooser.cardsChoice, 0);  // an offer filled by adding takes the first click
    EXPECT_EQ(Names(chooser.SelectedCards()), Strings{"Indigo Plant"});
    EXPECT_EQ(chooser.txtSelectionsLeft->text(), "0");
    chooser.show();
    QTest::keyClick(&chooser, Qt::Key_Escape);
    chooser.close();
    EXPECT_TRUE(chooser.isVisible());
    QTest::keyClick(chooser.cmdOK, Qt::Key_Return);
    EXPECT_FALSE(chooser.isVisible());
}

// Holds the windows' clock still for one test; the test moves it on by hand.
struct PinnedClock {
    qint64 now = 5000;
    PinnedClock() {
        InputGuard::SetClock([this] { return now; });
    }
    // Everywhere else each reading is a second on, so no test waits out the quiet moment.
    ~PinnedClock() { InputGuard::SetClock(testing_support::TickingClock()); }
};

TEST(Chooser, ANewQuestionOrMessageIgnoresClicksAndEnterForAMoment) {
    PinnedClock clock;
    frmCardChooser chooser;
    chooser.SetMaxAmt(1);
    chooser.SetCards(MakeDeck({"Well", "Hero"}));
    chooser.show();
    clock.now += InputGuard::kQuietMs - 1;
    Click(*chooser.cardsChoice, 0);
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
    QTest::keyClick(chooser.cmdOK, Qt::Key_Return);
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_TRUE(chooser.SelectedCards().Empty());
    clock.now += 1;
    Click(*chooser.cardsChoice, 0);
    EXPECT_EQ(Names(chooser.SelectedCards()), Strings{"Well"});
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(chooser.isVisible());

    frmShowMessage message;
    message.show();
    QTest::keyClick(message.cmdOK, Qt::Key_Enter);
    QTest::mouseClick(message.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(message.isVisible());
    clock.now += InputGuard::kQuietMs;
    QTest::keyClick(message.cmdOK, Qt::Key_Return);
    EXPECT_FALSE(message.isVisible());
}

TEST(Chooser, ALongDescriptionUnderTheLargePictureStaysWithinTheChooser) {
    frmCardChooser chooser;
    qlCards offer = MakeDeck({"Well"});
    std::string long_;
    for (int i = 0; i < 4; ++i) {
        long_ += "Every round this building does something worth reading. ";
    }
    offer.AddCard(testing_support::Altered(testing_support::MakeCard("Hero"),
                                           [&long_](Building& b) { b.description = long_; }));
    chooser.SetCards(offer);
    chooser.show();
    QTest::mouseMove(chooser.cardsChoice->Images()[1]);
    QLabel& text = *chooser.lblHoverDesc;
    ASSERT_EQ(text.text(), QString::fromStdString(long_));
    chooser.layout()->activate();
    EXPECT_GE(text.height(), text.heightForWidth(text.width()));
    EXPECT_LE(text.mapTo(&chooser, QPoint(0, text.height())).y(), chooser.height());
}

TEST(Chooser, AutoCloseWaitsForItsModeAndTheMinimum) {
    // Mode 1 closes an empty question after the delay and waits for OK when cards are offered;
    // mode 2 always closes, but not before the minimum is met.
    const std::tuple<int, bool, int, bool> cases[] = {
        {1, false, 0, true}, {1, true, 0, false}, {2, true, 1, false}, {2, true, 0, true}};
    for (const auto& [mode, offered, minimum, closes] : cases) {
        frmCardChooser chooser;
        if (minimum > 0) {
            chooser.SetMinAmt(minimum);
            chooser.SetMaxAmt(minimum);
        }
        chooser.SetAutoClose(mode);
        chooser.SetTimeDelay(1);
        if (offered) {
            chooser.SetCards(MakeDeck({"Well"}));
        }
        EXPECT_EQ(ClosesWithin(chooser, 900), closes) << mode << " " << offered << " " << minimum;
    }
}

TEST(CardRow, LaysOutInTwipsAndFramedCardsUncheckOnAClick) {
    qlCardHolder row;
    row.SetCards(MakeDeck({"Well", "Hero", "Smithy", "Crane", "Chapel", "Tower", "Palace"}));
    row.resize(1000, 214);
    row.show();
    // One row: the step is capped at a card and a gap, 990 + 15 twips.
    EXPECT_EQ(row.Images()[0]->pos(), QPoint(6, 4));
    EXPECT_EQ(row.Images()[1]->pos(), QPoint(6 + 67, 4));
    row.resize(300, 214);  // narrow: (4500 - 180 - 990) / 6 = 555 twips
    EXPECT_EQ(row.Images()[6]->pos().x(), (6 * 555 + 90) / 15);
    row.SetNumberOfRows(2);
    row.resize(1000, 214);
    EXPECT_EQ(row.Images()[5]->pos().y(), 4);
    EXPECT_EQ(row.Images()[6]->pos(), QPoint(6, (1485 + 60 + 60) / 15));

    row.SetEnableCheck(true);
    row.HighlightCard(row.Cards().Item(2));
    Click(row, 1);  // framed by the highlight: the click unchecks it
    EXPECT_FALSE(row.Images()[1]->Checked());
    EXPECT_FALSE(row.Images()[1]->Highlight());
    Click(row, 0);
    EXPECT_TRUE(row.Images()[0]->Checked());
    row.SetEnableCheck(false);
    Click(row, 2);
    EXPECT_FALSE(row.Images()[2]->Checked());
    EXPECT_EQ(Names(row.SelectedCards()), Strings{"Well"});

    row.RemoveCrane();
    EXPECT_EQ(row.Cards().Count(), 6);
    row.SetCards({});
    EXPECT_EQ(row.Images().size(), 1u);
    EXPECT_TRUE(row.Images()[0]->isHidden());
    EXPECT_TRUE(row.SelectedCards().Empty());
}

TEST(CardRow, TheGoodMarkerFollowsTheCardAndAMissingPictureStillShowsTheCard) {
    const std::unique_ptr<qlPlayer> seat = testing_support::Seat("Sugar Mill");
    const Card mill = seat->BuiltCards().Item(1);
    qlCardHolder row;
    qlCardHolder hand;  // a row that shows no seat's goods, like the hand
    row.ShowGoodsOf(seat.get());
    row.SetCards(seat->BuiltCards());
    hand.SetCards(seat->BuiltCards());
    qlCardImage& image = *row.Images()[0];
    EXPECT_FALSE(image.GoodShown());
    seat->SetGood(mill, testing_support::MakeCard("Well"));
    row.RefreshGood(mill);
    hand.RefreshGood(mill);
    EXPECT_TRUE(image.GoodShown());
    EXPECT_FALSE(hand.Images()[0]->GoodShown());
    EXPECT_EQ(image.accessibleName(), "Sugar Mill");
    EXPECT_TRUE(image.toolTip().startsWith("Sugar Mill (production, cost 2, 1 victory points)"));
    // With the focus on it, the card is still drawn, not covered by the good's fill.
    row.resize(200, 214);
    row.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&row));
    image.setFocus();
    ASSERT_TRUE(image.hasFocus());
    const QImage focused = image.grab().toImage();
    EXPECT_NE(focused.pixelColor(focused.rect().center()), QColor("#3b2a1a"));

    // The good's marker leaves the points and the name readable.
    const QRect picture = image.PictureRect();
    const double scale = picture.width() / double(CardPictures::kSmall.width());
    for (const QRectF& text :
         {CardFace::PointsBadge(CardPictures::kSmall), CardFace::NameBox(CardPictures::kSmall)}) {
        EXPECT_FALSE(image.GoodMarker().intersects(
            QRectF(picture.left() + text.left() * scale, picture.top() + text.top() * scale,
                   text.width() * scale, text.height() * scale)));
    }
}

// The face says what the catalogue in play says: an edited cost is drawn, changing only the
// cost badge; the description is left to the window that shows the face; a card without a
// picture still shows its cost, points and name; every name of the shipped catalogue fits its
// place whole; a missing pictures folder is named.
TEST(CardFace, DrawsTheCatalogueInPlayAndKeepsEveryNameWhole) {
    const Card well = testing_support::MakeCard("Well");
    const Card dearer = testing_support::Altered(well, [](Building& b) { b.cost = 7; });
    EXPECT_EQ(CardFace::Of(*dearer).cost, "7");
    EXPECT_EQ(CardFace::Of(*well).cost, QString::number(well->Cost()));
    EXPECT_EQ(CardFace::Of(*well).kind, "VIOLET");
    EXPECT_EQ(CardFace::Of(*testing_support::MakeCard("Coffee Roaster")).kind, "COFFEE");
    const QImage plain = CardPictures::Small(*well).toImage();
    const QImage edited = CardPictures::Small(*dearer).toImage();
    ASSERT_EQ(plain.size(), edited.size());
    QRect changed;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) != edited.pixel(x, y)) {
                changed |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(QRect(0, 0, 2 * 22, 2 * 22).contains(changed));  // the cost badge, 2x pixels

    // The chooser writes the description under the large face; the face itself does not.
    const Card reworded = testing_support::Altered(well, [](Building& b) {
        b.description = "Something else entirely, at some length, over several lines.";
    });
    const QPixmap art = CardPictures::Load(well->BigPict());
    EXPECT_TRUE(CardFace::Draw(*well, art, CardPictures::kLarge, true).toImage() ==
                CardFace::Draw(*reworded, art, CardPictures::kLarge, true).toImage());

    const Card unknown = testing_support::MakeCard("Triumphal Arch Of Somewhere");
    EXPECT_TRUE(CardPictures::Load(unknown->Picture()).isNull());
    const QPixmap drawn = CardPictures::Small(*unknown);
    EXPECT_EQ(drawn.deviceIndependentSize().toSize(), CardPictures::kSmall);
    EXPECT_EQ(CardFace::Of(*unknown).points, "0");

    for (const CatalogueRecord& card : ReadCatalogueFile(CatalogueFile())) {
        const QString name = QString::fromStdString(card.name);
        for (const QSize size : {CardPictures::kSmall, CardPictures::kLarge}) {
            EXPECT_TRUE(CardFace::FittingPixels(name, CardFace::NameBox(size), CardFace::kNameFlags,
                                                15, true))
                << card.name;
        }
    }
    EXPECT_FALSE(CardFace::FittingPixels(QString(400, 'x'), CardFace::NameBox(CardPictures::kSmall),
                                         CardFace::kNameFlags, 9, true));

    EXPECT_EQ(CardPictures::MissingNotice(DataFolder() / "Images"), std::nullopt);
    EXPECT_EQ(CardPictures::MissingNotice("/nowhere/Images").value_or("").toStdString(),
              "The card pictures are missing from /nowhere/Images: every card is drawn plain, "
              "with its cost, points and name.");
}

TEST(Messages, CaptionsAndClosingAndPausesThatWaitAsLongAsAsked) {
    frmShowMessage info;
    info.SetInformational(true);
    EXPECT_EQ(info.windowTitle(), "Player Information Message");
    info.SetInformational(false);
    EXPECT_EQ(info.windowTitle(), "Game Over - Final Scores");

    QElapsedTimer clock;
    clock.start();
    frmShowMessage* message =
        OpenMessageWindow(nullptr, 1, 2, "Player 3 placed a card under the chapel", true, 1);
    QSignalSpy closed(message, &QDialog::finished);
    EXPECT_TRUE(message->isVisible());
    EXPECT_FALSE(message->isModal());  // the table stays usable: Exit, closing, the help
    ASSERT_TRUE(closed.wait(5000));
    EXPECT_GE(clock.elapsed(), 450);  // closed itself after half a second
}

// Details widen the final scores past the place they opened at: the window then stands over
// the table's middle, as far as its screen lets it, and Enter still means OK.
TEST(Messages, DetailsKeepTheScoresOverTheTableWhollyOnTheScreenAndEnterMeansOk) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget table;
    for (const int tableLeft : {screen.center().x() - 250, screen.right() - 420}) {
        table.setGeometry(tableLeft, screen.top() + 40, 500, 400);
        table.show();
        frmShowMessage* message = OpenMessageWindow(
            &table, 0, 0, "Player 1 wins: 30 points!", false, 1, [&screen](QWidget* parent) {
                auto* details = new QLabel("Player 1: 30 points", parent);
                details->setFixedSize(screen.width() / 3, 100);
                return details;
            });
        QSignalSpy closed(message, &QDialog::finished);
        message->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(message));
        QTest::mouseClick(message->cmdDetails, Qt::LeftButton);
        const QRect widened = message->frameGeometry();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const bool closedByEnter = !message->isVisible() && message->cmdDetails->isChecked();
        if (message->isVisible()) {
            message->cmdOK->click();  // never left open, whatever Enter did
        }
        ASSERT_TRUE(closed.count() == 1 || closed.wait(1000));
        EXPECT_TRUE(screen.contains(widened)) << tableLeft;
        const int centre =
            std::min(table.frameGeometry().center().x(), screen.right() - widened.width() / 2);
        EXPECT_NEAR(widened.center().x(), centre, 1) << tableLeft;
        EXPECT_TRUE(closedByEnter) << tableLeft;
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    InputGuard::SetClock(testing_support::TickingClock());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
