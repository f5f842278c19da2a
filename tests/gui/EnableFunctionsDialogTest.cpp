#include "app/Workspace.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"
#include "tables/CheckBoxDelegate.h"
#include "tables/EnabledFunctionsModel.h"
#include "tables/TableGrid.h"
#include "tables/UEnableFunctions.h"
#include "widgets/FlatButton.h"

#include <QDir>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace zz {
namespace {

const QStringList kLabels = {
    "Function 1 / Read Coil Status",
    "Function 2 / Read Input Status",
    "Function 3 / Read Holding Register",
    "Function 4 / Read Input Register",
    "Function 5 / Force Single Coil",
    "Function 6 / Preset Single Register",
    "Function 7 / Read Status",
    "Function 15 / Force Multiple Coils",
    "Function 16 / Preset Multiple Registers",
    "Function 17 / Report Slave ID",
    "Function 23 / Read Write Multiple Registers",
};

// The file as saved, from the enabled flags and comments of the eleven rows in order.
QByteArray savedXml(const QString& enabled, const QStringList& mnemonics = QStringList(11, QString())) {
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 23};
    QByteArray bytes = "<EnabledFunctions>";
    for (int i = 0; i < 11; ++i)
        bytes += "<row FunNum=\"" + QByteArray::number(codes[i]) + "\" Enabled=\"" +
                 enabled.mid(i, 1).toUtf8() + "\" Mnemonic=\"" + mnemonics[i].toUtf8() + "\"/>";
    return bytes + "</EnabledFunctions><!--SW_VERSION = 2.713-->";
}

class EnableFunctionsDialogTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFEnableFunctions> dialog;

    void SetUp() override {
        runWorkspaceStartUp(world.state, world.dir.path());
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/Plant")));
        activateConfiguration(world.state, QStringLiteral("Plant"));
        ASSERT_FALSE(world.state.EnableFunctionsFile.isEmpty());
        dialog = std::make_unique<TFEnableFunctions>(world.context, nullptr);
    }

    QString file() const { return world.state.EnableFunctionsFile; }
    void open(const QByteArray& content) {
        test::writeFile(file(), content);
        dialog->show();
    }
    TableGrid* grid() const { return dialog->findChild<TableGrid*>(QStringLiteral("sga")); }
    QAbstractItemModel* model() const { return grid()->model(); }
    FlatButton* button(const char* name) const {
        return dialog->findChild<FlatButton*>(QString::fromUtf8(name));
    }
    QModelIndex at(int row, int column) const { return model()->index(row - 1, column); }
    // "Y" or "N" for each of the eleven rows, as the boxes show them.
    QString ticks() const {
        QString shown;
        for (int row = 1; row <= 11; ++row)
            shown += at(row, ColEnable).data(Qt::CheckStateRole).toInt() == Qt::Checked ? 'Y' : 'N';
        return shown;
    }
    QStyleOptionViewItem cellOption(const QModelIndex& index) const {
        QStyleOptionViewItem option;
        option.initFrom(grid()->viewport());
        option.rect = grid()->visualRect(index);
        option.widget = grid();
        return option;
    }
};

