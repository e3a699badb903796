#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;
class QTextBrowser;

// The help beside the table: the rules in short, and every building of the catalogue in use
// with its picture, cost, points, kind, copies and text, searchable by name. It is not modal:
// the game goes on while it is open. A window of its own, with no parent: as a child of the
// table it would need native windows for the table's widgets, and the table's questions would
// hold it.
class frmHelp : public QWidget {
    Q_OBJECT

  public:
    frmHelp();

    // Shows the window in front, at the page last looked at.
    void Present();
    // Where the help first opens, as a frame of `size` on `screen`: beside `table` where the
    // screen has room, right before left; else over the table from the top of its `settings`
    // down, so that the role buttons and the cities above them stay in view.
    static QRect Place(const QRect& screen, const QRect& table, const QRect& settings, QSize size);

    QTabWidget* tabs = nullptr;
    QTextBrowser* txtRules = nullptr;
    QLineEdit* txtSearch = nullptr;
    QTableWidget* grdCards = nullptr;
    QLabel* lblCatalogueError = nullptr;  // why the catalogue could not be read, if it could not

  private:
    QWidget* BuildCardReference();
    void FillCards();
    void Search(const QString& text);
};
