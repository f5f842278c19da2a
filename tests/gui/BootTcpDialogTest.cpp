#include "app/Workspace.h"
#include "common/Xml.h"
#include "lang/AddedTexts.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"
#include "update/JobFile.h"
#include "update/SystemIcmpEcho.h"
#include "update/UBootTCP.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>

#ifndef Q_OS_WIN
#include <csignal>
#endif

namespace zz {
namespace {

using namespace std::chrono_literals;

const QColor kGreen{0, 128, 0};
const QColor kRed{255, 0, 0};

const char* const kAddressPageControls[] = {"L_IP_Address", "E_IP1",      "E_IP2",   "E_IP3",  "E_IP4",
                                            "Label2",       "Label3",     "Label4",  "L_Ping", "Btn_Ping",
                                            "LPing",        "Btn_Cancel", "Btn_Next"};
const char* const kOptionsPageControls[] = {"L_Options", "CB_Firmware",  "CB_Read_Firm",
                                            "CB_Conf",   "CB_Read_Conf", "Btn_Update"};

class BootTcpDialogTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFBootTCP> dialog;

    void SetUp() override {
        runWorkspaceStartUp(world.state, world.dir.path());
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/Plant/bin")));
        activateConfiguration(world.state, QStringLiteral("Plant"));
        createDialog();
    }

    void TearDown() override {
#ifndef Q_OS_WIN
        // A stand-in left running past the time limit is not needed any more.
        if (m_leftRunning > 0)
            ::kill(static_cast<pid_t>(m_leftRunning), SIGKILL);
#endif
    }

    void createDialog() {
        dialog = std::make_unique<TFBootTCP>(world.context, nullptr);
    }