TEST_F(EnableFunctionsDialogTest, ShowsTheFileWithItsTextsAndLabels) {
    open("<EnabledFunctions><row FunNum=\"16\" Enabled=\"N\" Mnemonic=\" regs \"/>"
         "<row FunNum=\"3\" Enabled=\"y\" Mnemonic=\"\"/><row FunNum=\"8\" Enabled=\"N\" Mnemonic=\"x\"/>"
         "</EnabledFunctions>");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Enabled Functions"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("L_SW_Desc"))->text(),
              QStringLiteral("Enabled Functions"));
    EXPECT_EQ(button("Btn_OK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(button("Btn_Cancel")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(model()->rowCount(), 11);
    const QStringList headers = {model()->headerData(0, Qt::Horizontal).toString(),
                                 model()->headerData(1, Qt::Horizontal).toString(),
                                 model()->headerData(2, Qt::Horizontal).toString()};
    EXPECT_EQ(headers, (QStringList{"Function Number", "Enable", "Mnemonic"}));
    QStringList labels;
    for (int row = 1; row <= 11; ++row)
        labels.append(at(row, ColFunction).data().toString());
    EXPECT_EQ(labels, kLabels);
    EXPECT_FALSE(model()->flags(at(1, ColFunction)).testFlag(Qt::ItemIsEditable));
    // "y" is not "Y"; code 8 is not one of the eleven.
    EXPECT_EQ(ticks(), QStringLiteral("YYNYYYYYNYY"));
    EXPECT_EQ(at(9, ColFunctionMnemonic).data().toString(), QStringLiteral(" regs "));
    // The Enable column shows only the box, no text.
    EXPECT_FALSE(at(1, ColEnable).data(Qt::DisplayRole).isValid());
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
}

TEST_F(EnableFunctionsDialogTest, AClickOnTheCentredBoxToggles) {
    open(savedXml(QStringLiteral("YYYYYYYYYYY")));
    const QModelIndex cell = at(2, ColEnable);
    const QRect box = CheckBoxDelegate::checkBoxRect(cellOption(cell));
    // What is drawn, not only where the delegate says it draws: the dark pixels of the box sit
    // in the middle of the cell.
    const QRect cellRect = grid()->visualRect(cell);
    const QImage image = grid()->viewport()->grab(cellRect).toImage();
    int left = image.width(), right = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, left) << "no box drawn";
    EXPECT_NEAR((left + right) / 2.0, image.width() / 2.0, 2.0 * image.devicePixelRatio());
    EXPECT_TRUE(cellRect.contains(box.center()));

    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_EQ(ticks(), QStringLiteral("YNYYYYYYYYY"));
    EXPECT_EQ(grid()->currentIndex(), cell);
    // Outside the box the click only selects.
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                      grid()->visualRect(cell).topLeft() + QPoint(2, 2));
    EXPECT_EQ(ticks(), QStringLiteral("YNYYYYYYYYY"));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_EQ(ticks(), QStringLiteral("YYYYYYYYYYY"));
}

TEST_F(EnableFunctionsDialogTest, SpaceTogglesTheCurrentBox) {
    open(savedXml(QStringLiteral("YYYYYYYYYYY")));
    grid()->setCurrentIndex(at(11, ColEnable));
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(ticks(), QStringLiteral("YYYYYYYYYYN"));
    QTest::keyClick(grid(), Qt::Key_Up);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(ticks(), QStringLiteral("YYYYYYYYYNN"));
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(ticks(), QStringLiteral("YYYYYYYYYYN"));
}

TEST_F(EnableFunctionsDialogTest, EditsAreSavedWithAllElevenEntries) {
    open("<EnabledFunctions><row FunNum=\"16\" Enabled=\"N\" Mnemonic=\"\"/></EnabledFunctions>");
    grid()->setCurrentIndex(at(1, ColEnable));
    QTest::keyClick(grid(), Qt::Key_Space);

    const QModelIndex mnemonic = at(3, ColFunctionMnemonic);
    const QPoint centre = grid()->visualRect(mnemonic).center();
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, centre);
    auto* edit = qobject_cast<QLineEdit*>(grid()->indexWidget(mnemonic));
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral(" read <regs> "));
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_TRUE(test::waitUntil([this, mnemonic] { return grid()->indexWidget(mnemonic) == nullptr; }));
    EXPECT_EQ(mnemonic.data().toString(), QStringLiteral(" read <regs> "));

    button("Btn_OK")->click();
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    QStringList mnemonics(11, QString());
    mnemonics[2] = QStringLiteral(" read &lt;regs> ");
    EXPECT_EQ(test::readFile(file()), savedXml(QStringLiteral("NYYYYYYYNYY"), mnemonics));
}

