#include "app/Configurations.h"
#include "app/UZevazerazueFirmWare.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"
#include "widgets/BandedDialog.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FlatButton.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace zz {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFZevazerazueFirmWare> window;

    void start() {
        window = std::make_unique<TFZevazerazueFirmWare>(world.context, world.dir.path());
        window->show();
    }
    template <typename T = QWidget> T* control(const char* name) const {
        T* widget = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString labelText(const char* name) const { return control<QLabel>(name)->text(); }
    // A step button opens a modal dialog from its click; a synthetic mouse release would still be
    // in delivery while the dialog runs, so the button is clicked the way the keyboard does.
    void click(const char* name) { control<FlatButton>(name)->click(); }
    void makeConfiguration(const QString& name, const QByteArray& parGen = {}) {
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/%1/bin").arg(name)));
        if (!parGen.isEmpty())
            test::writeFile(world.path(QStringLiteral("PROJECTS/%1/ParGen.xml").arg(name)), parGen);
    }
    void remember(const QString& name) {
        test::writeFile(world.path(QStringLiteral("Zevazerazu.xml")),
                        "<Conf_Settings><lastproj><projectname>" + name.toUtf8() +
                            "</projectname></lastproj></Conf_Settings>");
    }
};

TEST_F(MainWindowTest, FirstRunShowsTheStepsAndWritesTheDefaultSettingsOnClose) {
    start();
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Ostrel - Configurator KT883 - Modbus TCP Slave / Modbus Master "));
    EXPECT_EQ(labelText("L_SW_Code"), QStringLiteral("KT883"));
    EXPECT_EQ(labelText("L_SW_Desc"), QStringLiteral("Modbus TCP Slave / Modbus Master - Converter"));
    EXPECT_EQ(labelText("L_Begin"), QStringLiteral("Begin"));
    EXPECT_EQ(labelText("L_Step_5"), QStringLiteral("Step 5"));
    EXPECT_EQ(labelText("L_Name_Conf"), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(labelText("L_Name_Conf_L2"), QStringLiteral("Use Step1 to open or create new configuration"));
    EXPECT_EQ(control<FlatButton>("Btn_New")->text(), QStringLiteral("New Configuration"));
    EXPECT_EQ(control<FlatButton>("Btn_Open")->text(), QStringLiteral("Open Configuration"));
    EXPECT_EQ(control<FlatButton>("Btn_Prm_Gen")->text(), QStringLiteral("Set Communication"));
    EXPECT_EQ(control<FlatButton>("Btn_TranslateTable")->text(), QStringLiteral("Translate Table"));
    EXPECT_EQ(control<FlatButton>("Btn_Enable_Functions")->text(), QStringLiteral("Enabled Functions"));
    EXPECT_EQ(control<FlatButton>("Btn_CreateBin_UDP")->text(), QStringLiteral("Update via UDP"));
    EXPECT_EQ(control<FlatButton>("Btn_Info")->hint(), QStringLiteral("Information"));
    EXPECT_EQ(control<FlatButton>("Btn_Opz")->hint(), QStringLiteral("Options"));
    EXPECT_EQ(control<FlatButton>("Btn_Close")->hint(), QStringLiteral("Close Configurator"));
    EXPECT_FALSE(control<FlatButton>("Btn_TranslateTable")->isEnabled());
    EXPECT_FALSE(control<QLabel>("LL_Update")->isVisible());
    EXPECT_FALSE(window->updateTimer().isActive());
    EXPECT_TRUE(world.dialogs.errors.isEmpty());

    click("Btn_Close");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(
        test::readFile(world.path(QStringLiteral("Zevazerazu.xml"))),
        QByteArray("<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205"
                   "</ipaddress></lastipadd><lastlang><language>English</language></lastlang><lastinternet>"
                   "<enable_internet>0</enable_internet><enable_update>0</enable_update></lastinternet>"
                   "</Conf_Settings>"));
}

TEST_F(MainWindowTest, CreatesEveryWindowOnceInOrderAndKeepsTheTabOrder) {
    start();
    // Children are kept in the order they were created.
    QStringList names{window->objectName()};
    for (QObject* child : window->children()) {
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow())
            names.append(child->objectName());
    }
    EXPECT_EQ(names,
              (QStringList{"FZevazerazueFirmWare", "FNew_Project", "FOpenConf", "FSoftOptions", "FAbout",
                           "FTranslateTable_914", "FBootTCP", "FParGen2", "FEnableFunctions"}));

    const QStringList tabOrder = {
        "LL_Update", "Btn_Info",    "Btn_Opz",           "Btn_Close",          "Btn_New",
        "Btn_Open",  "Btn_Prm_Gen", "Btn_CreateBin_UDP", "Btn_TranslateTable", "Btn_Enable_Functions"};
    // The focus chain, keeping only the controls that take the focus with Tab.
    QStringList chain;
    QWidget* w = control("LL_Update");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != control("LL_Update") && chain.size() < tabOrder.size());
    EXPECT_EQ(chain, tabOrder);
}

