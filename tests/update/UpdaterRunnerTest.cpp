#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "update/EventWait.h"
#include "update/JobFile.h"
#include "update/ProcessUpdaterRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <csignal>
#endif

namespace zz {
namespace {

using namespace std::chrono_literals;

class UpdaterRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_texts.LoadDefaultTexts();
        m_program = updaterProgramPath(m_dir.path());
        const QString built = QDir(test::binDir()).filePath(QStringLiteral("zz-standin-updater"));
        ASSERT_TRUE(QFile::copy(built, m_program)) << qPrintable(built);
        QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        JobRequest job;
        job.ipParts = {QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")};
        job.MasterDir = m_dir.filePath(QStringLiteral("MASTER"));
        job.ProjectDir = m_dir.filePath(QStringLiteral("PROJECTS/Demo"));
        writeJobFile(m_dir.path(), job);
    }

    void TearDown() override {
#ifndef Q_OS_WIN
        // A stand-in left running past the limit is not needed any more.
        if (m_leftRunning > 0)
            ::kill(static_cast<pid_t>(m_leftRunning), SIGKILL);
#endif
    }

    void standInSleeps(int ms) {
        test::writeFile(m_dir.filePath(QStringLiteral("standin-sleep-ms")), QByteArray::number(ms));
    }
    QByteArray marker() const {
        return test::readFile(m_dir.filePath(QStringLiteral("standin-run.txt")));
    }

    struct Ends {
        explicit Ends(UpdaterRunner& runner) {
            QObject::connect(&runner, &UpdaterRunner::finished,
                             [this](UpdaterEnd how) { seen.push_back(how); });
        }
        bool waitFor(std::size_t count, std::chrono::milliseconds limit = 10s) {
            return test::runEventsUntil([&] { return seen.size() >= count; }, limit);
        }
        std::vector<UpdaterEnd> seen;
    };