TEST_F(EnableFunctionsDialogTest, NoFileShowsEveryFunctionEnabledAndOkCreatesTheFile) {
    dialog->show();
    EXPECT_EQ(ticks(), QStringLiteral("YYYYYYYYYYY"));
    button("Btn_OK")->click();
    EXPECT_EQ(test::readFile(file()), savedXml(QStringLiteral("YYYYYYYYYYY")));
}

TEST_F(EnableFunctionsDialogTest, CancelAndTheCloseBoxDiscardTheEdits) {
    const QByteArray content = savedXml(QStringLiteral("NNNNNNNNNNN"));
    const std::function<void()> closers[] = {[this] { button("Btn_Cancel")->click(); },
                                             [this] {
                                                 dialog->close();
                                             }};
    for (const auto& closeDialog : closers) {
        open(content);
        grid()->setCurrentIndex(at(4, ColEnable));
        QTest::keyClick(grid(), Qt::Key_Space);
        ASSERT_EQ(ticks(), QStringLiteral("NNNYNNNNNNN"));
        world.dialogs.answers.push_back(true); // yes, discard the edits
        closeDialog();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(test::readFile(file()), content);
        dialog->show();
        EXPECT_EQ(ticks(), QStringLiteral("NNNNNNNNNNN"));
        dialog->reject();
    }
}

TEST_F(EnableFunctionsDialogTest, LeavingAsksOnlyAfterAnEditAndNoKeepsTheEdits) {
    const QByteArray content = savedXml(QStringLiteral("NNNNNNNNNNN"));
    open(content);
    button("Btn_Cancel")->click(); // nothing changed: closes at once
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(world.dialogs.questions.isEmpty());

    const std::function<void()> leavers[] = {[this] { button("Btn_Cancel")->click(); },
                                             [this] { dialog->close(); },
                                             [this] {
                                                 QTest::keyClick(button("Btn_Cancel"), Qt::Key_Escape);
                                             }};
    for (const auto& leave : leavers) {
        open(content);
        grid()->setCurrentIndex(at(4, ColEnable));
        QTest::keyClick(grid(), Qt::Key_Space);
        world.dialogs.questions.clear();
        world.dialogs.answers.push_back(false); // no, keep editing
        leave();
        EXPECT_EQ(world.dialogs.questions, QStringList{world.state.Texts[316]});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(ticks(), QStringLiteral("NNNYNNNNNNN"));
        dialog->reject();
    }
}

