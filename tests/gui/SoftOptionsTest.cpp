#include "app/UZevazerazueFirmWare.h"
#include "app/Workspace.h"
#include "options/USoftOptions.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zz {
namespace {

// A language whose file sets the texts of the Language tab, the question and one text of the
// main window. The blanks at either end of a text are kept by the ¶ marks.
const QByteArray kItaliano = "STR0 = Inizio\r\n"
                             "STR38 = Opzioni Software\r\n"
                             "STR40 = Lingua\r\n"
                             "STR42 = \xC2\xB6Lingua selezionata : \xC2\xB6\r\n"
                             "STR43 = \xC2\xB6Pagina \xC2\xB6\r\n"
                             "STR44 = \xC2\xB6 di \xC2\xB6\r\n"
                             "STR45 = Precedente\r\n"
                             "STR53 = Nessun aggiornamento\r\n";

class SoftOptionsTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFZevazerazueFirmWare> window;

    QString languageFile(const QString& name) const { return world.path(QStringLiteral("LANGUAGE/") + name); }
    void addLanguage(const QString& name, const QByteArray& content = "STR0 = x\r\n") {
        test::writeFile(languageFile(name + QStringLiteral(".lng")), content);
    }
    void addLanguages(const QStringList& names) {
        for (const QString& name : names)
            addLanguage(name);
    }
    void writeSettings(const QByteArray& internet, const QByteArray& update) {
        test::writeFile(
            world.path(QStringLiteral("Zevazerazu.xml")),
            "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205"
            "</ipaddress></lastipadd><lastlang><language>English</language></lastlang>"
            "<lastinternet><enable_internet>" +
                internet + "</enable_internet><enable_update>" + update +
                "</enable_update></lastinternet></Conf_Settings>");
    }
    QByteArray settingsFile() const { return test::readFile(world.path(QStringLiteral("Zevazerazu.xml"))); }

