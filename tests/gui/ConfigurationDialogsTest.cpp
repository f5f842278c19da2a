#include "app/Configurations.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/Workspace.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"
#include "widgets/FlatButton.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace zz {
namespace {

class NewProjectDialogTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFNew_Project> dialog;

    void SetUp() override {
        runWorkspaceStartUp(world.state, world.dir.path());
        dialog = std::make_unique<TFNew_Project>(world.context, nullptr);
        dialog->show();
    }
    QLineEdit* nameField() const { return dialog->findChild<QLineEdit*>(QStringLiteral("E_New_Proj")); }
    void type(const QString& text) {
        nameField()->clear();
        QTest::keyClicks(nameField(), text);
    }
    void clickOk() {
        QTest::mouseClick(dialog->findChild<FlatButton*>(QStringLiteral("Btn_OK")), Qt::LeftButton);
    }
};

TEST_F(NewProjectDialogTest, ShowsItsTextsAndStartsEmptyWithTheFocusInTheName) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Create New Configuration"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("L_SW_Code"))->text(), QStringLiteral("KT883"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("L_SW_Desc"))->text(),
              QStringLiteral("Create New Configuration"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Name of the new Configuration"));
    EXPECT_EQ(dialog->findChild<FlatButton*>(QStringLiteral("Btn_OK"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog->findChild<FlatButton*>(QStringLiteral("Btn_Cancel"))->text(), QStringLiteral("Cancel"));
    type(QStringLiteral("left over"));
    dialog->hide();
    dialog->show();
    EXPECT_EQ(nameField()->text(), QString());
    EXPECT_TRUE(test::waitUntil([this] { return nameField()->hasFocus(); }));
}

TEST_F(NewProjectDialogTest, EachRefusalShowsItsTextAndKeepsTheTypedName) {
    QDir().mkpath(world.path(QStringLiteral("PROJECTS/Existing")));
    struct Case {
        QString name;
        QString message;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("Error! Name Project is not valid")},
        {QStringLiteral("Existing"),
         QStringLiteral("Error! Name project is not valid because directory already exists")},
        {QStringLiteral("existing"),
         QStringLiteral("Error! Name project is not valid because directory already exists")},
        {QStringLiteral("a:b"),
         QStringLiteral("Error! Name project is not valid\nA name cannot hold the character ':'.")},
        {QStringLiteral("sub/dir"),
         QStringLiteral("Error! Name project is not valid\nA name cannot hold the character '/'.")},
        {QStringLiteral("CON"),
         QStringLiteral("Error! Name project is not valid\nThe name CON is reserved by Windows.")},
        {QStringLiteral("com\u00B9.txt"),
         QStringLiteral("Error! Name project is not valid\nThe name com\u00B9 is reserved by Windows.")},
        {QStringLiteral(".plant"),
         QStringLiteral("Error! Name project is not valid\nA name cannot begin with a dot: "
                        "on Linux such a folder is hidden and could not be opened again.")},
        {QStringLiteral("plant."),
         QStringLiteral("Error! Name project is not valid\nA name cannot end with a dot or a blank.")},
    };
    for (const Case& c : cases) {
        world.dialogs.errors.clear();
        type(c.name);
        clickOk();
        EXPECT_EQ(world.dialogs.errors, QStringList{c.message}) << qPrintable(c.name);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(nameField()->text(), c.name);
        EXPECT_EQ(world.state.ProjectDir, QString());
    }
}

TEST_F(NewProjectDialogTest, EnterInTheNameIsOk) {
    type(QStringLiteral("Plant 7"));
    QTest::keyClick(nameField(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(QFileInfo(world.path(QStringLiteral("PROJECTS/Plant 7/bin"))).isDir());
    EXPECT_EQ(world.state.LastProjectName, QStringLiteral("Plant 7"));
}

TEST_F(NewProjectDialogTest, CancelAfterAnErrorKeepsThePreviousConfiguration) {
    QDir().mkpath(world.path(QStringLiteral("PROJECTS/Before")));
    activateConfiguration(world.state, QStringLiteral("Before"));
    type(QStringLiteral("bad|name"));
    clickOk();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    QTest::mouseClick(dialog->findChild<FlatButton*>(QStringLiteral("Btn_Cancel")), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(world.state.LastProjectName, QStringLiteral("Before"));
    EXPECT_EQ(world.state.ProjectDir, joinPath(world.state.ProjectsDir, QStringLiteral("Before")));
}

class OpenConfDialogTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFOpenConf> dialog;

    void SetUp() override { runWorkspaceStartUp(world.state, world.dir.path()); }
    void make(std::initializer_list<const char*> names) {
        for (const char* name : names)
            QDir().mkpath(world.path(QStringLiteral("PROJECTS/") + QString::fromUtf8(name)));
    }
    QListWidget* list() const { return dialog->findChild<QListWidget*>(QStringLiteral("ListBox1")); }
    QStringList listed() const {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names.append(list()->item(i)->text());
        return names;
    }
    void open() {
        if (!dialog)
            dialog = std::make_unique<TFOpenConf>(world.context, nullptr);
        dialog->show();
    }
};

TEST_F(OpenConfDialogTest, ListsVisibleFoldersAndPreselectsTheActiveOneIgnoringCase) {
    make({"Alpha", "plant-b", ".hidden", "Gamma"});
    test::writeFile(world.path(QStringLiteral("PROJECTS/notes.txt")), "x");
    world.state.ProjectDir = joinPath(world.state.ProjectsDir, QStringLiteral("PLANT-B"));
    open();
    QStringList names = listed();
    EXPECT_EQ(names, listConfigurations(world.state.ProjectsDir)); // file system order, unsorted
    names.sort();
    EXPECT_EQ(names, (QStringList{"Alpha", "Gamma", "plant-b"}));
    EXPECT_EQ(list()->currentItem()->text(), QStringLiteral("plant-b"));
    EXPECT_EQ(dialog->Name_Conf, QStringLiteral("plant-b"));
}

TEST_F(OpenConfDialogTest, TheExactNameWinsOverOneDifferingOnlyInCase) {
    make({"plant", "Plant", "PLANT"});
    world.state.ProjectDir = joinPath(world.state.ProjectsDir, QStringLiteral("Plant"));
    open();
    EXPECT_EQ(list()->currentItem()->text(), QStringLiteral("Plant"));
    EXPECT_EQ(dialog->Name_Conf, QStringLiteral("Plant"));
}

TEST_F(OpenConfDialogTest, WithoutAnActiveConfigurationTheFirstIsPreselectedAndConfirmingKeepsIt) {
    make({"One", "Two"});
    open();
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(dialog->Name_Conf, list()->item(0)->text());
    QTest::mouseClick(dialog->findChild<FlatButton*>(QStringLiteral("Btn_OK")), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(OpenConfDialogTest, ClickingAndTheKeyboardChooseAndTheNameIsKeptWhenTheListIsEmpty) {
    make({"One", "Two"});
    open();
    const int other = 1 - list()->currentRow();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(list()->item(other)).center());
    EXPECT_EQ(dialog->Name_Conf, list()->item(other)->text());
    QTest::keyClick(list(), other == 1 ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_EQ(dialog->Name_Conf, list()->item(1 - other)->text());
    const QString chosen = dialog->Name_Conf;
    dialog->hide();

    QDir(world.state.ProjectsDir).removeRecursively();
    QDir().mkpath(world.state.ProjectsDir);
    open();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(dialog->Name_Conf, chosen);
}

TEST_F(OpenConfDialogTest, EnterInTheListConfirmsLikeOk) {
    make({"One", "Two"});
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        open();
        QTest::keyClick(list(), Qt::Key_Down);
        const QString chosen = list()->currentItem()->text();
        QTest::keyClick(list(), key);
        EXPECT_FALSE(dialog->isVisible()) << key;
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << key;
        EXPECT_EQ(dialog->Name_Conf, chosen) << key;
    }
}

} // namespace
} // namespace zz
