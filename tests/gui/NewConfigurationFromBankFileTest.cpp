#include "app/UNew_Project.h"
#include "app/UZevazerazueFirmWare.h"
#include "app/Workspace.h"
#include "common/FileIo.h"
#include "image/ImageComposer.h"
#include "image/ImageRestore.h"
#include "support/BankFileFixtures.h"
#include "support/GuiFakes.h"
#include "support/SmallFileSystem.h"
#include "support/TestFiles.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cerrno>
#include <gtest/gtest.h>
#include <optional>

namespace zz {
namespace {

class NewConfigurationFromBankFileTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    test::ConfigFolder source;
    std::unique_ptr<TFNew_Project> dialog;

    void SetUp() override {
        runWorkspaceStartUp(world.state, world.dir.path());
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/Before")));
        activateConfiguration(world.state, QStringLiteral("Before"));
        dialog = std::make_unique<TFNew_Project>(world.context, nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }
    QLineEdit* nameField() const { return dialog->findChild<QLineEdit*>(QStringLiteral("E_New_Proj")); }
    QLineEdit* bankField() const { return dialog->findChild<QLineEdit*>(QStringLiteral("E_Bank_File")); }
    FlatButton* button(const char* name) const {
        return dialog->findChild<FlatButton*>(QString::fromLatin1(name));
    }
    void fill(const QString& name, const QString& bankFile) {
        nameField()->setText(name);
        bankField()->setText(bankFile);
    }
    void clickOk() { QTest::mouseClick(button("Btn_OK"), Qt::LeftButton); }
    QString projectFolder(const QString& name) const { return joinPath(world.state.ProjectsDir, name); }
    QStringList projects() const {
        return QDir(world.state.ProjectsDir)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QString bankPath() const { return source.path(QStringLiteral("bank_k.bin")); }
    // After a refusal: one error box, the dialog open with what the user typed, nothing made.
    void expectRefusedAndKept(const QString& name, const QString& bankFile) {
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(nameField()->text(), name);
        EXPECT_EQ(bankField()->text(), bankFile);
        EXPECT_EQ(projects(), QStringList{QStringLiteral("Before")});
        EXPECT_EQ(world.state.LastProjectName, QStringLiteral("Before"));
        EXPECT_EQ(world.state.ProjectDir, projectFolder(QStringLiteral("Before")));
        EXPECT_TRUE(world.dialogs.warnings.isEmpty());
    }
};

TEST_F(NewConfigurationFromBankFileTest, TheFieldHasItsTextsShortcutsAndPlaceInTheTabOrder) {
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("L_Bank_File"))->text(),
              QStringLiteral("Start from a &bank file (optional)"));
    EXPECT_EQ(button("Btn_Browse")->text(), QStringLiteral("B&rowse..."));
    EXPECT_EQ(bankField()->text(), QString());

