#include "tables/EnabledFunctionsGrid.h"

#include "app/Workspace.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"
#include "tables/EnabledFunctionsModel.h"
#include "tables/UEnableFunctions.h"
#include "widgets/FlatButton.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace zz {
namespace {

const QByteArray kFile = "<EnabledFunctions>"
                         "<row FunNum=\"1\" Enabled=\"Y\" Mnemonic=\"coils\"/>"
                         "<row FunNum=\"2\" Enabled=\"N\" Mnemonic=\"inputs\"/>"
                         "<row FunNum=\"3\" Enabled=\"Y\" Mnemonic=\"\"/>"
                         "</EnabledFunctions><!--SW_VERSION = 2.713-->";

const QString kRefusedRow3 =
    QStringLiteral("Row 3, Mnemonic: the text holds a character that the table file cannot hold.");

class EnabledFunctionsGridTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFEnableFunctions> dialog;

    void SetUp() override {
        world.startWithConfiguration(QStringLiteral("Plant"));
        test::writeFile(world.state.EnableFunctionsFile, kFile);
        open(world.context);
    }

    void open(AppContext& context) {
        dialog = std::make_unique<TFEnableFunctions>(context, nullptr);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        grid()->setFocus();
    }

    EnabledFunctionsGrid* grid() const {
        return dialog->findChild<EnabledFunctionsGrid*>(QStringLiteral("sga"));
    }
    QAbstractItemModel* model() const { return grid()->model(); }
    QModelIndex at(int row, int column) const { return model()->index(row - 1, column); }
    QString mnemonic(int row) const { return at(row, ColFunctionMnemonic).data().toString(); }
    QString ticks() const {
        QString shown;
        for (int row = 1; row <= kFunctionCount; ++row)
            shown += at(row, ColEnable).data(Qt::CheckStateRole).toInt() == Qt::Checked ? 'Y' : 'N';
        return shown;
    }
    void goTo(int row, int column) { grid()->setCurrentIndex(at(row, column)); }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(grid(), static_cast<Qt::Key>(k), modifiers);
    }
    void clickCell(int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers,
                          grid()->visualRect(at(row, column)).topLeft() + QPoint(3, 3));
    }
    void clickRowNumber(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QHeaderView* header = grid()->verticalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers,
                          QPoint(header->width() / 2, header->sectionViewportPosition(row - 1) +
                                                          header->sectionSize(row - 1) / 2));
    }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    void setClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    // Opens the mnemonic editor of `row` and leaves `text` in it.
    QLineEdit* typeMnemonic(int row, const QString& text) {
        goTo(row, ColFunctionMnemonic);
        key(Qt::Key_F2);
        auto* edit = qobject_cast<QLineEdit*>(grid()->indexWidget(at(row, ColFunctionMnemonic)));
        if (edit)
            edit->setText(text);
        return edit;
    }
    bool editorClosed(int row) const { return grid()->indexWidget(at(row, ColFunctionMnemonic)) == nullptr; }
    FlatButton* button(const char* name) const {
        return dialog->findChild<FlatButton*>(QString::fromUtf8(name));
    }
};

TEST_F(EnabledFunctionsGridTest, APastedBlockLandsAtTheCurrentCellAndCopiesBackTheSame) {
    setClipboard(QStringLiteral("n\tpump\nY\t\"two\tfields\"\n")); // only "Y" ticks
    goTo(4, ColEnable);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ticks(), QStringLiteral("YNYNYYYYYYY"));
    EXPECT_EQ(mnemonic(4), QStringLiteral("pump"));
    EXPECT_EQ(mnemonic(5), QStringLiteral("two\tfields"));
    EXPECT_EQ(mnemonic(3), QString());
    EXPECT_EQ(grid()->undoStack()->count(), 1);

    QGuiApplication::clipboard()->clear();
    key(Qt::Key_C, Qt::ControlModifier); // the pasted block is selected
    EXPECT_EQ(clipboard(), QStringLiteral("N\tpump\nY\t\"two\tfields\"\n"));
}

