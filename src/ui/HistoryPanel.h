#pragma once

#include <QWidget>

class QBoxLayout;
class QPlainTextEdit;
class QToolButton;

// The history beside the hand: one line per move at the table, the newest at the bottom and
// kept in view, selectable and copyable (Ctrl+C). Its fold button stands outside it, so that the
// folded history gives all of its room to its neighbours.
class HistoryPanel : public QWidget {
    Q_OBJECT

  public:
    // The fold button goes at the end of `buttonRow`.
    HistoryPanel(QBoxLayout& buttonRow, QWidget* parent = nullptr);

    // Adds a line at the bottom and scrolls to it.
    void AddLine(const QString& line);
    // Empties the history for a new game.
    void Clear();
    // All lines, in order, one per line.
    QString Text() const;
    void SetFolded(bool folded);
    bool Folded() const;

    QPlainTextEdit* txtHistory = nullptr;
    QToolButton* cmdFold = nullptr;
};
