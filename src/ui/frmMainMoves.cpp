// The table's side of the moves it shows: what the seats' events change, seen moving where a
// screen is there to see it. Each move redraws its place at once; the animation only shows how
// it got there, and the table holds the game until the last one has ended.

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "cards/qlCards.h"
#include "players/qlPlayer.h"
#include "ui/CardPictures.h"
#include "ui/MoveAnimation.h"
#include "ui/RoleButtons.h"
#include "ui/SeatArea.h"
#include "ui/TablePace.h"
#include "ui/frmMain.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

// A quarter of a second at the usual delay, between 150 and 300 ms as the delay goes; nothing
// at the fastest delay, while skipping to the human's turn, once the player has left (the game
// only runs on to where it stops), while a game taken up plays to where it was left, and by default
// nothing with pauses cut to nothing or with no screen to see it on.
int frmMain::MoveMilliseconds() const {
    constexpr Integer kFastest = 2;
    const bool wanted = mOptions.animations.value_or(
        mOptions.pauseLength != Long{0} && QGuiApplication::platformName() != "offscreen");
    if (!wanted || mExitRequested || mReplaying || Delay() <= kFastest || mPace->Skipping() ||
        !isVisible()) {
        return 0;
    }
    return std::clamp(static_cast<int>(250 * Delay() / 4), 150, 300);
}

void frmMain::CardBuilt(const qlPlayer& seat, Card card) {
    SeatArea& area = AreaOf(seat);
    area.CardBuilt(seat, card);
    const int milliseconds = MoveMilliseconds();
    QWidget* landed = area.CityImageOf(card);
    if (milliseconds > 0 && landed) {
        const bool human = seat.PlayerNumber() == mOptions.humanSeat;
        mMoves->Slide(*landed,
                      human ? static_cast<const QWidget&>(*hldHumansCards) : area.CardCount(),
                      milliseconds);
    }
}

void frmMain::GoodChanged(const qlPlayer& seat, Card building) {
    SeatArea& area = AreaOf(seat);
    qlCardImage* image = area.CityImageOf(building);
    const bool before = image && image->GoodShown();
    area.GoodChanged(building);
    const int milliseconds = MoveMilliseconds();
    if (image && milliseconds > 0 && image->GoodShown() != before) {
        mMoves->Fade(*image, "goodOpacity", before ? 1 : 0, before ? 0 : 1, milliseconds);
    }
}

void frmMain::HandChanged(const qlPlayer& seat) {
    SeatArea& area = AreaOf(seat);
    const Long drawn = area.ShowCardCount(seat.CardsInHand().Count());
    if (seat.PlayerNumber() == mOptions.humanSeat) {
        const qlCards before = hldHumansCards->Cards();
        hldHumansCards->SetCards(seat.CardsInHand());
        SlideNewCards(before);
    } else if (const int milliseconds = MoveMilliseconds(); milliseconds > 0) {
        // A computer seat's new cards come from the draw pile face down, fanned a little.
        constexpr Long kFanned = 5;
        for (Long card = 0; card < std::min(drawn, kFanned); ++card) {
            const int shift = static_cast<int>(card) * 6;
            mMoves->Fly(CardPictures::Back(), *txtReserveCount, area.CardCount(),
                        QPoint(shift, -shift), milliseconds);
        }
    }
}

// The cards the human's hand did not hold before come from the draw pile.
void frmMain::SlideNewCards(const qlCards& before) {
    const int milliseconds = MoveMilliseconds();
    if (milliseconds <= 0) {
        return;
    }
    for (qlCardImage* image : hldHumansCards->Images()) {
        if (image->ShownCard() && !before.Contains(image->ShownCard())) {
            mMoves->Slide(*image, *txtReserveCount, milliseconds);
        }
    }
}

// The chosen role's button turns over onto its chooser's roles: seen as a tile of the role,
// whatever the button looks like while the human does not choose.
void frmMain::ShowRole(int seatIndex, const std::string& role) {
    SeatArea& area = *mSeatAreas[static_cast<std::size_t>(seatIndex)];
    const QString name = QString::fromStdString(role);
    area.ShowRole(name);
    const int milliseconds = MoveMilliseconds();
    QPushButton* button = mRoles->ButtonOf(name);
    if (milliseconds > 0 && button && !name.isEmpty()) {
        mMoves->Flip(CardPictures::RoleTile(name, button->size()), *button, area.Roles(),
                     area.NewestRole(), milliseconds);
    }
}