    void start() {
        window = std::make_unique<TFZevazerazueFirmWare>(world.context, world.dir.path());
        window->show();
    }
    TFSoftOptions* options() const {
        auto* dialog = window->findChild<TFSoftOptions*>(QStringLiteral("FSoftOptions"));
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }
    // Starts the program and shows the options dialog by itself.
    TFSoftOptions* showOptions() {
        start();
        TFSoftOptions* dialog = options();
        dialog->show();
        return dialog;
    }
    template <typename T = QWidget> T* control(const QString& name) const {
        T* widget = options()->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QString text(const char* label) const { return control<QLabel>(QString::fromUtf8(label))->text(); }
    ClickableLabel* flag(int slot) const {
        return control<ClickableLabel>(QStringLiteral("I_L%1").arg(slot));
    }
    ClickableLabel* name(int slot) const {
        return control<ClickableLabel>(QStringLiteral("L_L%1").arg(slot));
    }
    // A check box takes clicks on its mark and its text only, so aim at the mark.
    static void toggle(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    void clickInDialog(const char* button) {
        QTest::mouseClick(control<FlatButton>(QString::fromUtf8(button)), Qt::LeftButton);
    }
    // The names the visible slots show, slot 1 first; a hidden slot must hide both controls.
    QStringList shownNames() const {
        QStringList names;
        for (int slot = 1; slot <= 6; ++slot) {
            if (name(slot)->isVisible())
                names.append(name(slot)->text());
            else
                EXPECT_FALSE(flag(slot)->isVisible()) << "slot " << slot;
        }
        return names;
    }
};

struct PagingCase {
    int files;
    // Per page: the page label and the slots shown.
    std::vector<std::pair<const char*, int>> pages;
};

class SoftOptionsPagingTest : public SoftOptionsTest, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(SoftOptionsPagingTest, PagesOfSixSlotsWithPreviousAndNext) {
    const PagingCase& c = GetParam();
    QStringList all;
    for (int i = 1; i <= c.files; ++i)
        all.append(QStringLiteral("Lang%1").arg(i, 2, 10, QLatin1Char('0')));
    addLanguages(all);
    TFSoftOptions* dialog = showOptions();
    EXPECT_EQ(text("L_Sel_Lang"), QStringLiteral("Selected Language : English"));
    QApplication::processEvents();
    const QSize size = dialog->size();
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());

    const int pages = int(c.pages.size());
    auto expectPage = [&](int page) {
        SCOPED_TRACE(testing::Message() << c.files << " files, page " << page);
        EXPECT_EQ(text("L_Page_Lang"), QString::fromUtf8(c.pages[page - 1].first));
        EXPECT_EQ(control(QStringLiteral("Btn_Prev"))->isVisible(), page != 1);
        EXPECT_EQ(control(QStringLiteral("Btn_Next"))->isVisible(), page != pages);
        EXPECT_EQ(shownNames(), all.mid((page - 1) * 6, c.pages[page - 1].second));
        // Hidden slots and page buttons keep their place: the dialog does not change size.
        QApplication::processEvents();
        EXPECT_EQ(dialog->size(), size);
    };
    expectPage(1);
    for (int page = 2; page <= pages; ++page) {
        clickInDialog("Btn_Next");
        expectPage(page);
    }
    for (int page = pages - 1; page >= 1; --page) {
        clickInDialog("Btn_Prev");
        expectPage(page);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SoftOptionsPagingTest,
                         ::testing::Values(PagingCase{6, {{"Page 1 / 1", 6}}},
                                           PagingCase{7, {{"Page 1 / 2", 6}, {"Page 2 / 2", 1}}},
                                           PagingCase{
                                               13, {{"Page 1 / 3", 6}, {"Page 2 / 3", 6}, {"Page 3 / 3", 1}}},
                                           PagingCase{1, {{"Page 1 / 1", 1}}}),
                         [](const ::testing::TestParamInfo<PagingCase>& info) {
                             return std::to_string(info.param.files) + "Files";
                         });

TEST_F(SoftOptionsTest, ReadOnlyFileIsLeftOutAndHiddenOneListedWithoutRegardToCase) {
    addLanguages({"italiano", ".Hidden", "Locked", "<b>Deutsch"});
    ASSERT_TRUE(
        QFile::setPermissions(languageFile(QStringLiteral("Locked.lng")),
                              QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    showOptions();
    EXPECT_EQ(shownNames(), (QStringList{".Hidden", "<b>Deutsch", "italiano"}));
    EXPECT_EQ(name(2)->textFormat(), Qt::PlainText); // a name is never taken for markup
    EXPECT_EQ(text("L_Page_Lang"), QStringLiteral("Page 1 / 1"));
}

TEST_F(SoftOptionsTest, FlagIsTheLanguagesOwnElseTheDefaultElseHidden) {
    addLanguages({"Deutsch", "Italiano"});
    QImage own(40, 24, QImage::Format_RGB32);
    own.fill(Qt::red);
    ASSERT_TRUE(own.save(languageFile(QStringLiteral("Deutsch.bmp")), "BMP"));
    QImage fallback(32, 20, QImage::Format_RGB32);
    fallback.fill(Qt::blue);
    ASSERT_TRUE(fallback.save(languageFile(QStringLiteral("DefaultFlag.bmp")), "BMP"));
    TFSoftOptions* dialog = showOptions();

    ASSERT_TRUE(flag(1)->isVisible());
    const QImage first = flag(1)->pixmap().toImage();
    EXPECT_EQ(first.size(), QSize(40, 24));
    EXPECT_EQ(QColor(first.pixel(5, 5)), QColor(Qt::red));
    ASSERT_TRUE(flag(2)->isVisible());
    const QImage second = flag(2)->pixmap().toImage();
    EXPECT_EQ(second.size(), QSize(32, 20));
    EXPECT_EQ(QColor(second.pixel(5, 5)), QColor(Qt::blue));

    // A picture larger than the slot is scaled down to fit, keeping its proportions.
    QImage large(192, 96, QImage::Format_RGB32);
    large.fill(Qt::green);
    ASSERT_TRUE(large.save(languageFile(QStringLiteral("Deutsch.bmp")), "BMP"));
    // Without any picture the flag is hidden while the name stays; the list is read at every showing.
    ASSERT_TRUE(QFile::remove(languageFile(QStringLiteral("DefaultFlag.bmp"))));
    dialog->hide();
    dialog->show();
    EXPECT_EQ(flag(1)->pixmap().size(), QSize(48, 24));
    EXPECT_FALSE(flag(2)->isVisible());
    EXPECT_TRUE(name(2)->isVisible());
    EXPECT_EQ(name(2)->text(), QStringLiteral("Italiano"));
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
}

TEST_F(SoftOptionsTest, PickOnPageTwoAsksAndRedrawsPageTwoInTheNewLanguageEverywhere) {
    addLanguages({"Cesky", "Dansk", "Deutsch", "English", "Espanol", "Francais"});
    addLanguage(QStringLiteral("Italiano"), kItaliano);
    QImage defaultFlag(32, 20, QImage::Format_RGB32);
    defaultFlag.fill(Qt::gray);
    ASSERT_TRUE(defaultFlag.save(languageFile(QStringLiteral("DefaultFlag.bmp")), "BMP"));
    TFSoftOptions* dialog = showOptions();
    clickInDialog("Btn_Next");
    ASSERT_EQ(name(1)->text(), QStringLiteral("Italiano"));
    ASSERT_TRUE(flag(1)->isVisible());

    world.dialogs.answers = {true};
    QTest::mouseClick(flag(1), Qt::LeftButton);

    EXPECT_EQ(world.dialogs.questions,
              QStringList{QStringLiteral("Do you want to change the Language from English to Italiano?")});
    EXPECT_EQ(text("L_Page_Lang"), QStringLiteral("Pagina 2 di 2"));
    EXPECT_EQ(text("L_Sel_Lang"), QStringLiteral("Lingua selezionata : Italiano"));
    EXPECT_EQ(control<FlatButton>(QStringLiteral("Btn_Prev"))->text(), QStringLiteral("Precedente"));
    EXPECT_EQ(control<QTabWidget>(QStringLiteral("PC_Options"))->tabText(0), QStringLiteral("Lingua"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Opzioni Software"));
    EXPECT_EQ(dialog->shownPage(), 2);
    // Every other window follows at once; the remembered language waits for OK.
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("L_Begin"))->text(), QStringLiteral("Inizio"));
    EXPECT_EQ(world.state.LanguageName, QStringLiteral("English"));
    EXPECT_EQ(dialog->languageInUse(), QStringLiteral("Italiano"));

    // The next question starts from the language now in use; the name of a slot asks too.
    world.dialogs.answers = {false};
    clickInDialog("Btn_Prev");
    QTest::mouseClick(name(2), Qt::LeftButton);
    EXPECT_EQ(world.dialogs.questions.last(),
              QStringLiteral("Do you want to change the Language from Italiano to Dansk?"));
}

TEST_F(SoftOptionsTest, AnsweringNoChangesNothing) {
    addLanguage(QStringLiteral("Italiano"), kItaliano);
    TFSoftOptions* dialog = showOptions();
    world.dialogs.answers = {false};
    QTest::mouseClick(name(1), Qt::LeftButton);
    EXPECT_EQ(world.dialogs.questions.size(), 1);
    EXPECT_EQ(text("L_Sel_Lang"), QStringLiteral("Selected Language : English"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Software Options"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("L_Begin"))->text(), QStringLiteral("Begin"));
    EXPECT_EQ(dialog->languageInUse(), QStringLiteral("English"));
    EXPECT_EQ(world.state.Texts[0], QStringLiteral("Begin"));
}

TEST_F(SoftOptionsTest, OkAfterAPickStoresTheLanguageInTheSettingsFile) {
    addLanguage(QStringLiteral("Italiano"), kItaliano);
    start();
    test::whenModalOpens(QStringLiteral("FSoftOptions"), [this](QWidget*) {
        world.dialogs.answers = {true};
        QTest::keyClick(name(1), Qt::Key_Return);
        clickInDialog("Btn_OK");
    });
    window->findChild<FlatButton*>(QStringLiteral("Btn_Opz"))->click();
    EXPECT_EQ(world.dialogs.questions.size(), 1);
    EXPECT_EQ(world.state.LanguageName, QStringLiteral("Italiano"));
    EXPECT_TRUE(settingsFile().contains("<lastlang><language>Italiano</language></lastlang>"))
        << settingsFile().constData();
}

TEST_F(SoftOptionsTest, CancelAfterAPickKeepsTheSettingsButNotTheOldTexts) {
    addLanguage(QStringLiteral("Italiano"), kItaliano);
    writeSettings("1", "0");
    start();
    const QByteArray before = settingsFile();
    test::whenModalOpens(QStringLiteral("FSoftOptions"), [this](QWidget*) {
        world.dialogs.answers = {true};
        QTest::mouseClick(name(1), Qt::LeftButton);
        control<QTabWidget>(QStringLiteral("PC_Options"))->setCurrentIndex(1);
        toggle(control<QCheckBox>(QStringLiteral("CB_En_Con")));
        EXPECT_FALSE(control<QCheckBox>(QStringLiteral("CB_En_Con"))->isChecked());
        clickInDialog("Btn_Cancel");
    });
    window->findChild<FlatButton*>(QStringLiteral("Btn_Opz"))->click();
    ASSERT_EQ(world.dialogs.questions.size(), 1);
    EXPECT_EQ(settingsFile(), before);
    EXPECT_EQ(world.state.LanguageName, QStringLiteral("English"));
    EXPECT_TRUE(world.state.EnableInternet);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("L_Begin"))->text(), QStringLiteral("Inizio"));

    // The next showing names the remembered language again, in the texts of this run.
    options()->show();
    EXPECT_EQ(text("L_Sel_Lang"), QStringLiteral("Lingua selezionata : English"));
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("CB_En_Con"))->isChecked());
}

TEST_F(SoftOptionsTest, WithoutLanguageFilesEnglishIsTheOneChoiceAndPickingItKeepsEnglish) {
    TFSoftOptions* dialog = showOptions();
    EXPECT_EQ(dialog->languages(), QStringList{"English.lng"});
    EXPECT_EQ(shownNames(), QStringList{"English"});
    EXPECT_EQ(text("L_Page_Lang"), QStringLiteral("Page 1 / 1"));
    EXPECT_FALSE(control(QStringLiteral("Btn_Prev"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("Btn_Next"))->isVisible());
    EXPECT_FALSE(flag(1)->isVisible()); // no picture in the folder

    // Asked even for the language in use; the built-in texts stay.
    world.dialogs.answers = {true};
    name(1)->setFocus();
    QTest::keyClick(name(1), Qt::Key_Space);
    EXPECT_EQ(world.dialogs.questions,
              QStringList{QStringLiteral("Do you want to change the Language from English to English?")});
    EXPECT_EQ(world.state.Texts[42], QStringLiteral("Selected Language : "));
    EXPECT_EQ(text("L_Sel_Lang"), QStringLiteral("Selected Language : English"));
    EXPECT_TRUE(world.dialogs.warnings.isEmpty());
}

TEST_F(SoftOptionsTest, LanguageRemovedBeforeThePickGivesEnglishTextsYetOkStoresIt) {
    addLanguage(QStringLiteral("Italiano"), kItaliano);
    TFSoftOptions* dialog = showOptions();
    ASSERT_TRUE(QFile::remove(languageFile(QStringLiteral("Italiano.lng"))));
    world.dialogs.answers = {true};
    QTest::mouseClick(name(1), Qt::LeftButton);
    EXPECT_EQ(text("L_Sel_Lang"), QStringLiteral("Selected Language : Italiano"));
    EXPECT_EQ(world.state.Texts[0], QStringLiteral("Begin"));
    EXPECT_EQ(world.state.LanguageName, QStringLiteral("English"));
    clickInDialog("Btn_OK");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(world.state.LanguageName, QStringLiteral("Italiano"));
}

TEST_F(SoftOptionsTest, TextsBeforeAPageIsDrawn) {
    runWorkspaceStartUp(world.state, world.dir.path());
    TFSoftOptions dialog(world.context, nullptr);
    auto label = [&](const char* name) {
        return dialog.findChild<QLabel*>(QString::fromUtf8(name))->text();
    };
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Software Options"));
    EXPECT_EQ(label("L_SW_Code"), QStringLiteral("KT883"));
    EXPECT_EQ(label("L_SW_Desc"), QStringLiteral("Software Options"));
    EXPECT_EQ(label("L_Sel_Lang"), QStringLiteral("Selected Language : "));
    EXPECT_EQ(label("L_Page_Lang"), QStringLiteral("Page 1 / 1"));
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("PC_Options"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Language"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Connection Options"));
    const std::pair<const char*, const char*> captions[] = {{"Btn_Prev", "Previous"},
                                                            {"Btn_Next", "Next"},
                                                            {"Btn_Check_Update", "Check Available Update"},
                                                            {"Btn_OK", "OK"},
                                                            {"Btn_Cancel", "Cancel"}};
    for (const auto& [button, caption] : captions)
        EXPECT_EQ(dialog.findChild<FlatButton*>(QString::fromUtf8(button))->text(),
                  QString::fromUtf8(caption));
    EXPECT_EQ(dialog.findChild<QCheckBox*>(QStringLiteral("CB_En_Con"))->text(),
              QStringLiteral("Enable Internet Connection"));
    EXPECT_EQ(dialog.findChild<QCheckBox*>(QStringLiteral("CB_Update"))->text(),
              QStringLiteral("Check Software Update at Start of Program"));
}

TEST_F(SoftOptionsTest, EveryShowingStartsOnTheLanguageTabWithTheCheckResultHidden) {
    writeSettings("1", "1");
    TFSoftOptions* dialog = showOptions();
    auto* tabs = control<QTabWidget>(QStringLiteral("PC_Options"));
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("TS_Language"));
    tabs->setCurrentIndex(1);
    control<FlatButton>(QStringLiteral("Btn_Check_Update"))->click();
    world.versionChecker.answer(false);
    EXPECT_TRUE(control(QStringLiteral("LL_Check_Update"))->isVisible());
    dialog->reject();

    dialog->show();
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("TS_Language"));
    EXPECT_TRUE(control(QStringLiteral("LL_Check_Update"))->isHidden());
}

