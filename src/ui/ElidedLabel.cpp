#include "ui/ElidedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent, int lines)
    : QLabel(text, parent), mLines(std::max(1, lines)) {
    setAlignment(Qt::AlignLeft | (mLines > 1 ? Qt::AlignTop : Qt::AlignVCenter));
}

QStringList ElidedLabel::ShownLines() const {
    const int width = contentsRect().width() - 2 * margin();
    const QFontMetrics metrics = fontMetrics();
    if (mLines == 1) {
        return {metrics.elidedText(text(), Qt::ElideRight, width)};
    }
    QTextLayout layout(text(), font());
    layout.beginLayout();
    QStringList shown;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (shown.size() + 1 == mLines) {  // the last line takes the rest, cut to fit
            shown.append(metrics.elidedText(text().mid(line.textStart()), Qt::ElideRight, width));
            break;
        }
        shown.append(text().mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return shown;
}

bool ElidedLabel::Elided() const {
    return ShownLines().join(' ').simplified() != text().simplified();
}

int ElidedLabel::LinesHeight() const {
    const QFontMetrics metrics = fontMetrics();
    const QMargins margins = contentsMargins();
    return (mLines - 1) * metrics.lineSpacing() + metrics.height() + margins.top() +
           margins.bottom() + 2 * margin();
}

// One line asks for the room of its whole text, as a plain label does.
QSize ElidedLabel::sizeHint() const {
    return {mLines == 1 ? QLabel::sizeHint().width() : minimumSizeHint().width(), LinesHeight()};
}

QSize ElidedLabel::minimumSizeHint() const {
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(QString::fromUtf8("M\u2026")) + margins.left() +
                margins.right() + 2 * margin(),
            LinesHeight()};
}

bool ElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        setToolTip(Elided() ? text() : QString());
    }
    return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(
        &painter, contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin())),
        static_cast<int>(alignment()), palette(), isEnabled(), ShownLines().join('\n'),
        foregroundRole());
}
