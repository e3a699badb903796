#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "core/Types.h"

class QLabel;
class QPushButton;
class QRect;
class QTimer;
class QWidget;
class frmCardChooser;
class frmHelp;
class qlGame;
class qlHintWorker;
struct Hint;

// What the table offers beside the game itself: the help window with the rules and the card
// reference (F1 or "Help"), and the hint (H or "Hint") at the human's role choice and at every
// card question the human is asked, which asks the expert computer player what it would do from
// the human's view.
class qlTableAids : public QObject {
    Q_OBJECT

  public:
    explicit qlTableAids(QWidget& table);
    ~qlTableAids() override;

    // The aids' buttons, followed on their row by `last`, and the hint's answer under them, for
    // the table's centre column.
    QWidget* NewButtons(QWidget* parent, QWidget* last);
    // Lets F1 open the help from `window` too: the table, and each question it shows.
    void AddKeysTo(QWidget& window);
    // The game the hints are asked about, with the human's seat; none once it is over.
    void SetGame(const qlGame* game, Integer humanSeat);
    // Gives the question a "Hint" button when it is one of the human's decisions.
    void EquipQuestion(frmCardChooser& chooser);
    // Opens the help window beside the table, or brings it to the front.
    void ShowHelp();

    QPushButton* cmdHint = nullptr;
    QLabel* lblHint = nullptr;

  private:
    // Where the table's settings begin, on the screen.
    QRect SettingsArea() const;
    // Follows whether the human is choosing a role: the hint button is offered only then, and
    // a hint's marks go once the choice is made.
    void FollowRoleChoice();
    void AskForRoleHint();
    void ShowRoleHint(const std::optional<Hint>& hint, Long rolesChosen);
    void ShowCardHint(const std::optional<Hint>& hint, QLabel& answer);
    void MarkRole(int role);

    QWidget& mTable;
    // Made at its first showing and placed then; after that it stays where the player puts it.
    std::unique_ptr<frmHelp> mHelp;
    const qlGame* mGame = nullptr;
    Integer mHumanSeat = 0;
    qlHintWorker* mWorker = nullptr;
    QTimer* mFollow = nullptr;
    QPointer<frmCardChooser> mQuestion;  // the question the hint button is in
    int mMarkedRole = -1;
};