TEST_F(EnabledFunctionsGridTest, RowNumbersSelectWholeRowsWhoseLabelsAreCopiedButNeverChanged) {
    clickRowNumber(1);
    clickRowNumber(2, Qt::ShiftModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    const QString rows = QStringLiteral("Function 1 / Read Coil Status\tY\tcoils\n"
                                        "Function 2 / Read Input Status\tN\tinputs\n");
    EXPECT_EQ(clipboard(), rows);

    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), rows);
    EXPECT_EQ(ticks(), QStringLiteral("NNYYYYYYYYY"));
    EXPECT_EQ(mnemonic(1), QString());
    EXPECT_EQ(at(1, ColFunction).data().toString(), QStringLiteral("Function 1 / Read Coil Status"));

    // The rows pasted back at a row number come back as they were, labels untouched.
    clickRowNumber(1);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ticks(), QStringLiteral("YNYYYYYYYYY"));
    EXPECT_EQ(mnemonic(2), QStringLiteral("inputs"));
    EXPECT_EQ(at(2, ColFunction).data().toString(), QStringLiteral("Function 2 / Read Input Status"));
}

TEST_F(EnabledFunctionsGridTest, ABlockGoesToTheTopOfASelectionMadeUpwards) {
    setClipboard(QStringLiteral("a\nb\n"));
    grid()->selectionModel()->setCurrentIndex(at(5, ColFunctionMnemonic),
                                              QItemSelectionModel::ClearAndSelect);
    grid()->selectionModel()->select(QItemSelection(at(4, ColFunctionMnemonic), at(5, ColFunctionMnemonic)),
                                     QItemSelectionModel::Select);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(mnemonic(4), QStringLiteral("a"));
    EXPECT_EQ(mnemonic(5), QStringLiteral("b"));
    EXPECT_EQ(mnemonic(6), QString());
}

