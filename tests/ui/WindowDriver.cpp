#include "WindowDriver.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "ui/TablePace.h"
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
    options.logFolder = FreshFolder(logs);
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

bool PlayOn(const frmMain& window) {
    return AnswerOpen() || TakeFreeRole(window);
}

InputGuard::Clock TickingClock() {
    return [ticks = qint64{0}]() mutable { return ticks += 1000; };
}

QString History(const frmMain& window) {
    return window.findChild<QPlainTextEdit*>("txtHistory")->toPlainText();
}

int JournalAnswers(const std::filesystem::path& journal) {
    std::error_code missing;
    if (!std::filesystem::exists(journal, missing)) {
        return 0;
    }
    std::ifstream in(journal, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return static_cast<int>(std::count(text.begin(), text.end(), '\n')) - 9;
}

QPushButton* Button(const QWidget& window, const QString& text) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

std::array<QPushButton*, 5> RoleButtons(const frmMain& window) {
    std::array<QPushButton*, 5> roles{};
    for (int i = 0; i < 5; ++i) {
        roles[static_cast<std::size_t>(i)] =
            window.findChild<QPushButton*>("cmdRoles" + QString::number(i));
    }
    return roles;
}

bool TakeFreeRole(const frmMain& window) {
    for (QPushButton* role : RoleButtons(window)) {
        if (role->isEnabled()) {
            role->click();
            return true;
        }
    }
    return false;
}

QRect InWindow(const QWidget& widget) {
    return {widget.mapTo(widget.window(), QPoint(0, 0)), widget.size()};
}

TableWatch::TableWatch(frmMain& window) : mWindow(window) {
    mClock.start();
    // The pause's end is its timer going off, seen before the table hears of it.
    mPauseTimer = window.findChild<TablePace*>()->findChild<QTimer*>();
    qApp->installEventFilter(this);
}

TableWatch::~TableWatch() {
    qApp->removeEventFilter(this);
}

bool TableWatch::eventFilter(QObject* watched, QEvent* event) {
    const QString name = watched->objectName();
    if (event->type() == QEvent::Paint) {
        if (watched == &mWindow) {
            mTablePaints.push_back(Now());
        } else if (name == "movingCard" || name == "drawnCard" || name == "turningRole") {
            auto [paints, first] = mMovePaints.try_emplace(watched);
            if (first) {
                connect(watched, &QObject::destroyed, this,
                        [this, watched] { MoveEnded(watched); });
            }
            paints->second.push_back(Now());
        }
    } else if (event->type() == QEvent::Timer && watched == mPauseTimer) {
        mReady = Now();
    } else if (event->type() == QEvent::Show && qobject_cast<frmCardChooser*>(watched)) {
        if (mReady >= 0) {
            mQuestionDelays.push_back(Now() - mReady);
        }
        mReady = -1;
    }
    return QObject::eventFilter(watched, event);
}

// A moving picture goes as its move ends, just before the table goes on.
void TableWatch::MoveEnded(QObject* picture) {
    const auto paints = mMovePaints.extract(picture);
    mReady = Now();
    const std::vector<double>& at = paints.mapped();
    if (at.size() >= 2) {
        mFrameRates.push_back(1000.0 * static_cast<double>(at.size() - 1) /
                              (at.back() - at.front()));
    }
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace testing_support
