#pragma once

#include <QFrame>
#include <QString>

#include "cards/Card.h"
#include "core/Types.h"

class QLabel;
class qlCardHolder;
class qlCardImage;
class qlPlayer;

// One seat's area of the table: a header with the turn marker, the seat's name, the governor
// marker, its roles, its points and its number of cards, over its city with the goods on it.
class SeatArea : public QFrame {
    Q_OBJECT

  public:
    // The area of seat index + 1 (0 top left, then clockwise).
    SeatArea(int index, QWidget* parent);

    // Shows `seat`'s city and points here, its header only when it is in play; the human's own
    // seat is marked.
    void ShowSeat(const qlPlayer& seat, bool inPlay, bool human);
    // The game is over and released: the city row empties.
    void Release();

    void CardBuilt(const qlPlayer& seat, Card card);
    // The picture of `card` in the city, if it is there; the seat's card count, where its
    // cards come from.
    qlCardImage* CityImageOf(Card card) const;
    const QWidget& CardCount() const;
    void CardCovered(Card card);
    void GoodChanged(Card building);
    // Shows the seat's number of cards; how many more they are than before.
    Long ShowCardCount(Long cards);
    void ShowPoints(Integer points);
    // Adds a role to the roles shown (a seat of a game of two chooses twice a round); ""
    // clears them.
    void ShowRole(const QString& role);
    // The roles shown, and where in them the role shown last stands.
    QWidget& Roles() const;
    QRect NewestRole() const;
    void ShowGovernor(bool governor);
    void MarkTurn(bool turn);

  private:
    QLabel* mName = nullptr;
    QLabel* mGovernor = nullptr;
    QLabel* mRole = nullptr;
    QLabel* mPointsCaption = nullptr;
    QLabel* mPoints = nullptr;
    QLabel* mCardsCaption = nullptr;
    QLabel* mCards = nullptr;
    Long mCardCount = 0;
    qlCardHolder* mCity = nullptr;
    QLabel* mTurn = nullptr;
};
