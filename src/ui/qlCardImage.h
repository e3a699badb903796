#pragma once

#include <QWidget>

#include "cards/Card.h"

class qlPlayer;

// One card in a row: its small picture, a highlight frame, and a marker while a good lies on
// it. A click checks it, or unchecks it when it is framed or checking is off; Space does the
// same for the keyboard.
class qlCardImage : public QWidget {
    Q_OBJECT
    // How strongly the good's marker shows: 1 while a good lies on the card, 0 while none does,
    // in between while one fades on or off.
    Q_PROPERTY(double goodOpacity READ GoodOpacity WRITE SetGoodOpacity)

  public:
    explicit qlCardImage(QWidget* parent = nullptr);

    // An image's size at scale 1; SetScale(s) makes it s times that.
    static QSize BaseSize();
    void SetScale(double scale);

    const Card& ShownCard() const { return mCard; }
    void SetCard(Card card);
    bool Highlight() const { return mHighlight; }
    void SetHighlight(bool on);
    bool Checked() const { return mChecked; }
    void SetChecked(bool on);  // a checked image is framed
    void SetEnableCheck(bool on) { mEnableCheck = on; }
    // The seat whose city the card lies in, which knows its good; nothing for a card that
    // carries none (in a hand, or anywhere no good is shown).
    void SetGoodsOf(const qlPlayer* seat);
    // Shows the card's good as its seat has it now.
    void RefreshGoodImage();
    bool GoodShown() const { return mGoodShown; }
    double GoodOpacity() const { return mGoodOpacity; }
    void SetGoodOpacity(double opacity);
    // Where the picture and the good's marker are drawn; the marker leaves the points readable.
    QRect PictureRect() const;
    QRectF GoodMarker() const;

    QSize sizeHint() const override;

  signals:
    void Click();
    void Hover();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void Toggle();

    Card mCard;
    const qlPlayer* mSeat = nullptr;
    bool mHighlight = false;
    bool mChecked = false;
    bool mEnableCheck = false;
    bool mGoodShown = false;
    double mGoodOpacity = 0;
    double mScale = 1;
};
