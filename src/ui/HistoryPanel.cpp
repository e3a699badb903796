#include "ui/HistoryPanel.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kOpenCaption = "History \u25be";
const char* const kFoldedCaption = "\u25c2 History";

}  // namespace

HistoryPanel::HistoryPanel(QBoxLayout& buttonRow, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdFold = new QToolButton(this);
    cmdFold->setObjectName("cmdHistoryFold");
    cmdFold->setText(kOpenCaption);
    cmdFold->setToolTip(
        "Fold the history away or open it.\nSpace or a click on the table "
        "hurries a computer seat; Ctrl+Space skips to your turn.");
    cmdFold->setAutoRaise(true);
    cmdFold->setFocusPolicy(Qt::NoFocus);
    buttonRow.addWidget(cmdFold);
    txtHistory = new QPlainTextEdit(this);
    txtHistory->setObjectName("txtHistory");
    txtHistory->setAccessibleName("History");
    txtHistory->setReadOnly(true);
    txtHistory->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtHistory->setFocusPolicy(Qt::ClickFocus);
    txtHistory->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(txtHistory, 1);
    connect(cmdFold, &QToolButton::clicked, this, [this] { SetFolded(!Folded()); });
}

void HistoryPanel::AddLine(const QString& line) {
    txtHistory->appendPlainText(line);
    txtHistory->verticalScrollBar()->setValue(txtHistory->verticalScrollBar()->maximum());
}

void HistoryPanel::Clear() {
    txtHistory->clear();
}

QString HistoryPanel::Text() const {
    return txtHistory->toPlainText();
}

void HistoryPanel::SetFolded(bool folded) {
    setVisible(!folded);
    cmdFold->setText(folded ? kFoldedCaption : kOpenCaption);
}

bool HistoryPanel::Folded() const {
    return isHidden();
}
