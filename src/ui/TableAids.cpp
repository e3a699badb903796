#include "ui/TableAids.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "cards/qlCard.h"
#include "game/Hint.h"
#include "game/qlGame.h"
#include "ui/ElidedLabel.h"
#include "ui/HintWorker.h"
#include "ui/frmCardChooser.h"
#include "ui/frmHelp.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

namespace {

const char* const kThinking = "Thinking...";
const char* const kNoHint = "No hint: the look-ahead failed.";
const char* const kMarkStyle = "QPushButton { border: 3px solid #1d5fd0; font-weight: bold; }";

QPushButton* HintButton(QWidget* parent) {
    auto* button = new QPushButton("Hint", parent);
    button->setObjectName("cmdHint");
    button->setToolTip("What the expert computer player would do in your place (H)");
    return button;
}

QLabel* HintAnswer(QLabel* label) {
    label->setObjectName("lblHint");
    label->setAccessibleName("Hint");
    return label;
}

}  // namespace

qlTableAids::qlTableAids(QWidget& table)
    : QObject(&table), mTable(table), mWorker(new qlHintWorker(this)), mFollow(new QTimer(this)) {
    mFollow->setInterval(150);
    connect(mFollow, &QTimer::timeout, this, &qlTableAids::FollowRoleChoice);
    // Not the button's own key: H works from the first moment of the choice, before the
    // button has followed it.
    auto* hint = new QShortcut(QKeySequence(Qt::Key_H), &table);
    connect(hint, &QShortcut::activated, this, &qlTableAids::AskForRoleHint);
}

QWidget* qlTableAids::NewButtons(QWidget* parent, QWidget* last) {
    auto* aids = new QWidget(parent);
    auto* layout = new QVBoxLayout(aids);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    auto* cmdHelp = new QPushButton("Help", aids);
    cmdHelp->setObjectName("cmdHelp");
    cmdHelp->setToolTip("The rules and every card (F1)");
    connect(cmdHelp, &QPushButton::clicked, this, &qlTableAids::ShowHelp);
    buttons->addWidget(cmdHelp);
    cmdHint = HintButton(aids);
    cmdHint->setEnabled(false);
    connect(cmdHint, &QPushButton::clicked, this, &qlTableAids::AskForRoleHint);
    buttons->addWidget(cmdHint);
    buttons->addWidget(last);
    layout->addLayout(buttons);
    // Two lines from the start: an answer appearing moves nothing around it.
    lblHint = HintAnswer(new ElidedLabel("", aids, 2));
    layout->addWidget(lblHint);
    return aids;
}

void qlTableAids::AddKeysTo(QWidget& window) {
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    connect(help, &QShortcut::activated, this, &qlTableAids::ShowHelp);
}

void qlTableAids::SetGame(const qlGame* game, Integer humanSeat) {
    mWorker->Stop();
    mGame = game;
    mHumanSeat = humanSeat;
    if (game) {
        mFollow->start();
    } else {
        mFollow->stop();
    }
    FollowRoleChoice();
}

qlTableAids::~qlTableAids() = default;

void qlTableAids::ShowHelp() {
    if (!mHelp) {
        mHelp = std::make_unique<frmHelp>();
        // Its frame is not known before it is shown: the window system will frame it as the table.
        const QSize frame = mTable.frameGeometry().size() - mTable.size();
        const QRect place =
            frmHelp::Place(mTable.screen()->availableGeometry(), mTable.frameGeometry(),
                           SettingsArea(), mHelp->size() + frame);
        mHelp->resize(place.size() - frame);
        mHelp->move(place.topLeft());  // a window's position is its frame's
    }
    mHelp->Present();
}

// The first group of the table's settings, on the screen; the help may open over it.
QRect qlTableAids::SettingsArea() const {
    for (const QGroupBox* group : mTable.findChildren<QGroupBox*>()) {
        if (group->title() == "Selector Behavior") {
            return {group->mapToGlobal(QPoint()), group->size()};
        }
    }
    return mTable.frameGeometry();
}

