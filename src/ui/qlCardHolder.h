#pragma once

#include <QWidget>
#include <vector>

#include "cards/qlCards.h"
#include "core/Types.h"

class qlPlayer;

class qlCardImage;

// A row (or rows of six) of card images that follows its own collection of cards, laid out
// overlapping when space is short, and answers which cards are checked. The collection is the
// holder's own: what it is given is copied, so removing a card here never touches a hand.
class qlCardHolder : public QWidget {
    Q_OBJECT

  public:
    explicit qlCardHolder(QWidget* parent = nullptr);

    const qlCards& Cards() const { return mCards; }
    void SetCards(const qlCards& cards);
    void AddCard(Card card);
    void AddCards(const qlCards& cards);
    void RemoveCard(const Card& card);
    void RemoveCrane();
    void HighlightCard(const Card& card);
    // The seat whose city the row's buildings lie in, whose goods they show; nothing shows none.
    void ShowGoodsOf(const qlPlayer* seat);
    // Redraws the good of one building of the row, which came or went.
    void RefreshGood(const Card& building);
    // Keeps only the cards `player` may build now with `goodsUsed` goods spent.
    void EnableBuildMode(const qlPlayer& player, Integer goodsUsed);
    void SetNumberOfRows(int rows);
    void SetEnableCheck(bool on);
    // Lets the cards grow with the room the holder is given, up to twice their size, while a
    // row of six still fits; without it they keep their size.
    void SetGrowth(bool on);
    qlCards SelectedCards() const;
    qlCards DiscardedCards() const;
    int CheckedCount() const;

    // The images, in card order (image 0 is kept, hidden, when there is no card).
    const std::vector<qlCardImage*>& Images() const { return mImages; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void CardClicked(int checkedCount);
    void CardHovered(const Card& card, int index);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Refresh();
    void LayOut();
    // The cards' scale in the holder's present room, and giving it to every image.
    double FittingScale() const;
    void Rescale();
    qlCardImage* NewImage();

    qlCards mCards;
    std::vector<qlCardImage*> mImages;
    const qlPlayer* mGoodsOf = nullptr;
    int mRows = 1;
    bool mEnableCheck = false;
    bool mGrowth = false;
    double mScale = 1;
};