TEST_F(SoftOptionsTest, UncheckingInternetKeepsTheUpdateMarkAndOkStoresBothWithTheTimerOff) {
    writeSettings("1", "1");
    start();
    ASSERT_TRUE(window->updateTimer().isActive());
    test::whenModalOpens(QStringLiteral("FSoftOptions"), [this](QWidget*) {
        auto* internet = control<QCheckBox>(QStringLiteral("CB_En_Con"));
        auto* update = control<QCheckBox>(QStringLiteral("CB_Update"));
        auto* check = control<FlatButton>(QStringLiteral("Btn_Check_Update"));
        EXPECT_TRUE(internet->isChecked());
        EXPECT_TRUE(update->isChecked());
        EXPECT_TRUE(update->isEnabled());
        EXPECT_TRUE(check->isEnabled());
        control<QTabWidget>(QStringLiteral("PC_Options"))->setCurrentIndex(1);
        toggle(internet);
        EXPECT_FALSE(internet->isChecked());
        EXPECT_FALSE(update->isEnabled());
        EXPECT_TRUE(update->isChecked());
        EXPECT_FALSE(check->isEnabled());
        clickInDialog("Btn_OK");
    });
    window->findChild<FlatButton*>(QStringLiteral("Btn_Opz"))->click();
    EXPECT_FALSE(world.state.EnableInternet);
    EXPECT_TRUE(world.state.EnableUpdateCheck);
    EXPECT_TRUE(settingsFile().contains(
        "<lastinternet><enable_internet>0</enable_internet><enable_update>1</enable_update></lastinternet>"))
        << settingsFile().constData();
    EXPECT_FALSE(window->updateTimer().isActive());
}