TEST_F(EnableFunctionsDialogTest, AFileThatIsNotWellFormedShowsTheDefaultsAndIsKeptAsBad) {
    open(savedXml(QStringLiteral("NNNNNNNNNNN")));
    dialog->reject();
    const QByteArray broken = "<EnabledFunctions><row FunNum=\"1\"";
    open(broken);
    ASSERT_TRUE(test::waitUntil([this] { return !world.dialogs.errors.isEmpty(); }));
    const QString error = world.dialogs.errors.first();
    EXPECT_TRUE(error.startsWith(QStringLiteral("The table file could not be read"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(file()))) << error.toStdString();
    EXPECT_EQ(ticks(), QStringLiteral("YYYYYYYYYYY"));
    button("Btn_OK")->click();
    EXPECT_EQ(test::readFile(file() + QStringLiteral(".bad")), broken);
    EXPECT_EQ(test::readFile(file()), savedXml(QStringLiteral("YYYYYYYYYYY")));
}

TEST_F(EnableFunctionsDialogTest, ARowWithoutAnAttributeIsAnErrorAndTheEntriesBeforeItStay) {
    open("<EnabledFunctions><row FunNum=\"2\" Enabled=\"N\" Mnemonic=\"\"/><row FunNum=\"3\" Enabled=\"N\"/>"
         "<row FunNum=\"4\" Enabled=\"N\" Mnemonic=\"\"/></EnabledFunctions>");
    ASSERT_TRUE(test::waitUntil([this] { return !world.dialogs.errors.isEmpty(); }));
    EXPECT_TRUE(world.dialogs.errors.first().contains(QStringLiteral("Mnemonic")))
        << world.dialogs.errors.first().toStdString();
    EXPECT_EQ(ticks(), QStringLiteral("YNYYYYYYYYY"));
}

TEST_F(EnableFunctionsDialogTest, AFailedSaveIsShownAndTheDialogStaysOpen) {
    dialog->show();
    world.state.EnableFunctionsFile = world.path(QStringLiteral("missing/folder/EnableFunctions.xml"));
    button("Btn_OK")->click();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(world.dialogs.errors.first().contains(QStringLiteral("EnableFunctions.xml")));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(EnableFunctionsDialogTest, ALanguageChangeReTextsHeadersAndLabels) {
    dialog->show();
    world.state.Texts.set(500, QStringLiteral("Funzioni abilitate"));
    world.state.Texts.set(505, QStringLiteral("Abilita"));
    world.state.Texts.set(517, QStringLiteral("Funzione 23 / Lettura e scrittura di registri multipli"));
    dialog->Set_Lang();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Funzioni abilitate"));
    EXPECT_EQ(model()->headerData(ColEnable, Qt::Horizontal).toString(), QStringLiteral("Abilita"));
    EXPECT_EQ(at(11, ColFunction).data().toString(),
              QStringLiteral("Funzione 23 / Lettura e scrittura di registri multipli"));
    EXPECT_EQ(at(1, ColFunction).data().toString(), kLabels[0]);
    // The label column widens to the longer label.
    EXPECT_GE(grid()->columnWidth(ColFunction),
              grid()->fontMetrics().horizontalAdvance(at(11, ColFunction).data().toString()));
}

TEST_F(EnableFunctionsDialogTest, ASwitchedOffReadFunctionThatTheTableNeedsIsMarked) {
    // Two Holding Register rows and one Coil Status row; the fourth row ends the table.
    test::writeFile(world.state.TranslateTableFile,
                    "<TCP_TO_RTU>"
                    "<row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"1\" "
                    "RTU_ADDRESS=\"0\" N_POINT=\"1\" MNEMONIC=\"\"/>"
                    "<row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"9\" RTU_ADD_DEV=\"1\" "
                    "RTU_ADDRESS=\"9\" N_POINT=\"1\" MNEMONIC=\"\"/>"
                    "<row DATA_TYPE=\"1\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"1\" "
                    "RTU_ADDRESS=\"0\" N_POINT=\"1\" MNEMONIC=\"\"/>"
                    "</TCP_TO_RTU><!--SW_VERSION = 1.002-->");
    open(savedXml("YNNYYYYYYYY"));
    // Function 3 is off and serves two rows; function 2 is off but serves none.
    EXPECT_EQ(at(3, ColFunction).data(Qt::ToolTipRole).toString(),
              QStringLiteral("2 row(s) of the translate table need this function, which is switched off"));
    EXPECT_EQ(at(3, ColEnable).data(Qt::ToolTipRole).toString(),
              at(3, ColFunction).data(Qt::ToolTipRole).toString());
    EXPECT_FALSE(at(3, ColFunction).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(at(3, ColEnable).data(Qt::BackgroundRole).isValid());
    for (int row : {1, 2, 4, 5})
        EXPECT_FALSE(at(row, ColFunction).data(Qt::ToolTipRole).isValid()) << row;

    // Switching function 3 on clears its mark; switching function 1 off marks it with one row.
    ASSERT_TRUE(model()->setData(at(3, ColEnable), Qt::Checked, Qt::CheckStateRole));
    ASSERT_TRUE(model()->setData(at(1, ColEnable), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_FALSE(at(3, ColFunction).data(Qt::ToolTipRole).isValid());
    EXPECT_FALSE(at(3, ColEnable).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(at(1, ColFunction).data(Qt::ToolTipRole).toString(),
              QStringLiteral("1 row(s) of the translate table need this function, which is switched off"));
}

} // namespace
} // namespace zz