TEST_F(MainWindowTest, StepsTwoToFiveRefuseWithoutAConfiguration) {
    remember(QStringLiteral("Deleted"));
    start();
    EXPECT_EQ(labelText("L_Name_Conf"), QStringLiteral("None Configuration Opened "));
    control<FlatButton>("Btn_TranslateTable")->setEnabled(true); // even if it could be clicked
    for (const char* button :
         {"Btn_Prm_Gen", "Btn_TranslateTable", "Btn_Enable_Functions", "Btn_CreateBin_UDP"}) {
        world.dialogs.errors.clear();
        click(button);
        EXPECT_EQ(world.dialogs.errors, QStringList{QStringLiteral("Error! Project not Valid")}) << button;
    }
    EXPECT_FALSE(QFileInfo::exists(world.path(QStringLiteral("PROJECTS/Deleted"))));
}

TEST_F(MainWindowTest, TranslateTableFollowsModeOfTheRememberedConfiguration) {
    struct Case {
        QByteArray parGen;
        bool enabled;
    };
    const Case cases[] = {{"<General_Parameter><MODE>1</MODE></General_Parameter>", true},
                          {"<General_Parameter><MODE>0</MODE></General_Parameter>", false},
                          {"<General_Parameter><MODE>2</MODE></General_Parameter>", false},
                          {"<General_Parameter><MODE></MODE></General_Parameter>", false},
                          {"<General_Parameter/>", false},
                          {{}, false}};
    int n = 0;
    for (const Case& c : cases) {
        const QString name = QStringLiteral("C%1").arg(n++);
        makeConfiguration(name, c.parGen);
        remember(name);
        start();
        EXPECT_EQ(control<FlatButton>("Btn_TranslateTable")->isEnabled(), c.enabled) << c.parGen.constData();
        EXPECT_EQ(labelText("L_Name_Conf"), QStringLiteral("Opened Configuration of the Converter : "));
        EXPECT_EQ(labelText("L_Name_Conf_L2"), name);
        window->close();
    }
}

TEST_F(MainWindowTest, BrokenParameterFileDisablesTheStepAndSaysWhichFile) {
    makeConfiguration(QStringLiteral("Broken"), "<General_Parameter><MODE>1</MODE>");
    remember(QStringLiteral("Broken"));
    start();
    EXPECT_FALSE(control<FlatButton>("Btn_TranslateTable")->isEnabled());
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(world.dialogs.errors[0].contains(QStringLiteral("ParGen.xml")))
        << qPrintable(world.dialogs.errors[0]);
    EXPECT_TRUE(world.dialogs.errors[0].contains(QStringLiteral("line 1")));
}

TEST_F(MainWindowTest, NewConfigurationAfterANatOneLeavesTheStepDisabled) {
    makeConfiguration(QStringLiteral("Nat"), "<General_Parameter><MODE>1</MODE></General_Parameter>");
    remember(QStringLiteral("Nat"));
    start();
    ASSERT_TRUE(control<FlatButton>("Btn_TranslateTable")->isEnabled());

    test::whenModalOpens(QStringLiteral("FNew_Project"), [](QWidget* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("E_New_Proj")),
                         QStringLiteral("Fresh"));
        QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("E_New_Proj")), Qt::Key_Return);
    });
    click("Btn_New");
    EXPECT_EQ(world.state.LastProjectName, QStringLiteral("Fresh"));
    EXPECT_EQ(labelText("L_Name_Conf_L2"), QStringLiteral("Fresh"));
    EXPECT_FALSE(control<FlatButton>("Btn_TranslateTable")->isEnabled());
}