TEST_F(SoftOptionsTest, CheckingBothBoxesAndOkStartsTheTimer) {
    writeSettings("0", "0");
    start();
    test::whenModalOpens(QStringLiteral("FSoftOptions"), [this](QWidget*) {
        auto* internet = control<QCheckBox>(QStringLiteral("CB_En_Con"));
        auto* update = control<QCheckBox>(QStringLiteral("CB_Update"));
        auto* check = control<FlatButton>(QStringLiteral("Btn_Check_Update"));
        control<QTabWidget>(QStringLiteral("PC_Options"))->setCurrentIndex(1);
        EXPECT_FALSE(update->isEnabled());
        EXPECT_FALSE(check->isEnabled());
        toggle(internet);
        EXPECT_TRUE(update->isEnabled());
        EXPECT_FALSE(check->isEnabled()); // the update box is still unchecked
        toggle(update);
        EXPECT_TRUE(check->isEnabled());
        clickInDialog("Btn_OK");
    });
    window->findChild<FlatButton*>(QStringLiteral("Btn_Opz"))->click();
    EXPECT_TRUE(settingsFile().contains(
        "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update></lastinternet>"))
        << settingsFile().constData();
    EXPECT_TRUE(window->updateTimer().isActive());
    EXPECT_EQ(window->updateTimer().interval(), 60000);
}