    QTemporaryDir m_dir;
    TextTable m_texts;
    QString m_program;
    qint64 m_leftRunning = 0;
};

TEST_F(UpdaterRunnerTest, RunsTheUpdaterWhichReadsTheJobAndReportsItsEnd) {
    standInSleeps(200);
    ProcessUpdaterRunner runner(m_texts, 20s);
    Ends ends(runner);

    ASSERT_TRUE(runner.Start_Program(m_program, QString(), false));
    EXPECT_TRUE(runner.isRunning());
    EXPECT_GT(runner.processId(), 0);
    ASSERT_TRUE(ends.waitFor(1));
    EXPECT_EQ(ends.seen, std::vector<UpdaterEnd>{UpdaterEnd::Ended});
    EXPECT_FALSE(runner.isRunning());
    EXPECT_FALSE(runner.isUpdaterAlive());
    EXPECT_GE(runner.elapsed(), 200ms);
    EXPECT_LT(runner.elapsed(), 20s);

    const QByteArray expected =
        "started\n"
        "IP_Address_Dev=127.0.0.1\n"
        "Ope_FileName=" +
        QDir::toNativeSeparators(m_dir.filePath("MASTER/Sim883.sim")).toUtf8() +
        "\n"
        "Ope_FileName=" +
        QDir::toNativeSeparators(m_dir.filePath("PROJECTS/Demo/bin/bank_k.bin")).toUtf8() +
        "\n"
        "Operations=2\n"
        "ended\n";
    EXPECT_EQ(marker(), expected);

    test::runEventsUntil([] { return false; }, 100ms);
    EXPECT_EQ(ends.seen.size(), 1u) << "reported once";
}

TEST_F(UpdaterRunnerTest, PassesTheCommandLine) {
    standInSleeps(0);
    ProcessUpdaterRunner runner(m_texts);
    Ends ends(runner);
    ASSERT_TRUE(runner.Start_Program(m_program, QStringLiteral("--job \"two words\""), true));
    ASSERT_TRUE(ends.waitFor(1));
    EXPECT_TRUE(marker().startsWith("started\narg=--job\narg=two words\nIP_Address_Dev=127.0.0.1\n"))
        << marker().toStdString();
}

TEST_F(UpdaterRunnerTest, GivesUpWaitingAtTheLimitAndLeavesTheUpdaterRunning) {
    standInSleeps(5000);
    ProcessUpdaterRunner runner(m_texts, 150ms);
    Ends ends(runner);
    ASSERT_TRUE(runner.Start_Program(m_program, QString(), false));
    m_leftRunning = runner.processId();
    EXPECT_FALSE(runner.Start_Program(m_program, QString(), false)) << "one updater at a time";

    ASSERT_TRUE(ends.waitFor(1));
    EXPECT_EQ(ends.seen, std::vector<UpdaterEnd>{UpdaterEnd::TimeLimitReached});
    EXPECT_GE(runner.elapsed(), 150ms);
    EXPECT_LT(runner.elapsed(), 5000ms);
    EXPECT_FALSE(runner.isRunning());
#ifndef Q_OS_WIN
    EXPECT_EQ(::kill(static_cast<pid_t>(m_leftRunning), 0), 0) << "the updater was not cut off";
    // Its end is no longer watched, so nothing more is reported.
    ::kill(static_cast<pid_t>(m_leftRunning), SIGKILL);
    m_leftRunning = 0;
    test::runEventsUntil([] { return false; }, 150ms);
#endif
    EXPECT_EQ(ends.seen.size(), 1u);
}

#ifndef Q_OS_WIN
TEST_F(UpdaterRunnerTest, AnUpdaterLeftRunningPastTheLimitBlocksTheNextStartUntilItEnds) {
    standInSleeps(5000);
    ProcessUpdaterRunner runner(m_texts, 100ms);
    Ends ends(runner);
    std::vector<std::chrono::milliseconds> realEnds;
    QObject::connect(&runner, &UpdaterRunner::updaterEnded,
                     [&](std::chrono::milliseconds after) { realEnds.push_back(after); });
    ASSERT_TRUE(runner.Start_Program(m_program, QString(), false));
    m_leftRunning = runner.processId();
    ASSERT_TRUE(ends.waitFor(1));
    EXPECT_FALSE(runner.isRunning());
    EXPECT_TRUE(runner.isUpdaterAlive());
    EXPECT_FALSE(runner.Start_Program(m_program, QString(), false)) << "the first one still runs";
    EXPECT_EQ(runner.processId(), m_leftRunning);
    EXPECT_TRUE(realEnds.empty());

    ::kill(static_cast<pid_t>(m_leftRunning), SIGKILL);
    ASSERT_TRUE(test::runEventsUntil([&] { return !realEnds.empty(); }, 10s)) << "its end is still watched";
    m_leftRunning = 0;
    EXPECT_FALSE(runner.isUpdaterAlive());
    EXPECT_GE(realEnds[0], 100ms);
    EXPECT_EQ(ends.seen.size(), 1u) << "the wait was over already";

    standInSleeps(0);
    ASSERT_TRUE(runner.Start_Program(m_program, QString(), false)) << "free again once it has ended";
    ASSERT_TRUE(ends.waitFor(2));
    EXPECT_EQ(ends.seen[1], UpdaterEnd::Ended);
    EXPECT_EQ(realEnds.size(), 2u);
}
#endif

TEST_F(UpdaterRunnerTest, TheDefaultLimitIs150Seconds) {
    EXPECT_EQ(ProcessUpdaterRunner(m_texts).timeLimit(), 150000ms);
    EXPECT_EQ(kUpdaterTimeLimit, 150s);
}

TEST_F(UpdaterRunnerTest, AMissingUpdaterIsAnErrorNamingIt) {
    ProcessUpdaterRunner runner(m_texts);
    Ends ends(runner);
    const QString missing = m_dir.filePath(QStringLiteral("nothing-here"));
    try {
        runner.Start_Program(missing, QString(), false);
        FAIL() << "no error";
    } catch (const UpdaterStartError& e) {
        EXPECT_EQ(e.kind(), UpdaterStartError::Kind::Missing);
        EXPECT_EQ(e.program(), missing);
        EXPECT_EQ(e.message(), m_texts[added::UpdaterMissing] + QDir::toNativeSeparators(missing));
    }
    EXPECT_FALSE(runner.isRunning());
    test::runEventsUntil([] { return false; }, 20ms);
    EXPECT_TRUE(ends.seen.empty());
}

#ifndef Q_OS_WIN
TEST_F(UpdaterRunnerTest, AnUpdaterThatCannotStartIsAnError) {
    QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner); // not executable, even for root
    ProcessUpdaterRunner runner(m_texts);
    Ends ends(runner);
    try {
        runner.Start_Program(m_program, QString(), false);
        FAIL() << "no error";
    } catch (const UpdaterStartError& e) {
        EXPECT_EQ(e.kind(), UpdaterStartError::Kind::NotStarted);
        EXPECT_TRUE(
            e.message().startsWith(m_texts[added::UpdaterNotStarted] + QDir::toNativeSeparators(m_program)))
            << e.message().toStdString();
    }
    EXPECT_FALSE(runner.isRunning());
    EXPECT_TRUE(marker().isEmpty());
    test::runEventsUntil([] { return false; }, 20ms);
    EXPECT_TRUE(ends.seen.empty());
}
#endif

TEST(UpdaterProgramPathTest, LiesInTheApplicationFolderWithThePlatformName) {
#ifdef Q_OS_WIN
    EXPECT_EQ(updaterProgramPath(QStringLiteral("C:\\App")), QStringLiteral("C:\\App\\Ethernet_Update.exe"));
#else
    EXPECT_EQ(updaterProgramPath(QStringLiteral("/opt/app")), QStringLiteral("/opt/app/Ethernet_Update"));
#endif
}

} // namespace
} // namespace zz