TEST_F(MainWindowTest, OpenMakesTheChosenConfigurationActive) {
    makeConfiguration(QStringLiteral("Routing"), "<General_Parameter><MODE>0</MODE></General_Parameter>");
    makeConfiguration(QStringLiteral("Nat"), "<General_Parameter><MODE>1</MODE></General_Parameter>");
    start();
    test::whenModalOpens(QStringLiteral("FOpenConf"), [](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        const auto items = list->findItems(QStringLiteral("Nat"), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        while (list->currentItem() != items[0])
            QTest::keyClick(list, Qt::Key_Down);
        QTest::mouseClick(dialog->findChild<FlatButton*>(QStringLiteral("Btn_OK")), Qt::LeftButton);
    });
    click("Btn_Open");
    EXPECT_EQ(world.state.LastProjectName, QStringLiteral("Nat"));
    EXPECT_EQ(world.state.ProjectDir, QDir::toNativeSeparators(world.path(QStringLiteral("PROJECTS/Nat"))));
    EXPECT_EQ(labelText("L_Name_Conf_L2"), QStringLiteral("Nat"));
    EXPECT_TRUE(control<FlatButton>("Btn_TranslateTable")->isEnabled());

    // Cancel changes nothing.
    test::whenModalOpens(QStringLiteral("FOpenConf"), [](QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<FlatButton*>(QStringLiteral("Btn_Cancel")), Qt::LeftButton);
    });
    click("Btn_Open");
    EXPECT_EQ(world.state.LastProjectName, QStringLiteral("Nat"));
}

TEST_F(MainWindowTest, SetCommunicationClosingReEvaluatesTheTranslateTableStep) {
    makeConfiguration(QStringLiteral("P"), "<General_Parameter><MODE>0</MODE></General_Parameter>");
    remember(QStringLiteral("P"));
    start();
    ASSERT_FALSE(control<FlatButton>("Btn_TranslateTable")->isEnabled());
    // The file changes while the dialog is open (as its OK would write it).
    test::whenModalOpens(QStringLiteral("FParGen2"), [this](QWidget* dialog) {
        test::writeFile(world.state.ParGenFile, "<General_Parameter><MODE>1</MODE></General_Parameter>");
        static_cast<QDialog*>(dialog)->reject();
    });
    click("Btn_Prm_Gen");
    EXPECT_TRUE(control<FlatButton>("Btn_TranslateTable")->isEnabled());
}

TEST_F(MainWindowTest, LanguageChangeReachesEveryWindowShownOrHiddenButNotTheAboutBox) {
    test::writeFile(world.path(QStringLiteral("LANGUAGE/Italiano.lng")),
                    "STR0 = Inizio\nSTR19 = Nuova versione\nSTR9 = Nessuna configurazione \xC2\xB6\nSTR25 = "
                    "Crea configurazione\n"
                    "STR33 = Apri\nSTR38 = Opzioni\nSTR57 = Aggiorna\nSTR89 = Comunicazione\n"
                    "STR162 = Tabella\nSTR500 = Funzioni\n");
    start();
    world.state.LanguageName = QStringLiteral("Italiano");
    LoadLanguage(world.state.Texts, world.state.LanguageDir, world.state.LanguageName);
    ASSERT_TRUE(world.context.changeLanguage);
    world.context.changeLanguage();

    EXPECT_EQ(labelText("L_Begin"), QStringLiteral("Inizio"));
    EXPECT_EQ(labelText("L_Name_Conf"), QStringLiteral("Nessuna configurazione "));
    EXPECT_TRUE(labelText("LL_Update").contains(QStringLiteral(">Nuova versione</a>")))
        << qPrintable(labelText("LL_Update"));
    const std::pair<const char*, const char*> captions[] = {{"FNew_Project", "Crea configurazione"},
                                                            {"FOpenConf", "Apri"},
                                                            {"FSoftOptions", "Opzioni"},
                                                            {"FBootTCP", "Aggiorna"},
                                                            {"FParGen2", "Comunicazione"},
                                                            {"FTranslateTable_914", "Tabella"},
                                                            {"FEnableFunctions", "Funzioni"},
                                                            {"FAbout", "About..."}};
    for (const auto& [name, caption] : captions) {
        QWidget* dialog = window->findChild<QWidget*>(QString::fromUtf8(name));
        ASSERT_NE(dialog, nullptr) << name;
        EXPECT_FALSE(dialog->isVisible()) << name;
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(caption)) << name;
    }
}