TEST_F(SoftOptionsTest, NewerVersionShowsTheDownloadLinkThatOpensThroughTheOpener) {
    writeSettings("1", "1");
    showOptions();
    control<QTabWidget>(QStringLiteral("PC_Options"))->setCurrentIndex(1);
    auto* check = control<FlatButton>(QStringLiteral("Btn_Check_Update"));
    auto* result = control<QLabel>(QStringLiteral("LL_Check_Update"));
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(world.versionChecker.started, 1);
    // One check at a time; the window goes on answering meanwhile.
    EXPECT_FALSE(check->isEnabled());
    EXPECT_FALSE(result->isVisible());
    auto* update = control<QCheckBox>(QStringLiteral("CB_Update"));
    toggle(update);
    ASSERT_FALSE(update->isChecked());
    toggle(update);
    ASSERT_TRUE(update->isChecked());
    EXPECT_FALSE(check->isEnabled());

    world.versionChecker.answer(true);
    EXPECT_TRUE(result->isVisible());
    EXPECT_TRUE(check->isEnabled());
    EXPECT_EQ(result->textFormat(), Qt::RichText);
    EXPECT_EQ(result->text(),
              QStringLiteral("<a href=\"http://127.0.0.1:9/Home/download/download.asp#KH883\">"
                             "New Version Available. Click Here for more Details</a>"));
    emit result->linkActivated(QStringLiteral("http://127.0.0.1:9/Home/download/download.asp#KH883"));
    EXPECT_EQ(world.urls.opened, QStringList{"http://127.0.0.1:9/Home/download/download.asp#KH883"});
}