    ASSERT_TRUE(test::waitUntil([this] { return nameField()->hasFocus(); }));
    QTest::keyClick(dialog.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(bankField()->hasFocus());
    nameField()->setFocus();
    QTest::keyClick(nameField(), Qt::Key_Tab);
    EXPECT_TRUE(bankField()->hasFocus());
    QTest::keyClick(bankField(), Qt::Key_Tab);
    EXPECT_TRUE(button("Btn_Browse")->hasFocus());

    // Alt+R is Browse; each showing starts with an empty field.
    world.fileChooser.answer = QStringLiteral("/srv/banks/bank_k.bin");
    QTest::keyClick(dialog.get(), Qt::Key_R, Qt::AltModifier);
    const QString chosen = QDir::toNativeSeparators(QStringLiteral("/srv/banks/bank_k.bin"));
    EXPECT_TRUE(test::waitUntil([&] { return bankField()->text() == chosen; })); // a shortcut clicks late
    dialog->hide();
    dialog->show();
    EXPECT_EQ(bankField()->text(), QString());
}

TEST_F(NewConfigurationFromBankFileTest, BrowseOffersBankFilesFromTheTypedFolderAndCancelKeepsTheField) {
    bankField()->setText(QStringLiteral("/srv/banks/old.bin"));
    world.fileChooser.answer.clear(); // cancelled
    QTest::mouseClick(button("Btn_Browse"), Qt::LeftButton);
    ASSERT_EQ(world.fileChooser.requests.size(), 1u);
    EXPECT_EQ(world.fileChooser.requests[0].caption, QStringLiteral("Choose the bank file to start from"));
    EXPECT_EQ(world.fileChooser.requests[0].folder, QStringLiteral("/srv/banks"));
    EXPECT_EQ(world.fileChooser.requests[0].filter, QStringLiteral("Bank files (*.bin);;All files (*)"));
    EXPECT_EQ(bankField()->text(), QStringLiteral("/srv/banks/old.bin"));

    world.fileChooser.answer = bankPath();
    QTest::mouseClick(button("Btn_Browse"), Qt::LeftButton);
    EXPECT_EQ(bankField()->text(), QDir::toNativeSeparators(bankPath()));
    EXPECT_TRUE(bankField()->hasFocus());
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
}

TEST_F(NewConfigurationFromBankFileTest, AnEmptyFieldCreatesAnEmptyConfigurationAsBefore) {
    fill(QStringLiteral("Plant"), QString());
    clickOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(QDir(projectFolder(QStringLiteral("Plant"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("bin")});
    EXPECT_EQ(world.state.LastProjectName, QStringLiteral("Plant"));
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    EXPECT_TRUE(world.dialogs.warnings.isEmpty());
}

TEST_F(NewConfigurationFromBankFileTest, AGoodBankFileGivesAConfigurationThatComposesItAndNamesTheDefaults) {
    test::writeFullConfiguration(source);
    const QByteArray image = test::writeBankFileOf(source, bankPath());
    fill(QStringLiteral("Plant"), bankPath());
    QTest::keyClick(bankField(), Qt::Key_Return); // Enter in the field is OK too

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    const QString folder = projectFolder(QStringLiteral("Plant"));
    EXPECT_EQ(world.state.ProjectDir, folder);
    EXPECT_EQ(world.state.LastProjectName, QStringLiteral("Plant"));
    for (const char* file : {"ParGen.xml", "EnableFunctions.xml", "var.xml", "bin"})
        EXPECT_TRUE(QFileInfo::exists(joinPath(folder, QString::fromLatin1(file)))) << file;
    const image::ImageSources sources{joinPath(folder, QStringLiteral("ParGen.xml")),
                                      joinPath(folder, QStringLiteral("EnableFunctions.xml")),
                                      joinPath(folder, QStringLiteral("var.xml"))};
    EXPECT_EQ(image::Compose_Image(sources), image);

    // The image keeps neither SSID, password, fast boot nor mnemonics.
    ASSERT_EQ(world.dialogs.warnings.size(), 1);
    const QStringList lines = world.dialogs.warnings[0].split(u'\n');
    EXPECT_EQ(lines[0],
              QStringLiteral(
                  "The bank file does not hold these values, so the new configuration has the defaults:"));
    EXPECT_TRUE(lines.contains(QStringLiteral("ParGen.xml: Password = (empty)")));
    EXPECT_TRUE(lines.contains(QStringLiteral("ParGen.xml: Fast_Boot = 0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("EnableFunctions.xml: Mnemonic of every row = (empty)")));
    EXPECT_TRUE(lines.contains(QStringLiteral("var.xml: MNEMONIC of every row = (empty)")));
    EXPECT_TRUE(lines.filter(QStringLiteral("SSID")).size() == 1);
}

TEST_F(NewConfigurationFromBankFileTest, ABankFileThatHoldsEverythingGivesNoWarning) {
    // No ParGen.xml, every function on and no row: nothing of it is lost in an image.
    const QByteArray image = test::writeBankFileOf(source, bankPath());
    fill(QStringLiteral("Empty plant"), bankPath());
    clickOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    EXPECT_TRUE(world.dialogs.warnings.isEmpty());
    const QString folder = projectFolder(QStringLiteral("Empty plant"));
    EXPECT_FALSE(QFileInfo::exists(joinPath(folder, QStringLiteral("ParGen.xml"))));
    EXPECT_FALSE(QFileInfo::exists(joinPath(folder, QStringLiteral("EnableFunctions.xml"))));
    const image::ImageSources sources{joinPath(folder, QStringLiteral("ParGen.xml")),
                                      joinPath(folder, QStringLiteral("EnableFunctions.xml")),
                                      joinPath(folder, QStringLiteral("var.xml"))};
    EXPECT_EQ(image::Compose_Image(sources), image);
}

TEST_F(NewConfigurationFromBankFileTest, ARefusedBankFileNamesItAndEveryReasonAndCreatesNothing) {
    test::writeFullConfiguration(source);
    QByteArray image = source.compose();
    image[100] = 1; // a reserved byte, which also breaks the checksum
    test::writeFile(bankPath(), image);
    const QStringList reasons = image::analyseForRestore(image).refusals;
    ASSERT_EQ(reasons.size(), 2);

    fill(QStringLiteral("Plant"), bankPath());
    clickOk();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_EQ(world.dialogs.errors[0],
              QStringLiteral("No configuration can be made from the bank file %1, so none was created:\n")
                      .arg(QDir::toNativeSeparators(bankPath())) +
                  reasons.join(u'\n'));
    EXPECT_TRUE(world.dialogs.errors[0].contains(QStringLiteral("checksum"), Qt::CaseInsensitive));
    EXPECT_TRUE(world.dialogs.errors[0].contains(QStringLiteral("reserved bytes")));
    expectRefusedAndKept(QStringLiteral("Plant"), bankPath());
}

TEST_F(NewConfigurationFromBankFileTest, ABankFileThatCannotBeReadIsNamedWithTheProblem) {
    test::writeFile(source.path(QStringLiteral("short.bin")), QByteArray(100, '\0'));
    QDir().mkpath(source.path(QStringLiteral("folder.bin")));
    const bool unreadable = test::makeUnreadableFile(source.path(QStringLiteral("locked.bin")));
    struct Case {
        QString file;
        QString problem; // a part of the second line
    };
    std::vector<Case> cases = {
        {source.path(QStringLiteral("missing.bin")), QStringLiteral("")},
        {source.path(QStringLiteral("short.bin")), QStringLiteral("100 bytes long")},
        {source.path(QStringLiteral("folder.bin")), QStringLiteral("not a regular file")},
    };
    if (unreadable)
        cases.push_back({source.path(QStringLiteral("locked.bin")), QStringLiteral("")});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        world.dialogs.errors.clear();
        fill(QStringLiteral("Plant"), c.file);
        clickOk();
        ASSERT_EQ(world.dialogs.errors.size(), 1);
        const QStringList lines = world.dialogs.errors[0].split(u'\n');
        ASSERT_EQ(lines.size(), 2) << world.dialogs.errors[0].toStdString();
        EXPECT_EQ(lines[0],
                  QStringLiteral("The bank file %1 could not be read, so no configuration was created:")
                      .arg(QDir::toNativeSeparators(c.file)));
        EXPECT_FALSE(lines[1].isEmpty());
        EXPECT_TRUE(lines[1].contains(c.problem)) << lines[1].toStdString();
        expectRefusedAndKept(QStringLiteral("Plant"), c.file);
    }
}

TEST_F(NewConfigurationFromBankFileTest, TheNameIsCheckedBeforeTheBankFile) {
    const QString missing = source.path(QStringLiteral("missing.bin"));
    const std::pair<QString, QString> cases[] = {
        {QString(), QStringLiteral("Error! Name Project is not valid")},
        {QStringLiteral("before"),
         QStringLiteral("Error! Name project is not valid because directory already exists")},
        {QStringLiteral("a:b"),
         QStringLiteral("Error! Name project is not valid\nA name cannot hold the character ':'.")},
    };
    for (const auto& [name, message] : cases) {
        world.dialogs.errors.clear();
        fill(name, missing);
        clickOk();
        EXPECT_EQ(world.dialogs.errors, QStringList{message}) << qPrintable(name);
        expectRefusedAndKept(name, missing);
    }
}

// Where the tests may mount, PROJECTS is a small file system that takes ParGen.xml but not the
// 2000-row var.xml; elsewhere every write fails.
TEST_F(NewConfigurationFromBankFileTest, AFailedWriteIsNamedAndLeavesNoHalfMadeConfiguration) {
    test::writeFullConfiguration(source, 2000);
    test::writeBankFileOf(source, bankPath());
    test::SmallFileSystem small(64);
    std::optional<InjectedWriteFailure> injected;
    if (small.mounted()) {
        world.state.ProjectsDir = small.path();
        QDir().mkdir(small.filePath(QStringLiteral("Before")));
        world.state.ProjectDir = small.filePath(QStringLiteral("Before"));
    } else {
        injected.emplace(ENOSPC);
    }

    fill(QStringLiteral("Plant"), bankPath());
    clickOk();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    const QStringList lines = world.dialogs.errors[0].split(u'\n');
    ASSERT_EQ(lines.size(), 2) << world.dialogs.errors[0].toStdString();
    EXPECT_EQ(
        lines[0],
        QStringLiteral("The files of the new configuration could not be written, so it was not created:"));
    EXPECT_TRUE(lines[1].startsWith(QDir::toNativeSeparators(projectFolder(QStringLiteral("Plant")))))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << lines[1].toStdString();
    expectRefusedAndKept(QStringLiteral("Plant"), bankPath());
}

// From the main window: a bank file in NAT mode makes the Translate Table step available at once.
TEST(NewConfigurationFromTheMainWindow, ANatBankFileEnablesTheTranslateTableStep) {
    test::GuiWorld world;
    test::ConfigFolder source;
    test::writeFullConfiguration(source);
    const QString bankFile = source.path(QStringLiteral("bank_k.bin"));
    test::writeBankFileOf(source, bankFile);
    TFZevazerazueFirmWare window(world.context, world.dir.path());
    window.show();
    ASSERT_FALSE(window.findChild<FlatButton*>(QStringLiteral("Btn_TranslateTable"))->isEnabled());

    test::whenModalOpens(QStringLiteral("FNew_Project"), [&bankFile](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("E_New_Proj"))->setText(QStringLiteral("Restored"));
        dialog->findChild<QLineEdit*>(QStringLiteral("E_Bank_File"))->setText(bankFile);
        dialog->findChild<FlatButton*>(QStringLiteral("Btn_OK"))->click();
    });
    window.findChild<FlatButton*>(QStringLiteral("Btn_New"))->click();
    EXPECT_EQ(world.state.LastProjectName, QStringLiteral("Restored"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("L_Name_Conf_L2"))->text(),
              QStringLiteral("Restored"));
    EXPECT_TRUE(window.findChild<FlatButton*>(QStringLiteral("Btn_TranslateTable"))->isEnabled());
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    EXPECT_EQ(world.dialogs.warnings.size(), 1);
}

} // namespace
} // namespace zz