void qlTableAids::FollowRoleChoice() {
    const bool choosing = mGame && mGame->HumanChoosesRole();
    cmdHint->setEnabled(choosing && !mWorker->Busy());
    if (!choosing) {
        MarkRole(-1);
        lblHint->clear();
    }
}

void qlTableAids::AskForRoleHint() {
    if (!mGame || !mGame->HumanChoosesRole() || mWorker->Busy()) {
        return;
    }
    const Long rolesChosen = mGame->RolesChosen();
    lblHint->setText(kThinking);
    cmdHint->setEnabled(false);
    mWorker->Start(*mGame, mHumanSeat, [this, rolesChosen](const std::optional<Hint>& hint) {
        ShowRoleHint(hint, rolesChosen);
    });
}

// A hint that comes after the choice it was asked for is dropped.
void qlTableAids::ShowRoleHint(const std::optional<Hint>& hint, Long rolesChosen) {
    if (!mGame || !mGame->HumanChoosesRole() || mGame->RolesChosen() != rolesChosen) {
        return;
    }
    lblHint->setText(hint ? QString::fromStdString("Hint: " + hint->Text()) : kNoHint);
    MarkRole(hint ? hint->choice.role : -1);
    FollowRoleChoice();
}

void qlTableAids::MarkRole(int role) {
    if (role == mMarkedRole) {
        return;
    }
    for (int index : {mMarkedRole, role}) {
        if (auto* button = mTable.findChild<QPushButton*>("cmdRoles" + QString::number(index))) {
            button->setStyleSheet(index == role ? kMarkStyle : "");
        }
    }
    mMarkedRole = role;
}

void qlTableAids::EquipQuestion(frmCardChooser& chooser) {
    // A card question of the human's, not a computer seat's choice shown to the human.
    const Decision pending = mGame ? mGame->Pending() : Decision{};
    if (pending.kind == DecisionKind::None || pending.kind == DecisionKind::Role ||
        pending.seat != mHumanSeat) {
        return;
    }
    auto* aid = new QWidget(&chooser);
    auto* layout = new QHBoxLayout(aid);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* button = HintButton(aid);
    button->setShortcut(QKeySequence(Qt::Key_H));
    QLabel* answer = HintAnswer(new QLabel(aid));
    answer->setWordWrap(true);
    answer->setMinimumWidth(260);
    layout->addWidget(button);
    layout->addWidget(answer, 1);
    chooser.AddAid(aid);
    mQuestion = &chooser;
    connect(&chooser, &QObject::destroyed, mWorker, &qlHintWorker::Stop);
    connect(button, &QPushButton::clicked, this, [this, button, answer] {
        if (!mQuestion || mWorker->Busy()) {
            return;
        }
        answer->setText(kThinking);
        button->setEnabled(false);
        mWorker->Start(*mGame, mHumanSeat, [this, answer](const std::optional<Hint>& hint) {
            ShowCardHint(hint, *answer);
        });
    });
}

// Marks the cards the hint would check with a tag of their own: a framed card would read as
// checked.
void qlTableAids::ShowCardHint(const std::optional<Hint>& hint, QLabel& answer) {
    answer.setText(hint ? QString::fromStdString("Hint: " + hint->Text()) : kNoHint);
    if (!hint) {
        return;
    }
    for (qlCardImage* image : mQuestion->cardsChoice->Images()) {
        if (image->ShownCard() && hint->choice.cards.Contains(image->ShownCard())) {
            auto* tag = new QLabel("HINT", image);
            tag->setObjectName("hintTag");
            tag->setStyleSheet(
                "background: #1d5fd0; color: white; font-weight: bold; padding: 0 3px;");
            tag->setAttribute(Qt::WA_TransparentForMouseEvents);
            tag->adjustSize();
            tag->move((image->width() - tag->width()) / 2, image->height() - tag->height() - 14);
            tag->show();
        }
    }
}
