#include "tables/TranslateGrid.h"

#include "app/Workspace.h"
#include "lang/AddedTexts.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"
#include "tables/TranslateTable.h"
#include "tables/UTranslateTable_914.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace zz {
namespace {

const QByteArray kTwoRows =
    "<TCP_TO_RTU><row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"2\" "
    "RTU_ADDRESS=\"100\" "
    "N_POINT=\"10\" MNEMONIC=\"boiler\"/><row DATA_TYPE=\"1\" TCP_ADD_DEV=\"5\" TCP_ADDRESS=\"200\" "
    "RTU_ADD_DEV=\"6\" RTU_ADDRESS=\"0\" N_POINT=\"255\" MNEMONIC=\" coil \"/></TCP_TO_RTU><!--SW_VERSION = "
    "1.002-->";

class TranslateGridTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    test::FakeFileChooser files;
    std::unique_ptr<TFTranslateTable_914> dialog;

    void SetUp() override {
        runWorkspaceStartUp(world.state, world.dir.path());
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/Plant")));
        activateConfiguration(world.state, QStringLiteral("Plant"));
        dialog = std::make_unique<TFTranslateTable_914>(world.context, nullptr);
        grid()->setFileChooser(&files);
        test::writeFile(world.state.TranslateTableFile, kTwoRows);
        dialog->show();
        grid()->setFocus();
    }

    TranslateGrid* grid() const { return dialog->findChild<TranslateGrid*>(QStringLiteral("sga")); }
    QAbstractItemModel* model() const { return grid()->model(); }
    QString cell(int row, int column) const { return model()->index(row - 1, column).data().toString(); }
    void goTo(int row, int column) { grid()->setCurrentIndex(model()->index(row - 1, column)); }
    void selectRows(int first, int last) {
        goTo(first, ColDataType);
        grid()->selectionModel()->select(
            QItemSelection(model()->index(first - 1, ColDataType), model()->index(last - 1, ColMnemonic)),
            QItemSelectionModel::ClearAndSelect);
    }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(grid(), static_cast<Qt::Key>(k), modifiers);
    }
};

TEST_F(TranslateGridTest, APastedBlockLandsAtTheCurrentCellAndCopiesBackTheSame) {
    const QString block = QStringLiteral(" holding register \t7\t8\n2\t9\t10\n");
    QGuiApplication::clipboard()->setText(block);
    goTo(5, ColDataType);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(5, ColDataType), QStringLiteral("Holding Register"));
    EXPECT_EQ(cell(5, ColAddressTcp), QStringLiteral("8"));
    EXPECT_EQ(cell(6, ColDataType), QStringLiteral("Input Status"));
    EXPECT_EQ(cell(6, ColAddressTcp), QStringLiteral("10"));
    EXPECT_EQ(cell(6, ColSlaveId), QString());

    QGuiApplication::clipboard()->clear();
    key(Qt::Key_C, Qt::ControlModifier); // the pasted block is selected
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Holding Register\t7\t8\nInput Status\t9\t10\n"));
}

TEST_F(TranslateGridTest, OkWithARefusedCellOpenStaysAndWritesNothing) {
    goTo(1, ColMnemonic);
    key(Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(grid()->indexWidget(model()->index(0, ColMnemonic)));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("bad") + QChar(0x02));
    dialog->findChild<FlatButton*>(QStringLiteral("Btn_OK"))->click();
    EXPECT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(test::readFile(world.state.TranslateTableFile), kTwoRows);
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("boiler"));
}

