// Quellin: the command line, the start dialog, then one game at the table.

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>

#include "AppOptions.h"
#include "LogPlace.h"
#include "core/DataFolder.h"
#include "core/ProgramFolder.h"
#include "ui/SessionEnd.h"
#include "ui/frmMain.h"
#include "ui/frmStart.h"

namespace {

void Preselect(frmStart& start, const AppOptions& options) {
    if (options.players) {
        start.optPlayers[static_cast<std::size_t>(*options.players - 2)]->setChecked(true);
    }
    if (options.seat) {
        start.optSeating[static_cast<std::size_t>(*options.seat - 1)]->setChecked(true);
    }
    if (options.strong) {
        (*options.strong ? start.optStrong : start.optStandard)->setChecked(true);
    }
}

// A fault that ends the program before any game: on the terminal and in a message box, since a
// game started from the menu has no terminal. The box is shown by the application's own loop,
// which ends once it is closed (or the session ends).
void TellAndEnd(QApplication& app, const std::string& text) {
    std::cerr << "quellin: " << text << "\n";
    QMessageBox box(QMessageBox::Critical, "Quellin", QString::fromStdString(text));
    QObject::connect(&box, &QMessageBox::finished, &app, &QApplication::quit);
    box.show();
    app.exec();
}

// The table for the game the start dialog set, shown maximised. A game without a given seed
// takes one from the clock once, so that it can be replayed.
std::unique_ptr<frmMain> OpenTable(const frmStart& start, std::optional<std::uint64_t> givenSeed,
                                   const std::filesystem::path& dataFolder) {
    const std::uint64_t seed = givenSeed.value_or(Random::TimeOfDaySource()());
    frmMain::Options table;
    table.numberOfPlayers = static_cast<Integer>(start.NumberOfPlayers());
    table.humanSeat = static_cast<Integer>(start.HumanSeat());
    table.strongComputers = start.StrongComputers();
    table.seedSource = Random::SeededSource(seed);
    const std::string userFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    // Logs stay beside data that sits beside the program (a build folder or an unpacked copy);
    // an installed data folder belongs to the package manager, even for a user who may write it.
    std::vector<std::filesystem::path> logFolders;
    if (dataFolder == ProgramFolder()) {
        logFolders.push_back(dataFolder);
    }
    if (!userFolder.empty()) {
        logFolders.push_back(userFolder);
    }
    const LogPlace logs =
        PlaceLogs(logFolders, std::to_string(seed) + "\n" +
                                  ReplayCommand(seed, start.NumberOfPlayers(), start.HumanSeat(),
                                                start.StrongComputers()) +
                                  "\n");
    table.logFolder = logs.folder;
    auto window = std::make_unique<frmMain>(table);
    window->setWindowTitle(QString("Quellin - seed %1").arg(seed));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window->setGeometry(screen->availableGeometry());
    }
    window->showMaximized();
    if (!logs.folder) {
        std::cerr << "quellin: " << logs.notice << "\n";
        auto* box =
            new QMessageBox(QMessageBox::Warning, "Quellin", QString::fromStdString(logs.notice),
                            QMessageBox::Ok, window.get());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    }
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    AppOptions options;
    try {
        options = ParseAppOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::cerr << "quellin: " << error.what() << " (quellin --help lists the options)\n";
        return 2;
    }
    if (options.help || options.version) {
        std::cout << (options.help ? kAppHelp : "quellin " QUELLIN_VERSION "\n");
        return 0;
    }
    if (options.resume) {
        std::cerr << "quellin: there is no unfinished game to take up\n";
        return 1;
    }
    QApplication app(argc, argv);
    const SessionEnd sessionEnd;  // a logout closes the windows as the player would
    QApplication::setApplicationName("Quellin");
    QApplication::setFont(QFont("DejaVu Sans", 10));
    std::filesystem::path dataFolder;
    try {
        dataFolder = DataFolder();
    } catch (const std::runtime_error& error) {
        TellAndEnd(app, error.what());
        return 1;
    }
    frmStart start;
    Preselect(start, options);
    // The start dialog and then the table, each shown by the application's own event loop; the
    // program ends when the dialog is closed without a game or once the table has closed.
    QApplication::setQuitOnLastWindowClosed(false);
    std::unique_ptr<frmMain> window;
    QObject::connect(&start, &QDialog::rejected, &app, &QApplication::quit);
    QObject::connect(&start, &QDialog::accepted, &app, [&] {
        window = OpenTable(start, options.seed, dataFolder);
        QObject::connect(window.get(), &frmMain::GameFinished, &app, &QApplication::quit,
                         Qt::QueuedConnection);
    });
    if (options.start) {
        start.accept();
    } else {
        start.show();
    }
    app.exec();
    return window ? window->ExitCode() : 0;
}