TEST_F(MainWindowTest, UpdateTimerChecksAfterAMinuteThenEveryTwoHours) {
    test::writeFile(world.path(QStringLiteral("Zevazerazu.xml")),
                    "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>1"
                    "</enable_update></lastinternet></Conf_Settings>");
    start();
    QTimer& timer = window->updateTimer();
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 60000);

    timer.setInterval(1); // the first tick, without waiting a minute
    ASSERT_TRUE(test::waitUntil([this] { return world.versionChecker.started == 1; }));
    EXPECT_FALSE(timer.isActive()); // stopped while the check runs
    world.versionChecker.answer(true);
    auto* link = control<QLabel>("LL_Update");
    EXPECT_TRUE(link->isVisible());
    EXPECT_EQ(link->text(), QStringLiteral("<a href=\"http://127.0.0.1:9/Home/download/download.asp#KH883\">"
                                           "New Version Available. Click Here for more Details</a>"));
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 7200000);

    emit link->linkActivated(QStringLiteral("http://127.0.0.1:9/Home/download/download.asp#KH883"));
    EXPECT_EQ(world.urls.opened, QStringList{"http://127.0.0.1:9/Home/download/download.asp#KH883"});

    window->Timer_UpdateTimer();
    world.versionChecker.answer(false);
    EXPECT_FALSE(link->isVisible());
}

// The link wraps inside the title band: the window neither widens nor moves when it shows.
TEST_F(MainWindowTest, UpdateLinkKeepsTheWindowSizeAndPosition) {
    test::writeFile(world.path(QStringLiteral("Zevazerazu.xml")),
                    "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>1"
                    "</enable_update></lastinternet></Conf_Settings>");
    start();
    QCoreApplication::processEvents();
    const QRect before = window->frameGeometry();
    window->updateTimer().setInterval(1);
    ASSERT_TRUE(test::waitUntil([this] { return world.versionChecker.started == 1; }));
    world.versionChecker.answer(true);
    QCoreApplication::processEvents();
    auto* link = control<QLabel>("LL_Update");
    ASSERT_TRUE(link->isVisible());
    EXPECT_EQ(window->frameGeometry(), before);
    EXPECT_GT(link->width(), 0);
    // The whole text stays readable: the label is tall enough for its wrapped lines.
    EXPECT_GE(link->height(), link->heightForWidth(link->width()));
}

TEST_F(MainWindowTest, TimerStaysOffUnlessBothFlagsAreSet) {
    test::writeFile(world.path(QStringLiteral("Zevazerazu.xml")),
                    "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>0"
                    "</enable_update></lastinternet></Conf_Settings>");
    start();
    EXPECT_FALSE(window->updateTimer().isActive());
    world.state.EnableUpdateCheck = true;
    world.context.applyUpdateTimerRule();
    EXPECT_TRUE(window->updateTimer().isActive());
    EXPECT_EQ(window->updateTimer().interval(), 60000);
}