TEST_F(SoftOptionsTest, NoNewerVersionSaysSoInPlainTextInTheLanguageInUse) {
    addLanguage(QStringLiteral("Italiano"), kItaliano);
    writeSettings("1", "1");
    showOptions();
    auto* result = control<QLabel>(QStringLiteral("LL_Check_Update"));
    control<FlatButton>(QStringLiteral("Btn_Check_Update"))->click();
    world.versionChecker.answer(false);
    EXPECT_EQ(result->textFormat(), Qt::PlainText);
    EXPECT_EQ(result->text(), QStringLiteral("No Update Available"));
    EXPECT_TRUE(control<FlatButton>(QStringLiteral("Btn_Check_Update"))->isEnabled());

    world.dialogs.answers = {true};
    QTest::mouseClick(name(1), Qt::LeftButton);
    EXPECT_EQ(result->text(), QStringLiteral("Nessun aggiornamento"));
}

TEST_F(SoftOptionsTest, AnswerAfterTheDialogClosedShowsNothing) {
    writeSettings("1", "1");
    TFSoftOptions* dialog = showOptions();
    control<FlatButton>(QStringLiteral("Btn_Check_Update"))->click();
    dialog->reject();
    world.versionChecker.answer(true);
    EXPECT_TRUE(control(QStringLiteral("LL_Check_Update"))->isHidden());

    dialog->show();
    EXPECT_TRUE(control(QStringLiteral("LL_Check_Update"))->isHidden());
    EXPECT_TRUE(control<FlatButton>(QStringLiteral("Btn_Check_Update"))->isEnabled());
}

TEST_F(SoftOptionsTest, AnswerAfterTheDialogIsGoneIsIgnored) {
    runWorkspaceStartUp(world.state, world.dir.path());
    world.state.EnableInternet = world.state.EnableUpdateCheck = true;
    auto dialog = std::make_unique<TFSoftOptions>(world.context, nullptr);
    dialog->show();
    dialog->findChild<FlatButton*>(QStringLiteral("Btn_Check_Update"))->click();
    ASSERT_EQ(world.versionChecker.started, 1);
    dialog.reset();
    world.versionChecker.answer(true); // must not touch the destroyed dialog
    EXPECT_TRUE(world.urls.opened.isEmpty());
}

// Refuses every check at once, as a checker may while another check runs.
class RefusingChecker : public VersionChecker {
public:
    void checkForNewerVersion(std::function<void(bool)> done) override { done(false); }
};

TEST_F(SoftOptionsTest, CheckRefusedAtOnceSaysNoUpdateAndFreesTheButton) {
    runWorkspaceStartUp(world.state, world.dir.path());
    world.state.EnableInternet = world.state.EnableUpdateCheck = true;
    RefusingChecker refusing;
    AppContext context{world.state,  world.dialogs,          world.urls,
                       refusing,     world.context.server,   {},
                       {},           world.context.icmpEcho, world.context.pingLimits,
                       world.updater};
    TFSoftOptions dialog(context, nullptr);
    dialog.show();
    auto* check = dialog.findChild<FlatButton*>(QStringLiteral("Btn_Check_Update"));
    check->click();
    auto* result = dialog.findChild<QLabel*>(QStringLiteral("LL_Check_Update"));
    EXPECT_FALSE(result->isHidden());
    EXPECT_EQ(result->text(), QStringLiteral("No Update Available"));
    EXPECT_TRUE(check->isEnabled());
}

} // namespace
} // namespace zz