TEST_F(TranslateGridTest, TheRefusalBoxTakingTheFocusNeitherCommitsAgainNorMovesOn) {
    test::RealErrorBoxDialogs boxes;
    AppContext context = test::contextWithDialogs(world, boxes);
    dialog = std::make_unique<TFTranslateTable_914>(context, nullptr);
    grid()->setFileChooser(&files);
    dialog->show();
    const std::function<void(QLineEdit*)> enders[] = {
        [](QLineEdit* edit) { QTest::keyClick(edit, Qt::Key_Return); },
        [](QLineEdit* edit) { QTest::keyClick(edit, Qt::Key_Tab); },
        [this](QLineEdit*) { dialog->findChild<FlatButton*>(QStringLiteral("Btn_OK"))->setFocus(); },
    };
    for (const auto& end : enders) {
        SCOPED_TRACE(&end - enders);
        boxes.errors.clear();
        // Offscreen, nothing gives the dialog back its activation once a box has closed.
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        grid()->setFocus();
        goTo(2, ColMnemonic);
        key(Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(grid()->indexWidget(model()->index(1, ColMnemonic)));
        ASSERT_NE(editor, nullptr);
        editor->setText(QStringLiteral("bad") + QChar(0x01));
        end(editor);
        ASSERT_TRUE(test::waitUntil(
            [this] { return grid()->indexWidget(model()->index(1, ColMnemonic)) == nullptr; }));
        QTest::qWait(20);
        EXPECT_TRUE(boxes.boxHadFocus);
        EXPECT_EQ(boxes.errors.size(), 1);
        EXPECT_EQ(cell(2, ColMnemonic), QStringLiteral(" coil "));
        EXPECT_EQ(grid()->currentIndex(), model()->index(1, ColMnemonic));
        EXPECT_EQ(grid()->undoStack()->count(), 0);
    }
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(TranslateGridTest, OneValuePastedOntoASelectionFillsItInOneUndoStep) {
    QGuiApplication::clipboard()->setText(QStringLiteral("pump\n"));
    selectRows(1, 2);
    grid()->selectionModel()->select(model()->index(3, ColMnemonic), QItemSelectionModel::Select);
    grid()->selectionModel()->select(
        QItemSelection(model()->index(0, ColDataType), model()->index(1, ColMnemonic)),
        QItemSelectionModel::Deselect);
    grid()->selectionModel()->select(
        QItemSelection(model()->index(0, ColMnemonic), model()->index(1, ColMnemonic)),
        QItemSelectionModel::Select);
    key(Qt::Key_V, Qt::ControlModifier);
    for (int row : {1, 2, 4})
        EXPECT_EQ(cell(row, ColMnemonic), QStringLiteral("pump")) << row;
    EXPECT_EQ(cell(3, ColMnemonic), QString());
    EXPECT_EQ(cell(1, ColNPoint), QStringLiteral("10"));
    EXPECT_EQ(grid()->selectionModel()->selectedIndexes().size(), 3);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("boiler"));
    EXPECT_EQ(cell(4, ColMnemonic), QString());
}

TEST_F(TranslateGridTest, ABlockGoesToTheTopOfASelectionMadeUpwards) {
    QGuiApplication::clipboard()->setText(QStringLiteral("a\nb\n"));
    grid()->selectionModel()->setCurrentIndex(model()->index(3, ColMnemonic),
                                              QItemSelectionModel::ClearAndSelect);
    grid()->selectionModel()->select(
        QItemSelection(model()->index(2, ColMnemonic), model()->index(3, ColMnemonic)),
        QItemSelectionModel::Select);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(3, ColMnemonic), QStringLiteral("a"));
    EXPECT_EQ(cell(4, ColMnemonic), QStringLiteral("b"));
    EXPECT_EQ(cell(5, ColMnemonic), QString());
}

TEST_F(TranslateGridTest, PasteBeyondRow2000IsRefusedAndNothingChanges) {
    QGuiApplication::clipboard()->setText(QStringLiteral("a\nb\nc\n"));
    goTo(1999, ColMnemonic);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(world.dialogs.errors,
              QStringList{QStringLiteral("3 rows are more than the table holds (2), so nothing is taken.")});
    EXPECT_EQ(cell(1999, ColMnemonic), QString());
    EXPECT_EQ(grid()->undoStack()->count(), 0);
}