TEST_F(MainWindowTest, UpdateWritesTheBankFileBeforeTheDialogAndKeepsItAfterCancel) {
    makeConfiguration(QStringLiteral("P"), "<General_Parameter><TIME_OUT>1</TIME_OUT></General_Parameter>");
    remember(QStringLiteral("P"));
    start();
    const QString bank = world.path(QStringLiteral("PROJECTS/P/bin/bank_k.bin"));
    bool writtenWhenShown = false;
    test::whenModalOpens(QStringLiteral("FBootTCP"), [&](QWidget* dialog) {
        writtenWhenShown = test::readFile(bank).size() == 18432;
        static_cast<QDialog*>(dialog)->reject();
    });
    click("Btn_CreateBin_UDP");
    EXPECT_TRUE(writtenWhenShown);
    EXPECT_EQ(test::readFile(bank).size(), 18432);
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, UpdateStopsWithAnErrorWhenTheImageCannotBeComposedOrWritten) {
    makeConfiguration(QStringLiteral("P"));
    remember(QStringLiteral("P"));
    start();
    const QString bank = world.path(QStringLiteral("PROJECTS/P/bin/bank_k.bin"));
    test::writeFile(bank, "earlier image");
    const test::NoModalAllowed noUpdateDialog;

    // A broken translate table: no bank file is written and the dialog does not open.
    test::writeFile(world.path(QStringLiteral("PROJECTS/P/var.xml")), "<TCP_TO_RTU><row");
    click("Btn_CreateBin_UDP");
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(world.dialogs.errors[0].contains(QStringLiteral("var.xml")))
        << qPrintable(world.dialogs.errors[0]);
    EXPECT_EQ(test::readFile(bank), QByteArray("earlier image"));

    // A bank file that cannot be written: a folder stands in its place.
    QFile::remove(world.path(QStringLiteral("PROJECTS/P/var.xml")));
    QFile::remove(bank);
    QDir().mkpath(bank);
    world.dialogs.errors.clear();
    click("Btn_CreateBin_UDP");
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(world.dialogs.errors[0].contains(QStringLiteral("bank_k.bin")))
        << qPrintable(world.dialogs.errors[0]);
    EXPECT_TRUE(
        world.dialogs.errors[0].startsWith(QStringLiteral("The configuration image could not be written")));
}

TEST_F(MainWindowTest, MakerLinkOpensTheHomePage) {
    start();
    auto* link = control<ClickableLabel>("L_Ostrel");
    EXPECT_EQ(link->text(), QStringLiteral("127.0.0.1"));
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(world.urls.opened, QStringList{"http://127.0.0.1:9/HOME/default.asp?frompg=KT883"});
}

TEST_F(MainWindowTest, StartupProblemsAreToldAndAFailedSaveIsShown) {
    test::writeFile(world.path(QStringLiteral("Zevazerazu.xml")), "<Conf_Settings><lastproj>");
    start();
    ASSERT_TRUE(test::waitUntil([this] { return !world.dialogs.warnings.isEmpty(); }));
    EXPECT_TRUE(world.dialogs.warnings[0].contains(QStringLiteral("Zevazerazu.xml")));

    // The settings file cannot be replaced: a folder stands where its temporary file would go.
    QFile::remove(world.path(QStringLiteral("Zevazerazu.xml")));
    QDir().mkpath(world.path(QStringLiteral("Zevazerazu.xml")));
    window->close();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(world.dialogs.errors[0].contains(QStringLiteral("Zevazerazu.xml")));
}

// A start-up that blocked on a file would hang the test run; this ends it with a clear message.
class Watchdog {
public:
    Watchdog(int seconds, const char* what)
        : m_thread([this, seconds, what] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_finished; })) {
                std::fprintf(stderr, "still blocked after %d s: %s\n", seconds, what);
                std::_Exit(1);
            }
        }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

TEST_F(MainWindowTest, AFifoAsTheSettingsOrLanguageFileIsToldAndNeverWaitedOn) {
    struct Case {
        const char* fifo;
        QByteArray settings; // empty: none written
    };
    const Case cases[] = {
        {"Zevazerazu.xml", {}},
        {"LANGUAGE/Italiano.lng",
         "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>"},
    };
    for (const Case& c : cases) {
        test::GuiWorld fresh;
        QDir().mkpath(fresh.path(QStringLiteral("LANGUAGE")));
        if (!c.settings.isEmpty())
            test::writeFile(fresh.path(QStringLiteral("Zevazerazu.xml")), c.settings);
        const QString fifo = fresh.path(QString::fromUtf8(c.fifo));
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0) << c.fifo;
        {
            const Watchdog watchdog(20, c.fifo);
            TFZevazerazueFirmWare started(fresh.context, fresh.dir.path());
            started.show();
            EXPECT_TRUE(started.isVisible()) << c.fifo;
            // The problems of the start-up are told once the window is up.
            EXPECT_TRUE(test::waitUntil([&fresh] { return !fresh.dialogs.warnings.isEmpty(); })) << c.fifo;
        }
        ASSERT_EQ(fresh.dialogs.warnings.size(), 1) << c.fifo;
        EXPECT_TRUE(fresh.dialogs.warnings[0].contains(QFileInfo(fifo).fileName()))
            << fresh.dialogs.warnings[0].toStdString();
    }
}

} // namespace
} // namespace zz