    template <typename T = QWidget> T* control(const char* name) const {
        T* widget = dialog->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* edit(int i) const {
        return control<QLineEdit>(QStringLiteral("E_IP%1").arg(i).toUtf8().constData());
    }
    QString result() const {
        return control<QLabel>("LPing")->text();
    }
    QColor resultColor() const {
        return control<QLabel>("LPing")->palette().color(QPalette::WindowText);
    }
    QString text(int index) const {
        return world.state.Texts[index];
    }

    void typeAddress(const std::array<QString, 4>& parts) {
        for (int i = 0; i < 4; ++i) {
            edit(i + 1)->clear();
            QTest::keyClicks(edit(i + 1), parts[static_cast<std::size_t>(i)]);
        }
    }
    void clickPing() {
        QTest::mouseClick(control<FlatButton>("Btn_Ping"), Qt::LeftButton);
    }
    void waitForTheCheck() {
        ASSERT_TRUE(test::waitUntil([this] { return !dialog->isChecking(); }, 15000))
            << "the check never ended";
    }
    // Clicks Ping and waits until the check has told its outcome.
    void ping() {
        clickPing();
        EXPECT_TRUE(dialog->isChecking());
        waitForTheCheck();
    }
    void next() {
        QTest::mouseClick(control<FlatButton>("Btn_Next"), Qt::LeftButton);
    }
    void toOptionsPage() {
        world.echo->answerWith(EchoResult::Answered);
        ping();
        next();
        ASSERT_TRUE(dialog->onOptionsPage());
    }
    // The update button opens the modal progress window, so it is clicked the keyboard's way.
    void update() {
        control<FlatButton>("Btn_Update")->click();
    }

    void expectAddressPage() const {
        EXPECT_FALSE(dialog->onOptionsPage());
        for (const char* name : kAddressPageControls)
            EXPECT_TRUE(control(name)->isVisible()) << name;
        for (const char* name : kOptionsPageControls)
            EXPECT_FALSE(control(name)->isVisible()) << name;
    }

    qint64 m_leftRunning = 0;
};

TEST_F(BootTcpDialogTest, ShowsTheAddressPageWithItsTexts) {
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Update Firmware from Etherner (UDP)"));
    EXPECT_EQ(control<QLabel>("L_SW_Code")->text(), QStringLiteral("KT883"));
    EXPECT_EQ(control<QLabel>("L_SW_Desc")->text(), QStringLiteral("Update Firmware from Etherner (UDP)"));
    EXPECT_EQ(control<QLabel>("L_IP_Address")->text(), QStringLiteral("Insert the IP Address of KH883"));
    for (const char* dot : {"Label2", "Label3", "Label4"})
        EXPECT_EQ(control<QLabel>(dot)->text(), QStringLiteral(".")) << dot;
    EXPECT_EQ(control<QLabel>("L_Ping")->text(), QStringLiteral("Check the Connection the device"));
    EXPECT_EQ(control<FlatButton>("Btn_Ping")->text(), QStringLiteral("Ping"));
    EXPECT_EQ(control<FlatButton>("Btn_Cancel")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(control<FlatButton>("Btn_Next")->text(), QStringLiteral("Next"));
    EXPECT_EQ(control<QLabel>("L_Options")->text(), QStringLiteral("Update Device Options"));
    EXPECT_EQ(control<FlatButton>("Btn_Update")->text(), QStringLiteral("Execute update firmware"));
    const std::pair<const char*, const char*> boxes[] = {{"CB_Firmware", "Firmware"},
                                                         {"CB_Read_Firm", "Read Firmware when finish"},
                                                         {"CB_Conf", "Configuration"},
                                                         {"CB_Read_Conf", "Read Configuration when finish"}};
    for (const auto& [name, caption] : boxes) {
        EXPECT_EQ(control<QCheckBox>(name)->text(), QString::fromUtf8(caption));
        EXPECT_TRUE(control<QCheckBox>(name)->isChecked()) << name;
    }
    EXPECT_EQ(result(), QString());
    expectAddressPage();
    EXPECT_FALSE(dialog->Esegui_Ping);
}

TEST_F(BootTcpDialogTest, KeyboardOrderFollowsTheAddressButtonsBoxesAndPing) {
    const QStringList expected = {"E_IP1",        "E_IP2",      "E_IP3",        "E_IP4",
                                  "Btn_Cancel",   "Btn_Update", "Btn_Next",     "CB_Firmware",
                                  "CB_Read_Firm", "CB_Conf",    "CB_Read_Conf", "Btn_Ping"};
    QStringList seen;
    QWidget* widget = edit(1);
    do {
        if (expected.contains(widget->objectName()) && !seen.contains(widget->objectName()))
            seen.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != edit(1));
    EXPECT_EQ(seen, expected);
}

struct FillCase {
    const char* name;
    const char* remembered;
    std::array<const char*, 4> parts;
};

void PrintTo(const FillCase& c, std::ostream* os) {
    *os << c.name;
}

class BootTcpFillTest : public BootTcpDialogTest, public ::testing::WithParamInterface<FillCase> {};

// The edits hold 1.2.3.4 from an earlier opening; the remembered address replaces them only
// when it is a valid address.
TEST_P(BootTcpFillTest, FillsTheEditsFromTheRememberedAddress) {
    const FillCase& c = GetParam();
    for (int i = 1; i <= 4; ++i)
        edit(i)->setText(QString::number(i));
    world.state.LastIpAddress = QString::fromUtf8(c.remembered);
    dialog->show();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(edit(i + 1)->text(), QString::fromUtf8(c.parts[static_cast<std::size_t>(i)]))
            << "E_IP" << i + 1;
    EXPECT_EQ(world.state.LastIpAddress, QString::fromUtf8(c.remembered)) << "showing changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Table, BootTcpFillTest,
    ::testing::Values(FillCase{"Valid", "192.168.2.205", {"192", "168", "2", "205"}},
                      FillCase{"PartsAreTrimmed", "  10 . 0 .7 . 42 ", {"10", "0", "7", "42"}},
                      FillCase{"ThreePartsLeaveTheEdits", "10.0.0", {"1", "2", "3", "4"}},
                      FillCase{"PartAbove255LeavesTheEdits", "10.0.0.300", {"1", "2", "3", "4"}},
                      FillCase{"NotANumberLeavesTheEdits", "10.0.x.1", {"1", "2", "3", "4"}},
                      FillCase{"EmptyLeavesTheEdits", "", {"1", "2", "3", "4"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BootTcpDialogTest, ADotInTheFirstThreePartsMovesOnWithoutBeingTyped) {
    dialog->show();
    for (int i = 1; i <= 3; ++i) {
        edit(i)->setFocus();
        ASSERT_TRUE(test::waitUntil([&] { return dialog->focusWidget() == edit(i); }));
        const QString before = edit(i)->text();
        QTest::keyClick(edit(i), '.');
        EXPECT_EQ(edit(i)->text(), before) << "E_IP" << i;
        EXPECT_EQ(dialog->focusWidget(), edit(i + 1)) << "after E_IP" << i;
        // As after Tab, the next part is selected, so typing replaces it.
        EXPECT_EQ(edit(i + 1)->selectedText(), edit(i + 1)->text());
    }
    edit(4)->clear();
    QTest::keyClicks(edit(4), QStringLiteral("1.2"));
    EXPECT_EQ(edit(4)->text(), QStringLiteral("1.2")) << "the last part takes the dot";

    // A next part that cannot take the focus: the dot is still swallowed.
    edit(2)->setEnabled(false);
    edit(1)->setFocus();
    ASSERT_TRUE(test::waitUntil([&] { return dialog->focusWidget() == edit(1); }));
    QTest::keyClick(edit(1), '.');
    EXPECT_EQ(edit(1)->text(), QStringLiteral("192"));
    EXPECT_EQ(dialog->focusWidget(), edit(1));
}

TEST_F(BootTcpDialogTest, NextBeforeAnyCheckRefuses) {
    dialog->show();
    next();
    EXPECT_EQ(world.dialogs.errors, QStringList{QStringLiteral("Device not found in network")});
    expectAddressPage();
    EXPECT_EQ(world.state.LastIpAddress, QStringLiteral("192.168.2.205"));
}

struct PingCase {
    const char* name;
    EchoResult echo;
    int text;
    bool red;
};

void PrintTo(const PingCase& c, std::ostream* os) {
    *os << c.name;
}

class BootTcpPingTest : public BootTcpDialogTest, public ::testing::WithParamInterface<PingCase> {};

TEST_P(BootTcpPingTest, ShowsTheOutcomeAndGatesNext) {
    const PingCase& c = GetParam();
    dialog->show();
    typeAddress({"10", "0 ", "0", "1"});
    world.echo->answerWith(c.echo);
    ping();
    EXPECT_EQ(result(), text(c.text));
    EXPECT_EQ(resultColor(), c.red ? kRed : kGreen);
    EXPECT_EQ(world.echo->hosts().value(0), QStringLiteral("10.0 .0.1")) << "the texts as typed";

    next();
    if (c.red) {
        EXPECT_FALSE(dialog->Esegui_Ping);
        EXPECT_EQ(world.dialogs.errors, QStringList{QStringLiteral("Device not found in network")});
        expectAddressPage();
        EXPECT_EQ(world.state.LastIpAddress, QStringLiteral("192.168.2.205"));
    } else {
        EXPECT_TRUE(dialog->Esegui_Ping);
        EXPECT_TRUE(world.dialogs.errors.isEmpty());
        EXPECT_TRUE(dialog->onOptionsPage());
        for (const char* name : kAddressPageControls)
            EXPECT_FALSE(control(name)->isVisible()) << name;
        for (const char* name : kOptionsPageControls)
            EXPECT_TRUE(control(name)->isVisible()) << name;
        EXPECT_EQ(world.state.LastIpAddress, QStringLiteral("10.0 .0.1"));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BootTcpPingTest,
                         ::testing::Values(PingCase{"Answered", EchoResult::Answered, 69, false},
                                           PingCase{"NoAnswer", EchoResult::NoAnswer, 70, true},
                                           PingCase{"UnusableAddress", EchoResult::Error, 71, true},
                                           PingCase{"NoWayToPing", EchoResult::NoWayToPing,
                                                    added::NoWayToPing, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BootTcpDialogTest, TheLastAttemptDecides) {
    dialog->show();
    // An answer, then silence until the check's time has passed.
    world.echo->answerInTurn({EchoResult::Answered, EchoResult::NoAnswer});
    ping();
    EXPECT_EQ(result(), QStringLiteral("Device Not Found!"));
    EXPECT_GT(world.echo->requests(), 2);
}

TEST_F(BootTcpDialogTest, ASuccessThenAFailureRefusesNext) {
    dialog->show();
    world.echo->answerWith(EchoResult::Answered);
    ping();
    EXPECT_EQ(result(), QStringLiteral("Device Found!"));
    EXPECT_TRUE(dialog->Esegui_Ping);

    world.echo->answerWith(EchoResult::NoAnswer);
    clickPing();
    EXPECT_FALSE(dialog->Esegui_Ping) << "cleared when the check starts";
    waitForTheCheck();
    EXPECT_EQ(result(), QStringLiteral("Device Not Found!"));
    EXPECT_FALSE(dialog->Esegui_Ping);
    next();
    EXPECT_EQ(world.dialogs.errors.size(), 1);
    expectAddressPage();
}

TEST_F(BootTcpDialogTest, ASecondClickDuringACheckStartsNothingAndTheWindowStaysUsable) {
    dialog->show();
    world.echo->setAnswerDelay(60ms);
    clickPing();
    clickPing();
    // The window takes input while the check runs.
    EXPECT_TRUE(test::waitUntil([this] { return world.echo->requests() == 1; }));
    EXPECT_TRUE(dialog->isChecking());
    next();
    EXPECT_EQ(world.dialogs.errors.size(), 1) << "no Next during the check";
    QTest::keyClicks(edit(4), QStringLiteral("0"));
    QTest::keyClick(edit(4), Qt::Key_Backspace);
    EXPECT_EQ(edit(4)->text(), QStringLiteral("205"));
    waitForTheCheck();
    EXPECT_EQ(result(), QStringLiteral("Device Found!"));
    EXPECT_EQ(world.echo->requests(), 2) << "one check of two answered requests";
}

// The check vouches for the address it was given: editing the address afterwards, or while the
// check runs, asks for a new check before Next.
TEST_F(BootTcpDialogTest, ChangingTheAddressAfterACheckNeedsANewOne) {
    dialog->show();
    ping();
    ASSERT_EQ(result(), QStringLiteral("Device Found!"));
    QTest::keyClicks(edit(4), QStringLiteral("9"));
    EXPECT_EQ(result(), QString());
    next();
    EXPECT_EQ(world.dialogs.errors.size(), 1);

    world.echo->setAnswerDelay(60ms);
    clickPing();
    QTest::keyClicks(edit(3), QStringLiteral("1"));
    waitForTheCheck();
    EXPECT_EQ(world.echo->hosts().value(2), QStringLiteral("192.168.2.2059"));
    EXPECT_EQ(result(), QString()) << "the answer was about the earlier address";
    EXPECT_FALSE(dialog->Esegui_Ping);

    ping();
    EXPECT_EQ(result(), QStringLiteral("Device Found!"));
    next();
    EXPECT_TRUE(dialog->onOptionsPage());
    EXPECT_EQ(world.state.LastIpAddress, QStringLiteral("192.168.21.2059"));
}

TEST_F(BootTcpDialogTest, PingsLoopbackForReal) {
    if (SystemIcmpEcho().echo(QStringLiteral("127.0.0.1"), 400ms) == EchoResult::NoWayToPing)
        GTEST_SKIP() << "this system grants no ICMP socket and has no usable ping program";
    world.context.icmpEcho = makeSystemIcmpEcho();
    world.context.pingLimits = PingLimits{};
    createDialog();
    world.state.LastIpAddress = QStringLiteral("127.0.0.1");
    dialog->show();
    ping();
    EXPECT_EQ(result(), QStringLiteral("Device Found!"));
    EXPECT_EQ(resultColor(), kGreen);
    next();
    EXPECT_TRUE(dialog->onOptionsPage());
}

TEST_F(BootTcpDialogTest, UpdateWritesTheJobAndRunsTheUpdater) {
    world.installStandInUpdater();
    world.state.LastIpAddress = QStringLiteral("127.0.0.1");
    dialog->show();
    toOptionsPage();
    control<QCheckBox>("CB_Read_Firm")->setChecked(false);
    update();

    EXPECT_TRUE(world.dialogs.errors.isEmpty()) << qPrintable(world.dialogs.errors.join('\n'));
    pugi::xml_document job;
    xml::load(job, world.path(QStringLiteral("Ethernet_Update.xml")));
    const pugi::xml_node root = xml::firstTopLevelNode(job);
    EXPECT_STREQ(root.name(), "Ethernet_Update");
    EXPECT_EQ(xml::childText(root, "IP_Address_Dev"), QStringLiteral("127.0.0.1"));
    std::vector<pugi::xml_node> operations;
    for (pugi::xml_node op : xml::childElement(root, "Operations").children("Operation"))
        operations.push_back(op);
    ASSERT_EQ(operations.size(), 2u);
    EXPECT_EQ(xml::childText(operations[0], "Ope_FileName"),
              QDir::toNativeSeparators(world.path(QStringLiteral("MASTER/Sim883.sim"))));
    EXPECT_EQ(xml::childText(operations[0], "Ope_Read_Back"), QStringLiteral("0"));
    EXPECT_EQ(xml::childText(operations[0], "Ope_GoToApp_After"), QStringLiteral("0"));
    EXPECT_EQ(xml::childText(operations[1], "Ope_FileName"),
              QDir::toNativeSeparators(world.path(QStringLiteral("PROJECTS/Plant/bin/bank_k.bin"))));
    EXPECT_EQ(xml::childText(operations[1], "Ope_Read_Back"), QStringLiteral("1"));
    EXPECT_EQ(xml::childText(operations[1], "Ope_GoToApp_After"), QStringLiteral("1"));

    // Started without arguments; it read the job written just before.
    EXPECT_EQ(world.standInRecord(),
              "started\n"
              "IP_Address_Dev=127.0.0.1\n"
              "Ope_FileName=" +
                  QDir::toNativeSeparators(world.path("MASTER/Sim883.sim")).toUtf8() + "\nOpe_FileName=" +
                  QDir::toNativeSeparators(world.path("PROJECTS/Plant/bin/bank_k.bin")).toUtf8() +
                  "\nOperations=2\nended\n");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->onOptionsPage()) << "the dialog stays on the options page";
}

TEST_F(BootTcpDialogTest, TheProgressWindowHoldsTheProgramUntilTheUpdaterEnds) {
    world.installStandInUpdater(400);
    dialog->show();
    toOptionsPage();
    bool sawProgress = false;
    test::whenModalOpens(QStringLiteral("FUpdateProgress"), [&](QWidget* progress) {
        sawProgress = true;
        EXPECT_EQ(QApplication::activeModalWidget(), progress);
        EXPECT_TRUE(progress->isModal());
        EXPECT_EQ(progress->windowTitle(), QStringLiteral("Updating the device"));
        EXPECT_EQ(progress->findChild<QLabel*>(QStringLiteral("L_Progress"))->text(),
                  QStringLiteral("The update program is running... 0 s"));
        // Neither the close box nor Escape ends the wait.
        progress->close();
        QTest::keyClick(progress, Qt::Key_Escape);
        EXPECT_TRUE(progress->isVisible());
    });
    QElapsedTimer clock;
    clock.start();
    update();
    EXPECT_TRUE(sawProgress);
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_TRUE(world.standInRecord().endsWith("ended\n")) << world.standInRecord().toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), dialog.get()) << "the progress window has closed";
}

TEST_F(BootTcpDialogTest, TheWaitEndsAtTheTimeLimitWithTheUpdaterStillRunning) {
    world.installStandInUpdater(5000);
    world.updater.setTimeLimit(150ms);
    dialog->show();
    toOptionsPage();
    QElapsedTimer clock;
    clock.start();
    update();
    m_leftRunning = world.updater.processId();
    EXPECT_GE(clock.elapsed(), 150);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(world.standInRecord().startsWith("started\n"));
    EXPECT_FALSE(world.standInRecord().contains("ended"));
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
}

TEST_F(BootTcpDialogTest, AMissingUpdaterIsAnError) {
    world.installFirmwareFile();
    dialog->show();
    toOptionsPage();
    update();
    const QString program = QDir::toNativeSeparators(updaterProgramPath(world.state.AppDir));
    EXPECT_EQ(world.dialogs.errors, QStringList{text(added::UpdaterMissing) + program});
    EXPECT_TRUE(QFile::exists(world.path(QStringLiteral("Ethernet_Update.xml"))));
    EXPECT_TRUE(dialog->onOptionsPage());
    EXPECT_FALSE(world.updater.isRunning());
}

#ifndef Q_OS_WIN
TEST_F(BootTcpDialogTest, AnUpdaterThatCannotBeStartedIsAnError) {
    world.installStandInUpdater();
    QFile::setPermissions(updaterProgramPath(world.state.AppDir), QFile::ReadOwner | QFile::WriteOwner);
    dialog->show();
    toOptionsPage();
    update();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(world.dialogs.errors[0].startsWith(text(added::UpdaterNotStarted)))
        << qPrintable(world.dialogs.errors[0]);
    EXPECT_TRUE(world.standInRecord().isEmpty());
}
#endif

TEST_F(BootTcpDialogTest, AJobFileThatCannotBeWrittenStopsTheUpdate) {
    world.installStandInUpdater();
    // A folder stands where the job file goes.
    QDir().mkpath(world.path(QStringLiteral("Ethernet_Update.xml")));
    dialog->show();
    toOptionsPage();
    update();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(world.dialogs.errors[0].startsWith(text(added::JobFileNotSaved)))
        << qPrintable(world.dialogs.errors[0]);
    EXPECT_TRUE(world.dialogs.errors[0].contains(QStringLiteral("Ethernet_Update.xml")))
        << qPrintable(world.dialogs.errors[0]);
    EXPECT_TRUE(world.standInRecord().isEmpty()) << "the updater was not started";
    EXPECT_TRUE(dialog->onOptionsPage());
}

TEST_F(BootTcpDialogTest, ReopeningStartsOverButKeepsTheChosenOptions) {
    world.installStandInUpdater();
    dialog->show();
    toOptionsPage();
    control<QCheckBox>("CB_Conf")->setChecked(false);
    update();
    dialog->close();

    dialog->show();
    expectAddressPage();
    EXPECT_EQ(result(), QString());
    EXPECT_FALSE(dialog->Esegui_Ping);
    EXPECT_FALSE(control<QCheckBox>("CB_Conf")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CB_Firmware")->isChecked());
    next();
    EXPECT_EQ(world.dialogs.errors, QStringList{QStringLiteral("Device not found in network")});
}

TEST_F(BootTcpDialogTest, ACheckOfAnEarlierOpeningNeitherBlocksNorPassesTheNextOne) {
    dialog->show();
    world.echo->setAnswerDelay(40ms);
    clickPing();
    ASSERT_TRUE(test::waitUntil([this] { return world.echo->requests() == 1; }));
    dialog->reject();

    world.echo->answerWith(EchoResult::NoAnswer);
    dialog->show();
    clickPing(); // starts at once although the old check still runs
    EXPECT_TRUE(dialog->isChecking());
    waitForTheCheck();
    EXPECT_EQ(result(), QStringLiteral("Device Not Found!"));
    EXPECT_FALSE(dialog->Esegui_Ping);
    // The old check's answer, whenever it comes, changes nothing.
    QTest::qWait(150);
    EXPECT_EQ(result(), QStringLiteral("Device Not Found!"));
    EXPECT_FALSE(dialog->Esegui_Ping);
}

TEST_F(BootTcpDialogTest, CancelClosesTheDialog) {
    int closedWith = -1;
    QObject::connect(dialog.get(), &QDialog::finished, [&](int r) { closedWith = r; });
    dialog->show();
    QTest::mouseClick(control<FlatButton>("Btn_Cancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closedWith, QDialog::Rejected);
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
}

TEST_F(BootTcpDialogTest, WhileACheckRunsItSaysSoAndPingIsDisabled) {
    dialog->show();
    world.echo->setAnswerDelay(60ms);
    world.echo->answerWith(EchoResult::Answered);
    clickPing();
    ASSERT_TRUE(dialog->isChecking());
    EXPECT_EQ(result(), text(added::PingChecking));
    EXPECT_FALSE(control<FlatButton>("Btn_Ping")->isEnabled());
    waitForTheCheck();
    EXPECT_EQ(result(), QStringLiteral("Device Found!"));
    EXPECT_TRUE(control<FlatButton>("Btn_Ping")->isEnabled());
}

TEST_F(BootTcpDialogTest, AnAddressChangedDuringTheCheckLeavesNoStaleCheckingText) {
    dialog->show();
    world.echo->setAnswerDelay(60ms);
    clickPing();
    ASSERT_TRUE(dialog->isChecking());
    QTest::keyClicks(edit(4), QStringLiteral("7"));
    EXPECT_EQ(result(), text(added::PingChecking)) << "the check still runs";
    waitForTheCheck();
    EXPECT_EQ(result(), QString());
    EXPECT_TRUE(control<FlatButton>("Btn_Ping")->isEnabled());
}

TEST_F(BootTcpDialogTest, EnterInAnAddressFieldPressesPing) {
    world.echo->answerWith(EchoResult::Answered);
    dialog->show();
    for (int i = 1; i <= 4; ++i) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            const int before = world.echo->requests();
            QTest::keyClick(edit(i), key);
            EXPECT_TRUE(dialog->isChecking()) << "field " << i;
            EXPECT_TRUE(dialog->isVisible()) << "field " << i;
            EXPECT_FALSE(dialog->onOptionsPage());
            waitForTheCheck();
            EXPECT_GT(world.echo->requests(), before) << "field " << i;
        }
    }
    EXPECT_TRUE(world.dialogs.errors.isEmpty()) << "Next was not pressed";
}

TEST_F(BootTcpDialogTest, WithNeitherOperationTickedUpdateIsDisabled) {
    dialog->show();
    toOptionsPage();
    auto* updateButton = control<FlatButton>("Btn_Update");
    const struct {
        bool firmware, configuration, enabled;
    } cases[] = {{true, true, true}, {false, true, true}, {true, false, true}, {false, false, false}};
    for (const auto& c : cases) {
        control<QCheckBox>("CB_Firmware")->setChecked(c.firmware);
        control<QCheckBox>("CB_Conf")->setChecked(c.configuration);
        EXPECT_EQ(updateButton->isEnabled(), c.enabled) << c.firmware << c.configuration;
    }
}

TEST_F(BootTcpDialogTest, AMissingFirmwareFileIsRefusedBeforeAnythingIsWritten) {
    world.installStandInUpdater();
    QFile::remove(world.path(QStringLiteral("MASTER/Sim883.sim")));
    dialog->show();
    toOptionsPage();
    update();
    const QString firmware = QDir::toNativeSeparators(world.path(QStringLiteral("MASTER/Sim883.sim")));
    EXPECT_EQ(world.dialogs.errors, QStringList{text(added::FirmwareFileMissing) + firmware});
    EXPECT_FALSE(QFile::exists(world.path(QStringLiteral("Ethernet_Update.xml"))));
    EXPECT_TRUE(world.standInRecord().isEmpty());

    // The configuration alone needs no firmware file.
    world.dialogs.errors.clear();
    control<QCheckBox>("CB_Firmware")->setChecked(false);
    update();
    EXPECT_TRUE(world.dialogs.errors.isEmpty()) << qPrintable(world.dialogs.errors.join('\n'));
    EXPECT_TRUE(world.standInRecord().endsWith("Operations=1\nended\n"))
        << world.standInRecord().toStdString();
}

#ifndef Q_OS_WIN
TEST_F(BootTcpDialogTest, AnUpdaterStillRunningPastTheWindowIsNotStartedTwice) {
    world.installStandInUpdater(5000);
    world.updater.setTimeLimit(150ms);
    dialog->show();
    toOptionsPage();
    update();
    m_leftRunning = world.updater.processId();
    ASSERT_TRUE(world.updater.isUpdaterAlive());
    const QByteArray job = test::readFile(world.path(QStringLiteral("Ethernet_Update.xml")));
    control<QCheckBox>("CB_Conf")->setChecked(false);

    update();
    EXPECT_EQ(world.dialogs.warnings, QStringList{text(added::UpdaterStillRunning)});
    EXPECT_EQ(world.standInRecord().count("started\n"), 1) << "no second updater";
    EXPECT_EQ(test::readFile(world.path(QStringLiteral("Ethernet_Update.xml"))), job)
        << "the running updater's job is left alone";
    EXPECT_EQ(control<QLabel>("L_UpdaterEnded")->text(), QString());

    ::kill(static_cast<pid_t>(m_leftRunning), SIGKILL);
    ASSERT_TRUE(test::waitUntil([this] { return !world.updater.isUpdaterAlive(); }, 10000));
    m_leftRunning = 0;
    const QString ended = control<QLabel>("L_UpdaterEnded")->text();
    EXPECT_TRUE(ended.startsWith(QStringLiteral("The update program ended after "))) << qPrintable(ended);
    EXPECT_TRUE(control<QLabel>("L_UpdaterEnded")->isVisible());

    world.installStandInUpdater(0);
    update();
    EXPECT_EQ(world.dialogs.warnings.size(), 1) << "started once the first had ended";
    EXPECT_EQ(world.standInRecord().count("started\n"), 2);
    EXPECT_EQ(control<QLabel>("L_UpdaterEnded")->text(), text(added::UpdaterEndedAfter).arg(0));
}
#endif

} // namespace
} // namespace zz
