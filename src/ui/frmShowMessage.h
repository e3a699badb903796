#pragma once

#include <QDialog>
#include <functional>

class InputGuard;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;

// One message with a role picture and OK; it may close itself after the delay.
class frmShowMessage : public QDialog {
    Q_OBJECT

  public:
    explicit frmShowMessage(QWidget* parent = nullptr);

    void SetAutoClose(int autoClose) { mAutoClose = autoClose != 0; }
    void SetTimeDelay(int halfSeconds);
    void SetRoleIndex(int index);
    void SetMyMessage(const QString& text);
    // The informational form: smaller, with its own caption.
    void SetInformational(bool informational);
    // Adds a "Details" button that shows or hides `details` beside the message.
    void SetDetails(QWidget* details);
    // Adds, left of OK, "Play Again", which closes the message with kPlayAgain, and "Look at the
    // Table", which hides it (LookingAtTable) until it is shown again.
    void AddEndChoices();
    static constexpr int kPlayAgain = 2;
    Q_SIGNAL void LookingAtTable();

    QLabel* pctRoleImage = nullptr;
    QLabel* lblMyMessage = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdDetails = nullptr;    // only with details
    QPushButton* cmdPlayAgain = nullptr;  // only with the end choices
    QPushButton* cmdLookAtTable = nullptr;
    QTimer* tmrCloseMe = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CentreOnScreen(int middle);
    // The row of buttons that ends in OK, made at the first button added beside it.
    QHBoxLayout& ButtonRow();
    QPushButton* RowButton(const QString& caption);

    bool mAutoClose = false;
    QHBoxLayout* mButtons = nullptr;
    InputGuard* mGuard = nullptr;
};

// Opens a message over `parent`, beside the table and not modal, and returns it; it deletes
// itself once closed (its finished signal says when). With "Status Messages" checked an
// informational message closes itself after the delay; the final scores never do. `details`,
// when given, makes the details the "Details" button shows.
frmShowMessage* OpenMessageWindow(
    QWidget* parent, int informational, int roleIndex, const QString& text, bool statusMessages,
    int delayHalfSeconds, const std::function<QWidget*(QWidget* parent)>& details = nullptr);
