#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;
class QTextBrowser;

// The help beside the table: the rules in short, and every building of the catalogue in use
// with its picture, cost, points, kind, copies and text, searchable by name. It is not modal:
// the game goes on while it is open.
class frmHelp : public QWidget {
    Q_OBJECT

  public:
    explicit frmHelp(QWidget* parent);

    // Shows the window in front, at the page last looked at.
    void Present();

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