TEST_F(TranslateGridTest, DeleteClearsTheSelectionAndUndoRedoBringItBackAndAgain) {
    selectRows(1, 2);
    key(Qt::Key_Delete);
    EXPECT_EQ(cell(1, ColMnemonic), QString());
    EXPECT_EQ(cell(2, ColDataType), QString());
    EXPECT_EQ(cell(1, ColRowNumber), QStringLiteral("1"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("boiler"));
    EXPECT_EQ(cell(2, ColMnemonic), QStringLiteral(" coil "));
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cell(1, ColMnemonic), QString());
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(2, ColMnemonic), QString());
}

TEST_F(TranslateGridTest, ATypedCellIsOneUndoStepAndEnterMovesDown) {
    goTo(1, ColMnemonic);
    key(Qt::Key_P); // typing starts editing with the key typed
    QWidget* editor = grid()->indexWidget(model()->index(0, ColMnemonic));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("ump"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(test::waitUntil([this] { return cell(1, ColMnemonic) == QStringLiteral("pump"); }));
    ASSERT_TRUE(test::waitUntil([this] { return grid()->currentIndex().row() == 1; }));
    EXPECT_EQ(grid()->undoStack()->count(), 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("boiler"));
}

TEST_F(TranslateGridTest, ATypedCharacterTheFileCannotHoldIsRefusedAndTheCellKept) {
    goTo(1, ColMnemonic);
    key(Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(grid()->indexWidget(model()->index(0, ColMnemonic)));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("pu") + QChar(0x01) + QStringLiteral("mp"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(test::waitUntil([this] { return !world.dialogs.errors.isEmpty(); }));
    EXPECT_EQ(world.dialogs.errors,
              QStringList{world.state.Texts[added::CellCharacterNotSaved].arg(
                  QStringLiteral("1"), world.state.Texts[kTranslateFirstHeaderText + ColMnemonic])});
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("boiler"));
    EXPECT_EQ(grid()->undoStack()->count(), 0);
}

TEST_F(TranslateGridTest, SeveralRowsAreDeletedAfterOneQuestionAndInsertedAtOnce) {
    selectRows(1, 2);
    world.dialogs.answers.push_back(true);
    dialog->findChild<FlatButton*>(QStringLiteral("Btn_DelRow"))->click();
    EXPECT_EQ(world.dialogs.questions,
              QStringList{QStringLiteral("Are you sure to delete the 2 selected rows?")});
    EXPECT_EQ(cell(1, ColSlaveIdTcp), QString());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(2, ColSlaveIdTcp), QStringLiteral("5"));

    selectRows(1, 3);
    dialog->findChild<FlatButton*>(QStringLiteral("Btn_InsRow"))->click();
    EXPECT_EQ(cell(1, ColSlaveIdTcp), QString());
    EXPECT_EQ(cell(4, ColSlaveIdTcp), QStringLiteral("1"));
    EXPECT_EQ(cell(5, ColSlaveIdTcp), QStringLiteral("5"));
    EXPECT_EQ(world.dialogs.questions.size(), 1); // nothing falls off the end
}

TEST_F(TranslateGridTest, TabWrapsRowsAndNeverLeavesTheGridCtrlTabReachesTheButtons) {
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    grid()->setFocus();
    goTo(1, ColNPoint);
    key(Qt::Key_Tab);
    EXPECT_EQ(grid()->currentIndex(), model()->index(0, ColMnemonic));
    key(Qt::Key_Tab);
    EXPECT_EQ(grid()->currentIndex(), model()->index(1, ColDataType));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid()->currentIndex(), model()->index(0, ColMnemonic));
    EXPECT_TRUE(grid()->hasFocus());
    key(Qt::Key_Return); // no editor: moves down, never OK
    EXPECT_TRUE(dialog->isVisible());
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Btn_OK"));
}

