#include "WindowDriver.h"

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "ui/frmCardChooser.h"
#include "ui/frmShowMessage.h"
#include "ui/qlCardHolder.h"
#include "ui/qlCardImage.h"

namespace testing_support {

frmMain::Options TableOptions(Integer players, Integer human, std::uint64_t seed, const char* logs,
                              Long pause) {
    frmMain::Options options;
    options.numberOfPlayers = players;
    options.humanSeat = human;
    options.seedSource = Random::SeededSource(seed);
    options.pauseLength = pause;
    options.logFolder = std::filesystem::temp_directory_path() / logs;
    std::filesystem::remove_all(*options.logFolder);
    std::filesystem::create_directories(*options.logFolder);
    return options;
}

bool RunTable(frmMain& window, const std::function<void()>& tick) {
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, tick);
    driver.start(5);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&window, &frmMain::GameFinished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(60000, &window, [&window] { window.close(); });
    window.show();
    loop.exec();
    return finished;
}

bool AnswerOpen() {
    if (auto* chooser = Open<frmCardChooser>()) {
        for (qlCardImage* image : chooser->cardsChoice->Images()) {
            if (chooser->cmdOK->isEnabled() && chooser->cardsChoice->CheckedCount() > 0) {
                break;
            }
            if (image->ShownCard() && !image->Checked()) {
                QTest::mouseClick(image, Qt::LeftButton);
            }
        }
        QTest::mouseClick(chooser->cmdOK, Qt::LeftButton);
        return true;
    }
    if (auto* message = Open<frmShowMessage>()) {
        QTest::mouseClick(message->cmdOK, Qt::LeftButton);
        return true;
    }
    return false;
}

std::array<QPushButton*, 5> RoleButtons(const frmMain& window) {
    std::array<QPushButton*, 5> roles{};
    for (int i = 0; i < 5; ++i) {
        roles[static_cast<std::size_t>(i)] =
            window.findChild<QPushButton*>("cmdRoles" + QString::number(i));
    }
    return roles;
}

QRect InWindow(const QWidget& widget) {
    return {widget.mapTo(widget.window(), QPoint(0, 0)), widget.size()};
}

}  // namespace testing_support
