// Quellin: the start dialog, then one game at the table.

#include <QApplication>
#include <QFont>
#include <QScreen>

#include "ui/frmMain.h"
#include "ui/frmStart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quellin");
    QApplication::setFont(QFont("DejaVu Sans", 10));
    frmStart start;
    if (start.exec() != QDialog::Accepted) {
        return 0;  // closed without a game
    }
    frmMain::Options options;
    options.numberOfPlayers = static_cast<Integer>(start.NumberOfPlayers());
    options.humanSeat = static_cast<Integer>(start.HumanSeat());
    options.strongComputers = start.StrongComputers();
    frmMain table(options);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        table.setGeometry(screen->availableGeometry());
    }
    table.showMaximized();
    app.exec();
    return table.ExitCode();
}
