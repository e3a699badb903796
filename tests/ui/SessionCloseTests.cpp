// The table under whatever platform the environment names (offscreen, X11 or Wayland): a seeded
// game is played, a question answered, and the session's end request (SIGTERM) arrives while the
// next question is open. The table closes at once, the game ends as Exit ends it, and the
// program's status is 0.

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPushButton>

#include "WindowDriver.h"
#include "support/TableHelpers.h"
#include "ui/SessionEnd.h"
#include "ui/frmCardChooser.h"
#include "ui/frmMain.h"

namespace {

TEST(Session, TheEndRequestClosesTheTableWhileAQuestionIsOpenAndTheGameEndsUnscored) {
    const SessionEnd sessionEnd;
    const frmMain::Options options =
        testing_support::TableOptions(2, 2, 4242, "quellin-session-end", 0);
    frmMain window(options);
    int answered = 0;
    QElapsedTimer signalled;
    ASSERT_TRUE(testing_support::RunTable(window, [&] {
        if (signalled.isValid()) {
            return;
        }
        if (testing_support::Open<frmCardChooser>() && answered > 0) {
            EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
            signalled.start();
            ::kill(::getpid(), SIGTERM);
        } else if (testing_support::AnswerOpen()) {
            ++answered;
        } else {
            for (QPushButton* role : testing_support::RoleButtons(window)) {
                if (role->isEnabled()) {
                    role->click();
                    break;
                }
            }
        }
    }));
    ASSERT_TRUE(signalled.isValid());
    EXPECT_LT(signalled.elapsed(), 1000);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.ExitCode(), 0);
    EXPECT_EQ(testing_support::ReadFile(*options.logFolder / "Log.txt"), "");  // unscored
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);  // on the platform QT_QPA_PLATFORM names
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
