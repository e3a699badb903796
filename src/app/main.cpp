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
#include "UnfinishedGame.h"
#include "core/DataFolder.h"
#include "core/ProgramFolder.h"
#include "ui/RecordStore.h"
#include "ui/SessionEnd.h"
#include "ui/frmMain.h"
#include "ui/frmStart.h"
#include "ui/frmStatistics.h"

namespace {

void Preselect(frmStart& start, const AppOptions& options) {
    if (options.players) {
        start.optPlayers[static_cast<std::size_t>(*options.players - 2)]->setChecked(true);
    }
    if (options.seat) {
        start.optSeating[static_cast<std::size_t>(*options.seat - 1)]->setChecked(true);
    }
    if (options.computers) {
        start.optComputers[static_cast<std::size_t>(*options.computers)]->setChecked(true);
    }
    if (options.seed) {
        start.Preset(start.NumberOfPlayers(), start.HumanSeat(), start.Computers(), options.seed);
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

// The table's settings for a game of `players` with the human in `seat`, with its seed and its
// record.
frmMain::Options TableFor(int players, int seat, ComputerLevel computers, std::uint64_t seed,
                          RecordStore& record) {
    frmMain::Options table;
    table.numberOfPlayers = static_cast<Integer>(players);
    table.humanSeat = static_cast<Integer>(seat);
    table.computers = computers;
    table.seedSource = Random::SeededSource(seed);
    table.seed = seed;
    table.record = &record;
    return table;
}

// The table's settings for the game the start dialog sets.
frmMain::Options TableFor(const frmStart& start, std::uint64_t seed, RecordStore& record) {
    return TableFor(start.NumberOfPlayers(), start.HumanSeat(), start.Computers(), seed, record);
}

// The table's settings for the unfinished game, taken up from its journal.
frmMain::Options TableFor(const JournalHeader& game, RecordStore& record) {
    frmMain::Options table =
        TableFor(game.players, game.humanSeat, game.computers, game.seed, record);
    table.resumed = true;
    return table;
}

// Places the logs of the game `table` sets; returns why no logs are kept, if none are.
std::string PlaceTableLogs(frmMain::Options& table, const std::filesystem::path& dataFolder) {
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
    const LogPlace logs = PlaceLogs(
        logFolders,
        std::to_string(table.seed) + "\n" +
            ReplayCommand(table.seed, table.numberOfPlayers, table.humanSeat, table.computers) +
            "\n");
    table.logFolder = logs.folder;
    return logs.folder ? "" : logs.notice;
}

// The table's title names its game's seed; a game without logs says why over the table.
void ShowTableStart(frmMain& window, const std::string& logNotice) {
    window.setWindowTitle(QString("Quellin - seed %1").arg(window.GameOptions().seed));
    if (!logNotice.empty()) {
        std::cerr << "quellin: " << logNotice << "\n";
        auto* box = new QMessageBox(QMessageBox::Warning, "Quellin",
                                    QString::fromStdString(logNotice), QMessageBox::Ok, &window);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    }
}

// The table for the game `table` sets, shown maximised, its journal kept at `journalFile`.
std::unique_ptr<frmMain> OpenTable(frmMain::Options table, const std::filesystem::path& dataFolder,
                                   const std::optional<std::filesystem::path>& journalFile) {
    table.journalFile = journalFile;
    const std::string logNotice = PlaceTableLogs(table, dataFolder);
    auto window = std::make_unique<frmMain>(table);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window->setGeometry(screen->availableGeometry());
    }
    window->showMaximized();
    ShowTableStart(*window, logNotice);
    return window;
}

// Another game at the same table, with the settings just played and a new seed; the start
// dialog keeps them for the next time it shows.
void PlayAgain(frmMain& window, frmStart& start, const std::filesystem::path& dataFolder) {
    frmMain::Options next = window.ForAnotherGame(Random::TimeOfDaySource()());
    const std::string logNotice = PlaceTableLogs(next, dataFolder);
    start.Preset(next.numberOfPlayers, next.humanSeat, next.computers, std::nullopt);
    window.NewGame(next);
    ShowTableStart(window, logNotice);
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
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QUELLIN_VERSION);
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
    RecordStore record(RecordStore::DefaultFile());
    std::optional<std::filesystem::path> journalFile;
    if (const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        !folder.isEmpty()) {
        journalFile = std::filesystem::path(folder.toStdString()) / "Journal.txt";
    }
    const UnfinishedGame unfinished =
        journalFile ? FindUnfinishedGame(*journalFile) : UnfinishedGame{};
    if (!unfinished.problem.empty()) {
        std::cerr << "quellin: " << unfinished.problem << "\n";
    }
    if (options.resume && !unfinished.game) {
        if (unfinished.problem.empty()) {
            std::cerr << "quellin: there is no unfinished game to take up\n";
        }
        return 1;
    }
    frmStart start;
    if (unfinished.game) {
        // A new game in its place starts as it did, unless the command line chooses otherwise.
        start.Preset(unfinished.game->players, unfinished.game->humanSeat,
                     unfinished.game->computers, std::nullopt);
        start.OfferResume(QString::fromStdString(unfinished.offer));
    }
    Preselect(start, options);
    frmStatistics statistics(record);
    QObject::connect(&start, &frmStart::StatisticsRequested, &statistics, &frmStatistics::Present);
    // The start dialog and then the table, each shown by the application's own event loop; the
    // program ends when the dialog is closed without a game or once the table has closed.
    QApplication::setQuitOnLastWindowClosed(false);
    std::unique_ptr<frmMain> window;
    QObject::connect(&start, &QDialog::rejected, &app, &QApplication::quit);
    QObject::connect(&start, &QDialog::accepted, &app, [&] {
        window = OpenTable(
            start.ResumeChosen()
                ? TableFor(*unfinished.game, record)
                : TableFor(start, start.Seed().value_or(Random::TimeOfDaySource()()), record),
            dataFolder, journalFile);
        QObject::connect(window.get(), &frmMain::GameFinished, &app, &QApplication::quit,
                         Qt::QueuedConnection);
        QObject::connect(window.get(), &frmMain::PlayAgainRequested, &app,
                         [&] { PlayAgain(*window, start, dataFolder); });
        QObject::connect(window.get(), &frmMain::StatisticsRequested, &statistics,
                         &frmStatistics::Present);
    });
    // A game replayed from the record: the start dialog comes back with its seed and settings,
    // once the table has no game in progress.
    QObject::connect(&statistics, &frmStatistics::ReplayRequested, &app,
                     [&](const GameRecord& game) {
                         if (window && window->GameInProgress()) {
                             statistics.Tell(
                                 "Finish the game at the table, or leave it (Exit), to replay "
                                 "another.");
                             return;
                         }
                         if (window) {
                             window->disconnect(&app);
                             window->close();
                             window.release()->deleteLater();
                         }
                         start.Preset(game.Players(), game.humanSeat, game.computers, game.seed);
                         start.show();
                         start.raise();
                     });
    if (options.start || options.resume) {
        if (options.start && start.optNewGame) {
            start.optNewGame->setChecked(true);
        }
        start.accept();
    } else {
        start.show();
        if (!unfinished.problem.empty()) {
            auto* box = new QMessageBox(QMessageBox::Warning, "Quellin",
                                        QString::fromStdString(unfinished.problem), QMessageBox::Ok,
                                        &start);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
        }
    }
    app.exec();
    return window ? window->ExitCode() : 0;
}
