#include "update/UpdateProgressWindow.h"

#include "lang/TextTable.h"
#include "support/GuiFakes.h"
#include "update/UpdaterRunner.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zz {
namespace {

using namespace std::chrono_literals;

// A runner whose updater runs as long as the test says and whose clock the test sets.
class FakeUpdaterRunner : public UpdaterRunner {
public:
    bool Start_Program(const QString&, const QString&, bool) override {
        running = true;
        return true;
    }
    bool isRunning() const override { return running; }
    bool isUpdaterAlive() const override { return running; }
    std::chrono::milliseconds elapsed() const override { return now; }
    std::chrono::milliseconds timeLimit() const override { return 150s; }

    void end(UpdaterEnd how) {
        running = false;
        emit finished(how);
    }

    bool running = false;
    std::chrono::milliseconds now{0};
};

class UpdateProgressWindowTest : public ::testing::Test {
protected:
    void SetUp() override { texts.LoadDefaultTexts(); }
    TextTable texts;
    FakeUpdaterRunner runner;
};

TEST_F(UpdateProgressWindowTest, CountsTheSecondsAndClosesWhenTheUpdaterEnds) {
    runner.Start_Program({}, {}, false);
    UpdateProgressWindow window(texts, runner, nullptr, 5ms);
    auto* label = window.findChild<QLabel*>(QStringLiteral("L_Progress"));
    ASSERT_NE(label, nullptr);
    QStringList seen;
    bool closedByUser = true;
    test::whenModalOpens(QStringLiteral("FUpdateProgress"), [&](QWidget*) {
        seen.append(label->text());
        runner.now = 3999ms;
        test::waitUntil([&] { return label->text() != seen.last(); }, 2000);
        seen.append(label->text());
        runner.now = 151000ms;
        test::waitUntil([&] { return label->text() != seen.last(); }, 2000);
        seen.append(label->text());
        window.close();
        QTest::keyClick(&window, Qt::Key_Escape);
        closedByUser = !window.isVisible();
        runner.end(UpdaterEnd::TimeLimitReached);
    });
    window.waitForUpdater();
    EXPECT_EQ(seen,
              (QStringList{"The update program is running... 0 s", "The update program is running... 3 s",
                           "The update program is running... 151 s"}));
    EXPECT_FALSE(closedByUser);
    EXPECT_FALSE(window.isVisible());
}

// Would hang if it waited; the guard ends such a wait.
void failIfItWaits(UpdateProgressWindow& window) {
    QTimer::singleShot(2000, &window, [&window] {
        ADD_FAILURE() << "the window waited for an updater that was not running";
        window.done(0);
    });
}

TEST_F(UpdateProgressWindowTest, ReturnsAtOnceWhenNoUpdaterRuns) {
    UpdateProgressWindow window(texts, runner, nullptr);
    failIfItWaits(window);
    window.waitForUpdater();
    EXPECT_FALSE(window.isVisible());

    // An updater that ended before the window could wait for it.
    runner.Start_Program({}, {}, false);
    UpdateProgressWindow late(texts, runner, nullptr);
    runner.end(UpdaterEnd::Ended);
    failIfItWaits(late);
    late.waitForUpdater();
    EXPECT_FALSE(late.isVisible());
}

} // namespace
} // namespace zz
