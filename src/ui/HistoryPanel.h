#pragma once

#include <QWidget>

class QPlainTextEdit;
class QToolButton;

// The history beside the hand: one line per move at the table, the newest at the bottom and
// kept in view, selectable and copyable (Ctrl+C). Its header folds it away to a narrow strip.
class HistoryPanel : public QWidget {
    Q_OBJECT

  public:
    explicit HistoryPanel(QWidget* parent = nullptr);

    // Adds a line at the bottom and scrolls to it.
    void AddLine(const QString& line);
    // All lines, in order, one per line.
    QString Text() const;
    void SetFolded(bool folded);
    bool Folded() const;

    QPlainTextEdit* txtHistory = nullptr;
    QToolButton* cmdFold = nullptr;
};
