#include "ui/ScoreViews.h"

#include <QEvent>
#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWidget>
#include <string>

#include "game/ScoreDetails.h"
#include "game/qlGame.h"
#include "players/qlPlayer.h"

namespace {

// Follows a points label: its seat's breakdown is computed when it is asked for, so it is
// always the current one.
class PointsExplainer : public QObject {
  public:
    explicit PointsExplainer(QWidget& label) : QObject(&label), mLabel(label) {
        setObjectName("pointsExplainer");
        label.installEventFilter(this);
    }
    void SetSeat(const qlPlayer* seat) {
        mSeat = seat;
        mLabel.setCursor(seat ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!mSeat) {
            return false;
        }
        if (event->type() == QEvent::ToolTip) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Text(), &mLabel);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            QToolTip::showText(mLabel.mapToGlobal(QPoint(0, mLabel.height())), Text(), &mLabel);
            return true;
        }
        return false;
    }

  private:
    QString Text() const {
        const int points = mSeat->Points();
        QString text = QString("Player %1: %2 point%3")
                           .arg(mSeat->PlayerNumber())
                           .arg(points)
                           .arg(points == 1 ? "" : "s");
        for (const std::string& line : mSeat->PointsBreakdown().Lines()) {
            text += "\n" + QString::fromStdString(line);
        }
        return text;
    }

    QWidget& mLabel;
    const qlPlayer* mSeat = nullptr;
};

QLabel* DetailsLabel(const std::string& text, QWidget* parent) {
    QString lines = QString::fromStdString(text);
    while (lines.endsWith('\n')) {
        lines.chop(1);
    }
    auto* label = new QLabel(lines, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return label;
}

}  // namespace

void ExplainPoints(QWidget& label, const qlPlayer* seat) {
    auto* explainer =
        label.findChild<PointsExplainer*>("pointsExplainer", Qt::FindDirectChildrenOnly);
    if (!explainer) {
        explainer = new PointsExplainer(label);
    }
    explainer->SetSeat(seat);
}

QWidget* NewScoreDetails(const qlGame& game, QWidget* parent) {
    auto* details = new QWidget(parent);
    details->setObjectName("scoreDetails");
    auto* grid = new QGridLayout(details);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(24);
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        // The seat's name in bold over its parts.
        const std::string text = SeatScoreDetails(game, n);
        const std::size_t endOfName = text.find('\n');
        auto* seat = new QVBoxLayout;
        QLabel* name = DetailsLabel(text.substr(0, endOfName), details);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        seat->addWidget(name);
        seat->addWidget(DetailsLabel(text.substr(endOfName + 1), details));
        seat->addStretch();
        grid->addLayout(seat, (n - 1) / 2, (n - 1) % 2);
    }
    if (const std::string tie = TieBreakText(game); !tie.empty()) {
        QLabel* label = DetailsLabel(tie, details);
        label->setWordWrap(true);
        grid->addWidget(label, 2, 0, 1, 2);
    }
    grid->setRowStretch(3, 1);
    return details;
}
