#pragma once

#include <QObject>

class QWidget;
class frmHelp;

// What the table offers beside the game itself: the help window with the rules and the card
// reference, opened by F1 or the "Help" button.
class qlTableAids : public QObject {
    Q_OBJECT

  public:
    explicit qlTableAids(QWidget& table);

    // The aids' buttons, for the table's centre column.
    QWidget* NewButtons(QWidget* parent);
    // Lets the aids' keys work in `window` too: the table, and each question it shows.
    void AddKeysTo(QWidget& window);
    // Opens the help window beside the table, or brings it to the front.
    void ShowHelp();

  private:
    QWidget& mTable;
    frmHelp* mHelp = nullptr;  // made at its first showing, a child of the table
};