TEST_F(EnabledFunctionsGridTest, ASingleValueFillsEverySelectedCell) {
    clickCell(3, ColEnable);
    clickCell(7, ColEnable, Qt::ShiftModifier);
    clickCell(9, ColEnable, Qt::ControlModifier);
    setClipboard(QStringLiteral("N\n"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ticks(), QStringLiteral("YNNNNNNYNYY"));
    EXPECT_EQ(grid()->undoStack()->count(), 1);

    clickCell(1, ColFunctionMnemonic);
    clickCell(3, ColFunctionMnemonic, Qt::ShiftModifier);
    setClipboard(QStringLiteral("spare"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(QStringList({mnemonic(1), mnemonic(2), mnemonic(3), mnemonic(4)}),
              QStringList({"spare", "spare", "spare", ""}));
}

TEST_F(EnabledFunctionsGridTest, DeleteAndBackspaceClearTheSelectedCells) {
    clickCell(1, ColEnable);
    clickCell(2, ColFunctionMnemonic, Qt::ShiftModifier);
    key(Qt::Key_Delete);
    EXPECT_EQ(ticks(), QStringLiteral("NNYYYYYYYYY"));
    EXPECT_EQ(mnemonic(1), QString());
    EXPECT_EQ(mnemonic(2), QString());
    goTo(3, ColEnable);
    key(Qt::Key_Backspace);
    EXPECT_EQ(ticks(), QStringLiteral("NNNYYYYYYYY"));
    EXPECT_EQ(grid()->undoStack()->count(), 2);
}

TEST_F(EnabledFunctionsGridTest, EveryKindOfChangeIsOneUndoStepAndRedoesAgain) {
    struct Case {
        const char* name;
        std::function<void()> edit;
    };
    const Case cases[] = {
        {"typing",
         [this] {
             QLineEdit* edit = typeMnemonic(1, QStringLiteral("typed"));
             ASSERT_NE(edit, nullptr);
             QTest::keyClick(edit, Qt::Key_Return);
             ASSERT_TRUE(test::waitUntil([this] { return editorClosed(1); }));
         }},
        {"ticking",
         [this] {
             goTo(1, ColEnable);
             key(Qt::Key_Space);
         }},
        {"paste",
         [this] {
             setClipboard(QStringLiteral("N\tpasted\nN\tpasted"));
             goTo(1, ColEnable);
             key(Qt::Key_V, Qt::ControlModifier);
         }},
        {"cut",
         [this] {
             clickCell(1, ColEnable);
             clickCell(2, ColFunctionMnemonic, Qt::ShiftModifier);
             key(Qt::Key_X, Qt::ControlModifier);
         }},
        {"clear",
         [this] {
             clickCell(3, ColEnable);
             key(Qt::Key_Delete);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString ticksBefore = ticks();
        const QStringList before = {mnemonic(1), mnemonic(2)};
        const int steps = grid()->undoStack()->count();
        c.edit();
        const QString ticksAfter = ticks();
        const QStringList after = {mnemonic(1), mnemonic(2)};
        ASSERT_TRUE(ticksAfter != ticksBefore || after != before);
        EXPECT_EQ(grid()->undoStack()->count(), steps + 1);

        key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(ticks(), ticksBefore);
        EXPECT_EQ(QStringList({mnemonic(1), mnemonic(2)}), before);
        key(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(ticks(), ticksAfter);
        EXPECT_EQ(QStringList({mnemonic(1), mnemonic(2)}), after);
        key(Qt::Key_Z, Qt::ControlModifier);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(ticks(), ticksAfter);
        EXPECT_EQ(QStringList({mnemonic(1), mnemonic(2)}), after);
    }
}

TEST_F(EnabledFunctionsGridTest, ANewShowingForgetsTheUndoSteps) {
    goTo(2, ColEnable);
    key(Qt::Key_Space);
    ASSERT_EQ(grid()->undoStack()->count(), 1);
    world.dialogs.answers.push_back(true); // yes, discard
    button("Btn_Cancel")->click();
    ASSERT_FALSE(dialog->isVisible());
    dialog->show();
    EXPECT_EQ(grid()->undoStack()->count(), 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ticks(), QStringLiteral("YNYYYYYYYYY"));
}

TEST_F(EnabledFunctionsGridTest, TabMovesCellToCellAndNeverLeavesTheGrid) {
    goTo(1, ColEnable);
    key(Qt::Key_Tab);
    EXPECT_EQ(grid()->currentIndex(), at(1, ColFunctionMnemonic));
    key(Qt::Key_Tab); // wraps to the next row, past its label
    EXPECT_EQ(grid()->currentIndex(), at(2, ColEnable));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid()->currentIndex(), at(1, ColFunctionMnemonic));

    // In an open editor Tab commits and moves on the same way.
    QLineEdit* edit = typeMnemonic(2, QStringLiteral("tabbed"));
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_TRUE(test::waitUntil([this] { return editorClosed(2); }));
    EXPECT_EQ(mnemonic(2), QStringLiteral("tabbed"));
    EXPECT_EQ(grid()->currentIndex(), at(3, ColEnable));
    edit = typeMnemonic(3, QStringLiteral("back"));
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(test::waitUntil([this] { return editorClosed(3); }));
    EXPECT_EQ(grid()->currentIndex(), at(3, ColEnable));

    // The last cell keeps the cursor; the grid keeps the focus all along.
    goTo(11, ColFunctionMnemonic);
    key(Qt::Key_Tab);
    EXPECT_EQ(grid()->currentIndex(), at(11, ColFunctionMnemonic));
    EXPECT_TRUE(grid()->hasFocus());
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Btn_OK"));
}

TEST_F(EnabledFunctionsGridTest, EnterCommitsAndMovesDownNeverPressingOk) {
    QLineEdit* edit = typeMnemonic(5, QStringLiteral("entered"));
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_TRUE(test::waitUntil([this] { return editorClosed(5); }));
    EXPECT_EQ(mnemonic(5), QStringLiteral("entered"));
    EXPECT_EQ(grid()->currentIndex(), at(6, ColFunctionMnemonic));
    key(Qt::Key_Return);
    EXPECT_EQ(grid()->currentIndex(), at(7, ColFunctionMnemonic));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(test::readFile(world.state.EnableFunctionsFile), kFile);
}

TEST_F(EnabledFunctionsGridTest, ATypedMnemonicTheFileCannotHoldIsRefusedAndNothingChanges) {
    for (const QString& bad : {QStringLiteral("bad\x01"), QStringLiteral("x") + QChar(0xFFFF)}) {
        QLineEdit* edit = typeMnemonic(3, bad);
        ASSERT_NE(edit, nullptr);
        QTest::keyClick(edit, Qt::Key_Return);
        ASSERT_TRUE(test::waitUntil([this] { return editorClosed(3); }));
        EXPECT_EQ(world.dialogs.errors, QStringList{kRefusedRow3});
        EXPECT_EQ(mnemonic(3), QString());
        EXPECT_EQ(grid()->currentIndex(), at(3, ColFunctionMnemonic)); // stays on the refused cell
        EXPECT_EQ(grid()->undoStack()->count(), 0);
        world.dialogs.errors.clear();
    }
    // Nothing changed, so leaving does not ask.
    button("Btn_Cancel")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(world.dialogs.questions.isEmpty());
}

TEST_F(EnabledFunctionsGridTest, OkWithARefusedMnemonicOpenStaysAndWritesNothing) {
    ASSERT_NE(typeMnemonic(3, QStringLiteral("bad\x02")), nullptr);
    button("Btn_OK")->click();
    EXPECT_EQ(world.dialogs.errors, QStringList{kRefusedRow3});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(test::readFile(world.state.EnableFunctionsFile), kFile);
    EXPECT_TRUE(editorClosed(3));
    EXPECT_EQ(mnemonic(3), QString());
}

TEST_F(EnabledFunctionsGridTest, APastedMnemonicTheFileCannotHoldIsRefusedAndNothingChanges) {
    setClipboard(QStringLiteral("N\tfine\nN\tbad\x1f\n"));
    goTo(2, ColEnable);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(world.dialogs.errors, QStringList{kRefusedRow3});
    EXPECT_EQ(ticks(), QStringLiteral("YNYYYYYYYYY"));
    EXPECT_EQ(mnemonic(2), QStringLiteral("inputs"));
    EXPECT_EQ(grid()->undoStack()->count(), 0);
}

TEST_F(EnabledFunctionsGridTest, TheRefusalBoxTakingTheFocusDoesNotCommitTheEditAgain) {
    test::RealErrorBoxDialogs boxes;
    AppContext context = test::contextWithDialogs(world, boxes);
    dialog.reset();
    open(context);
    const std::function<void(QLineEdit*)> enders[] = {
        [](QLineEdit* edit) { QTest::keyClick(edit, Qt::Key_Return); },
        [](QLineEdit* edit) { QTest::keyClick(edit, Qt::Key_Tab); },
        [this](QLineEdit*) { button("Btn_OK")->setFocus(); },
    };
    for (const auto& end : enders) {
        SCOPED_TRACE(&end - enders);
        boxes.errors.clear();
        boxes.boxHadFocus = false;
        // Offscreen, nothing gives the dialog back its activation once a box has closed.
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        grid()->setFocus();
        QLineEdit* edit = typeMnemonic(3, QStringLiteral("bad\x01"));
        ASSERT_NE(edit, nullptr);
        end(edit);
        ASSERT_TRUE(test::waitUntil([this] { return editorClosed(3); }));
        QTest::qWait(20);
        EXPECT_TRUE(boxes.boxHadFocus);
        EXPECT_EQ(boxes.errors, QStringList{kRefusedRow3});
        EXPECT_EQ(mnemonic(3), QString());
        EXPECT_EQ(grid()->undoStack()->count(), 0);
    }
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(EnabledFunctionsGridTest, LeavingAfterAnyNewKindOfEditAsks) {
    const std::function<void()> edits[] = {
        [this] {
            setClipboard(QStringLiteral("N"));
            goTo(1, ColEnable);
            key(Qt::Key_V, Qt::ControlModifier);
        },
        [this] {
            goTo(1, ColFunctionMnemonic);
            key(Qt::Key_Delete);
        },
        [this] {
            goTo(2, ColFunctionMnemonic);
            key(Qt::Key_X, Qt::ControlModifier);
        },
    };
    for (const auto& edit : edits) {
        world.dialogs.questions.clear();
        edit();
        button("Btn_Cancel")->click();
        EXPECT_EQ(world.dialogs.questions, QStringList{world.state.Texts[316]});
        EXPECT_TRUE(dialog->isVisible());
        // Undone, nothing differs from the file any more.
        key(Qt::Key_Z, Qt::ControlModifier);
        world.dialogs.questions.clear();
        button("Btn_Cancel")->click();
        EXPECT_TRUE(world.dialogs.questions.isEmpty());
        EXPECT_FALSE(dialog->isVisible());
        dialog->show();
        grid()->setFocus();
    }
}

TEST_F(EnabledFunctionsGridTest, TheMenuEntriesTakeTheTranslateGridTexts) {
    QStringList names, texts;
    for (const QAction* action : grid()->editActions()) {
        names.append(action->objectName());
        texts.append(action->text());
    }
    EXPECT_EQ(names, QStringList({"Act_Copy", "Act_Cut", "Act_Paste", "Act_Clear", "Act_Undo", "Act_Redo"}));
    EXPECT_EQ(texts, QStringList({"Copy", "Cut", "Paste", "Clear", "Undo", "Redo"}));
    world.state.Texts.set(680, QStringLiteral("Copia"));
    dialog->Set_Lang();
    EXPECT_EQ(grid()->editActions().front()->text(), QStringLiteral("Copia"));
}

} // namespace
} // namespace zz
