#pragma once

#include <QDialog>

#include "game/CardChooser.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;
class InputGuard;
class qlCardHolder;

// The card question: the offered cards, OK once enough are checked, the cards that may still
// be checked, and a detail area with the hovered card's large picture and description. It
// closes only through OK, by a click, Enter, or its close timer.
class frmCardChooser : public QDialog, public CardChooser {
    Q_OBJECT

  public:
    explicit frmCardChooser(QWidget* parent = nullptr);

    void SetMinAmt(Integer amount) override;
    void SetMaxAmt(Integer amount) override;
    void SetAutoClose(Integer mode) override { mAutoClose = mode; }
    void SetTimeDelay(Integer halfSeconds) override;
    void SetStartImage(Integer roleIndex) override;
    void SetCardsActive(bool active) override;
    void SetCaption(const std::string& caption) override;
    void SetCards(const qlCards& cards) override;
    void ShowGoodsOf(const qlPlayer& seat) override;
    void AddCards(const qlCards& cards) override;
    void AddCard(Card card) override;
    void EnableBuildMode(const qlPlayer& player, Integer goodsUsed) override;
    void RemoveCrane() override;
    void HighlightCard(const Card& card) override;
    qlCards SelectedCards() const override;
    qlCards DiscardedCards() const override;
    // The compact form, without the detail area.
    void HideDetails();
    // Places a helper of the table's below the offer, left of OK.
    void AddAid(QWidget* aid);
    // Answers without being shown, with the first cards the question needs: the table is
    // closing, and the game only has to reach its next check.
    void ConfirmWithFirstCards();

    qlCardHolder* cardsChoice = nullptr;
    QPushButton* cmdOK = nullptr;
    QLineEdit* txtSelectionsLeft = nullptr;
    QLabel* lblSelectionsLeft = nullptr;
    QLabel* pctHoverPict = nullptr;
    QLabel* lblHoverDesc = nullptr;
    QLabel* lblCaption = nullptr;  // the question, also shown inside the window
    QTimer* tmrCloseMe = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}  // Esc does nothing: only OK answers
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnCardClicked(int count);
    void OnCardHovered(const Card& card, int index);
    void ShowStartImage();
    void OfferChanged();
    void FitToCards();

    Integer mMin = 0;
    Integer mMax = 0;
    Integer mAutoClose = 0;
    Integer mStartImage = 0;
    int mHovered = -1;
    bool mConfirmed = false;
    QWidget* mDetails = nullptr;
    InputGuard* mGuard = nullptr;
};

// Places a chooser over the main window for the seat area `seatIndex`, as the settings say,
// then keeps it wholly on the available area of the main window's screen. Where the window
// system places windows itself (Wayland), the chooser is a panel in the main window instead, at
// the same place over the table.
void PlaceChooser(frmCardChooser& chooser, QWidget& mainWindow, int seatIndex, bool cardDetails,
                  bool logicalPositions, int numberOfPlayers);