TEST_F(TranslateGridTest, CancelAsksOnlyAfterAnEditAndNoKeepsTheEdits) {
    dialog->findChild<FlatButton*>(QStringLiteral("Btn_Cancel"))->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(world.dialogs.questions.isEmpty());

    dialog->show();
    goTo(1, ColMnemonic);
    key(Qt::Key_Delete);
    for (const auto& leave :
         {std::function<void()>([this] {
              // Escape in the grid only ends an edit; on a button it is Cancel.
              QTest::keyClick(dialog->findChild<FlatButton*>(QStringLiteral("Btn_OK")), Qt::Key_Escape);
          }),
          std::function<void()>([this] { dialog->close(); }), std::function<void()>([this] {
              dialog->findChild<FlatButton*>(QStringLiteral("Btn_Cancel"))->click();
          })}) {
        world.dialogs.questions.clear();
        leave();
        EXPECT_EQ(world.dialogs.questions,
                  QStringList{QStringLiteral("Do you want to exit without saving changes?")});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(cell(1, ColMnemonic), QString());
    }
}

TEST_F(TranslateGridTest, ImportReportsEveryFailingLineOrReplacesTheTableUndoably) {
    const QString bad = world.path(QStringLiteral("bad.csv"));
    test::writeFile(bad, "Data Type,Slave ID TCP,Address TCP,Slave ID,Address,NPoint,Mnemonic\r\n"
                         "3,1,0,1,0,10,a\r\n9,1,0,1,0,10,b\r\n3,300,0,1,0,10,c\r\n");
    files.names.push_back(bad);
    dialog->findChild<FlatButton*>(QStringLiteral("Btn_ImportCsv"))->click();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_EQ(world.dialogs.errors.first(),
              QStringLiteral(
                  "bad.csv:3: Error in Row 2!! Data Type must be Coil Status or Input Status or Holding "
                  "Register or Input Register\nbad.csv:4: Error in Row 3!! Slave ID TCP must be between 1 "
                  "and 247"));
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("boiler"));

    const QString good = world.path(QStringLiteral("good.csv"));
    test::writeFile(good, "4;9;1;9;1;1;new\n");
    files.names.push_back(good);
    dialog->findChild<FlatButton*>(QStringLiteral("Btn_ImportCsv"))->click();
    EXPECT_EQ(cell(1, ColDataType), QStringLiteral("Input Register"));
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("new"));
    EXPECT_EQ(cell(2, ColSlaveIdTcp), QString());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(2, ColMnemonic), QStringLiteral(" coil "));
}

TEST_F(TranslateGridTest, AnImportWithManyFailingRowsListsTwentyThenHowManyMore) {
    QByteArray csv;
    for (int i = 0; i < 25; ++i)
        csv += "3,300,0,1,0,10,x\n";
    const QString bad = world.path(QStringLiteral("many.csv"));
    test::writeFile(bad, csv);
    files.names.push_back(bad);
    dialog->findChild<FlatButton*>(QStringLiteral("Btn_ImportCsv"))->click();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    const QStringList lines = world.dialogs.errors.first().split(u'\n');
    ASSERT_EQ(lines.size(), 21);
    EXPECT_TRUE(lines[19].startsWith(QStringLiteral("many.csv:20: Error in Row 20!!")))
        << lines[19].toStdString();
    EXPECT_EQ(lines[20], QStringLiteral("and 5 more"));
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("boiler"));
}

TEST_F(TranslateGridTest, ExportWritesTheTableProperAsCsv) {
    const QString out = world.path(QStringLiteral("out.csv"));
    files.names.push_back(out);
    dialog->findChild<FlatButton*>(QStringLiteral("Btn_ExportCsv"))->click();
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    EXPECT_EQ(test::readFile(out),
              QByteArray("\xEF\xBB\xBF"
                         "Data Type,Slave ID TCP,Address TCP,Slave ID,Address,NPoint,Mnemonic\r\n"
                         "Holding Register,1,0,2,100,10,boiler\r\n"
                         "Coil Status,5,200,6,0,255,\" coil \"\r\n"));
    EXPECT_EQ(files.captions, QStringList{QStringLiteral("Export CSV...")});
}

} // namespace
} // namespace zz
