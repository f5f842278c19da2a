#include "app/Workspace.h"
#include "support/GuiFakes.h"
#include "support/ParGenFixtures.h"
#include "support/TestFiles.h"
#include "tables/TableGrid.h"
#include "tables/TranslateTable.h"
#include "tables/UTranslateTable_914.h"
#include "widgets/FlatButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBrush>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <iostream>

namespace zz {
namespace {

QByteArray rowXml(const char* type, const char* slaveTcp, const char* addressTcp, const char* slave,
                  const char* address, const char* points, const char* mnemonic) {
    return QByteArray("<row DATA_TYPE=\"") + type + "\" TCP_ADD_DEV=\"" + slaveTcp + "\" TCP_ADDRESS=\"" +
           addressTcp + "\" RTU_ADD_DEV=\"" + slave + "\" RTU_ADDRESS=\"" + address + "\" N_POINT=\"" +
           points + "\" MNEMONIC=\"" + mnemonic + "\"/>";
}

QByteArray tableXml(const QByteArray& rows) {
    return "<TCP_TO_RTU>" + rows + "</TCP_TO_RTU><!--SW_VERSION = 1.002-->";
}

// Three valid rows: a register type, a bit type and another register type.
const QByteArray kThreeRows = tableXml(rowXml("3", "1", "0", "2", "100", "10", "boiler") +
                                       rowXml("1", "5", "200", "6", "0", "255", " coil ") +
                                       rowXml("4", "247", "65535", "247", "65535", "127", ""));

// A full table: 2000 valid rows.
QByteArray fullTableXml() {
    QByteArray rows;
    for (int n = 1; n <= 2000; ++n) {
        const QByteArray number = QByteArray::number(n);
        rows += rowXml(QByteArray::number(n % 4 + 1).constData(), QByteArray::number(n % 247 + 1).constData(),
                       number.constData(), "3", number.constData(), "8", ("point " + number).constData());
    }
    return tableXml(rows);
}

class TranslateTableDialogTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFTranslateTable_914> dialog;

    void SetUp() override {
        runWorkspaceStartUp(world.state, world.dir.path());
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/Plant")));
        activateConfiguration(world.state, QStringLiteral("Plant"));
        ASSERT_FALSE(world.state.TranslateTableFile.isEmpty());
        dialog = std::make_unique<TFTranslateTable_914>(world.context, nullptr);
    }

    QString file() const { return world.state.TranslateTableFile; }
    void open(const QByteArray& content) {
        test::writeFile(file(), content);
        dialog->show();
    }
    TableGrid* grid() const { return dialog->findChild<TableGrid*>(QStringLiteral("sga")); }
    QAbstractItemModel* model() const { return grid()->model(); }
    FlatButton* button(const char* name) const {
        return dialog->findChild<FlatButton*>(QString::fromUtf8(name));
    }
    QString cell(int row, int column) const { return model()->index(row - 1, column).data().toString(); }
    void setCell(int row, int column, const QString& text) {
        ASSERT_TRUE(model()->setData(model()->index(row - 1, column), text));
    }
    void goTo(int row, int column) { grid()->setCurrentIndex(model()->index(row - 1, column)); }
    QStringList rowCells(int row) const {
        QStringList cells;
        for (int column = ColDataType; column <= ColMnemonic; ++column)
            cells.append(cell(row, column));
        return cells;
    }
    // Opens the cell's editor with a double click, as the user does.
    QWidget* openEditor(int row, int column) {
        const QModelIndex index = model()->index(row - 1, column);
        grid()->scrollTo(index);
        const QPoint centre = grid()->visualRect(index).center();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, centre);
        return grid()->indexWidget(index);
    }
};

TEST_F(TranslateTableDialogTest, ShowsTheFileWithItsTextsAndRowNumbers) {
    open(tableXml(rowXml("3", "1", "0", "2", "100", "10", "boiler") +
                  rowXml("9", " 7", "0x10", "2 ", "5", "1", "") +
                  "<row DATA_TYPE=\"2\" TCP_ADDRESS=\"1\" RTU_ADD_DEV=\"2\" RTU_ADDRESS=\"3\" N_POINT=\"4\" "
                  "MNEMONIC=\"no key\"/>"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Translate Table"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("L_SW_Desc"))->text(),
              QStringLiteral("Set Translate Table"));
    const QStringList buttons = {button("Btn_OK")->text(), button("Btn_Cancel")->text(),
                                 button("Btn_DelRow")->text(), button("Btn_InsRow")->text()};
    EXPECT_EQ(buttons, (QStringList{"OK", "Cancel", "Delete Row", "Insert Row"}));

    QStringList headers;
    for (int column = ColDataType; column <= ColMnemonic; ++column)
        headers.append(model()->headerData(column, Qt::Horizontal).toString());
    EXPECT_EQ(headers, (QStringList{"Data Type", "Slave ID TCP", "Address TCP", "Slave ID", "Address",
                                    "NPoint", "Mnemonic"}));
    EXPECT_EQ(grid()->cornerText(), QStringLiteral("N°"));

    EXPECT_EQ(model()->rowCount(), 2000);
    EXPECT_TRUE(grid()->isColumnHidden(ColRowNumber));
    EXPECT_TRUE(grid()->verticalHeader()->isVisible());
    EXPECT_EQ(model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    EXPECT_EQ(model()->headerData(1999, Qt::Vertical).toString(), QStringLiteral("2000"));

    EXPECT_EQ(rowCells(1), (QStringList{"Holding Register", "1", "0", "2", "100", "10", "boiler"}));
    // An unknown code leaves the type empty; the other cells keep their blanks.
    EXPECT_EQ(rowCells(2), (QStringList{"", " 7", "0x10", "2 ", "5", "1", ""}));
    // A row without TCP_ADD_DEV gets "1".
    EXPECT_EQ(rowCells(3), (QStringList{"Input Status", "1", "1", "2", "3", "4", "no key"}));
    EXPECT_EQ(rowCells(4), QStringList(7, QString()));
    EXPECT_EQ(grid()->currentRowNumber(), 1);
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    EXPECT_TRUE(world.dialogs.warnings.isEmpty());
}

TEST_F(TranslateTableDialogTest, TheButtonBandKeepsItsTabOrderAndTheColumnsResize) {
    open(kThreeRows);
    QStringList order;
    QWidget* widget = button("Btn_OK");
    for (int i = 0; i < 4; ++i, widget = widget->nextInFocusChain()) {
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
        order.append(widget->objectName());
    }
    EXPECT_EQ(order, (QStringList{"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow"}));
    EXPECT_EQ(grid()->horizontalHeader()->sectionResizeMode(ColSlaveIdTcp), QHeaderView::Interactive);
    // Dragging the right edge of a header widens its column.
    QHeaderView* header = grid()->horizontalHeader();
    const int before = grid()->columnWidth(ColSlaveIdTcp);
    const int edge = header->sectionViewportPosition(ColSlaveIdTcp) + before - 1;
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
    QTest::mouseMove(header->viewport(), QPoint(edge + 40, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(edge + 40, y));
    EXPECT_EQ(grid()->columnWidth(ColSlaveIdTcp), before + 40);
}

TEST_F(TranslateTableDialogTest, TheDataTypeDropDownOffersTheFourTypesAndWritesTheChoice) {
    open(kThreeRows);
    auto* combo = qobject_cast<QComboBox*>(openEditor(1, ColDataType));
    ASSERT_NE(combo, nullptr);
    QStringList offered;
    for (int i = 0; i < combo->count(); ++i)
        offered.append(combo->itemText(i));
    EXPECT_EQ(offered, (QStringList{"Coil Status", "Input Status", "Holding Register", "Input Register"}));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Holding Register"));

    // Pick "Input Status" from the open list with the mouse.
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(test::waitUntil([list] { return list->isVisible(); }));
    const QRect item = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(cell(1, ColDataType), QStringLiteral("Input Status"));

    // A cell naming no type opens with nothing chosen and keeps its text until a choice is made.
    setCell(5, ColDataType, QStringLiteral("Analog"));
    combo = qobject_cast<QComboBox*>(openEditor(5, ColDataType));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentIndex(), -1);
    grid()->commitOpenEditor();
    EXPECT_EQ(cell(5, ColDataType), QStringLiteral("Analog"));

    // The keyboard works too: Down on the closed list picks the first type.
    combo = qobject_cast<QComboBox*>(openEditor(5, ColDataType));
    ASSERT_NE(combo, nullptr);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(cell(5, ColDataType), QStringLiteral("Coil Status"));
}

TEST_F(TranslateTableDialogTest, FreeTextIsKeptExactlyAsTypedAndSaved) {
    open(kThreeRows);
    struct Case {
        int column;
        QString typed;
    };
    const Case cases[] = {
        {ColMnemonic, QStringLiteral("  pump <1>  ")},
        {ColAddressTcp, QStringLiteral(" 0x10")},
        {ColSlaveId, QStringLiteral(" 9")},
    };
    for (const Case& c : cases) {
        auto* edit = qobject_cast<QLineEdit*>(openEditor(2, c.column));
        ASSERT_NE(edit, nullptr) << c.column;
        edit->selectAll();
        QTest::keyClicks(edit, c.typed);
        // Return ends the edit once the event loop runs.
        QTest::keyClick(edit, Qt::Key_Return);
        const QModelIndex index = model()->index(1, c.column);
        ASSERT_TRUE(test::waitUntil([this, index] { return grid()->indexWidget(index) == nullptr; }));
        EXPECT_EQ(cell(2, c.column), c.typed);
    }
    button("Btn_OK")->click();
    EXPECT_TRUE(world.dialogs.errors.isEmpty()) << world.dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(test::readFile(file()),
              tableXml(rowXml("3", "1", "0", "2", "100", "10", "boiler") +
                       rowXml("1", "5", " 0x10", " 9", "0", "255", "  pump &lt;1>  ") +
                       rowXml("4", "247", "65535", "247", "65535", "127", "")));
}

TEST_F(TranslateTableDialogTest, OkWritesWhatIsStillBeingTyped) {
    open(kThreeRows);
    auto* edit = qobject_cast<QLineEdit*>(openEditor(3, ColMnemonic));
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("tank"));
    button("Btn_OK")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(test::readFile(file()).contains("MNEMONIC=\"tank\""));
}

TEST_F(TranslateTableDialogTest, ARefusedTableShowsTheFirstFailureAndStaysOpen) {
    struct Case {
        int row;
        int column;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {1, ColDataType, QString(),
         QStringLiteral("Error in Row 1!! Data Type must be Coil Status or Input Status or "
                        "Holding Register or Input Register")},
        {2, ColSlaveIdTcp, QStringLiteral("248"),
         QStringLiteral("Error in Row 2!! Slave ID TCP must be between 1 and 247")},
        {3, ColAddress, QStringLiteral("x"),
         QStringLiteral("Error in Row 3!! Address must be between 0 and 65535")},
        {1, ColNPoint, QStringLiteral("128"),
         QStringLiteral("Error in Row 1!! NPoint must be between 1 and 127")},
        {2, ColNPoint, QStringLiteral("0"),
         QStringLiteral("Error in Row 2!! NPoint must be between 1 and 255")},
    };
    for (const Case& c : cases) {
        world.dialogs.errors.clear();
        open(kThreeRows);
        setCell(c.row, c.column, c.text);
        goTo(1, ColMnemonic);
        button("Btn_OK")->click();
        EXPECT_EQ(world.dialogs.errors, QStringList{c.message});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(cell(c.row, c.column), c.text);
        // The cursor goes to the refused value.
        EXPECT_EQ(grid()->currentIndex(), model()->index(c.row - 1, c.column)) << c.message.toStdString();
        EXPECT_EQ(test::readFile(file()), kThreeRows);
        dialog->reject();
    }
}

TEST_F(TranslateTableDialogTest, DeleteAsksAndDeletesOnlyOnYes) {
    open(kThreeRows);
    const QStringList second = rowCells(2);
    const QStringList third = rowCells(3);
    goTo(2, ColNPoint);

    world.dialogs.answers = {false};
    button("Btn_DelRow")->click();
    EXPECT_EQ(world.dialogs.questions, QStringList{"Are you sure to delete the Row number 2"});
    EXPECT_EQ(rowCells(2), second);

    world.dialogs.answers = {true};
    button("Btn_DelRow")->click();
    EXPECT_EQ(world.dialogs.questions.size(), 2);
    EXPECT_EQ(rowCells(2), third);
    EXPECT_EQ(rowCells(3), QStringList(7, QString()));
    EXPECT_EQ(model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_EQ(test::readFile(file()), kThreeRows); // only OK writes
}

TEST_F(TranslateTableDialogTest, InsertAtAMiddleRowAsksNothing) {
    open(kThreeRows);
    const QStringList second = rowCells(2);
    const QStringList third = rowCells(3);
    goTo(2, ColDataType);
    button("Btn_InsRow")->click();
    EXPECT_TRUE(world.dialogs.questions.isEmpty());
    EXPECT_EQ(rowCells(2), QStringList(7, QString()));
    EXPECT_EQ(rowCells(3), second);
    EXPECT_EQ(rowCells(4), third);
    EXPECT_EQ(grid()->currentRowNumber(), 2);
}

TEST_F(TranslateTableDialogTest, InsertAsksFirstWhenRow2000HoldsData) {
    open(kThreeRows);
    setCell(2000, ColMnemonic, QStringLiteral("last"));
    goTo(1, ColDataType);
    const QStringList first = rowCells(1);

    world.dialogs.answers = {false};
    button("Btn_InsRow")->click();
    EXPECT_EQ(
        world.dialogs.questions,
        QStringList{"Row 2000 holds data, which is lost when a row is inserted. Insert the row anyway?"});
    EXPECT_EQ(rowCells(1), first);
    EXPECT_EQ(cell(2000, ColMnemonic), QStringLiteral("last"));

    world.dialogs.answers = {true};
    button("Btn_InsRow")->click();
    EXPECT_EQ(world.dialogs.questions.size(), 2);
    EXPECT_EQ(rowCells(1), QStringList(7, QString()));
    EXPECT_EQ(rowCells(2), first);
    EXPECT_EQ(cell(2000, ColMnemonic), QString());
}

TEST_F(TranslateTableDialogTest, SavingAsksFirstWhenRowsAfterAnEmptyKeyHoldData) {
    open(kThreeRows);
    setCell(2, ColSlaveIdTcp, QStringLiteral("  "));
    setCell(7, ColMnemonic, QStringLiteral("orphan"));
    goTo(1, ColDataType);

    // Rows 2, 3 and 7 hold data from the end of the table on.
    const QString question =
        QStringLiteral("The table ends at Row 2, whose Slave ID TCP is empty, so 3 row(s) holding "
                       "data from there on will not be saved. Save anyway?");
    world.dialogs.answers = {false};
    button("Btn_OK")->click();
    EXPECT_EQ(world.dialogs.questions, QStringList{question});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(grid()->currentIndex(), model()->index(1, ColSlaveIdTcp));
    EXPECT_EQ(test::readFile(file()), kThreeRows);

    world.dialogs.answers = {true};
    button("Btn_OK")->click();
    EXPECT_EQ(world.dialogs.questions, (QStringList{question, question}));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(test::readFile(file()), tableXml(rowXml("3", "1", "0", "2", "100", "10", "boiler")));
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
}

TEST_F(TranslateTableDialogTest, NoFileShowsAnEmptyTableAndOkCreatesTheFile) {
    dialog->show();
    EXPECT_EQ(rowCells(1), QStringList(7, QString()));
    button("Btn_OK")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(test::readFile(file()), QByteArray("<TCP_TO_RTU/><!--SW_VERSION = 1.002-->"));
}

TEST_F(TranslateTableDialogTest, CancelAndTheCloseBoxDiscardTheEdits) {
    const std::function<void()> closers[] = {[this] { button("Btn_Cancel")->click(); },
                                             [this] {
                                                 dialog->close();
                                             }};
    for (const auto& closeDialog : closers) {
        open(kThreeRows);
        setCell(1, ColMnemonic, QStringLiteral("changed"));
        goTo(1, ColDataType);
        button("Btn_InsRow")->click();
        world.dialogs.answers.push_back(true); // yes, discard the edits
        closeDialog();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(test::readFile(file()), kThreeRows);
        dialog->show();
        EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("boiler"));
        EXPECT_EQ(cell(4, ColMnemonic), QString());
        dialog->reject();
    }
}

TEST_F(TranslateTableDialogTest, EveryShowingReloadsTheFile) {
    open(kThreeRows);
    dialog->reject();
    test::writeFile(file(), tableXml(rowXml("2", "9", "1", "9", "1", "1", "new")));
    dialog->show();
    EXPECT_EQ(rowCells(1), (QStringList{"Input Status", "9", "1", "9", "1", "1", "new"}));
    EXPECT_EQ(rowCells(2), QStringList(7, QString()));
}

TEST_F(TranslateTableDialogTest, AFileThatIsNotWellFormedIsReportedAndKeptAsBadWhenSaved) {
    open(kThreeRows);
    dialog->reject();
    const QByteArray broken = "<TCP_TO_RTU>\n<row DATA_TYPE=\"3\"\n</TCP_TO_RTU>";
    open(broken);
    ASSERT_TRUE(test::waitUntil([this] { return !world.dialogs.errors.isEmpty(); }));
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    const QString error = world.dialogs.errors.first();
    EXPECT_TRUE(error.startsWith(QStringLiteral("The table file could not be read"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(file()))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("line"))) << error.toStdString();
    // Never the rows of the earlier showing.
    EXPECT_EQ(rowCells(1), QStringList(7, QString()));

    setCell(1, ColDataType, QStringLiteral("Coil Status"));
    for (int column : {ColSlaveIdTcp, ColSlaveId, ColNPoint})
        setCell(1, column, QStringLiteral("1"));
    setCell(1, ColAddressTcp, QStringLiteral("0"));
    setCell(1, ColAddress, QStringLiteral("0"));
    button("Btn_OK")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(test::readFile(file() + QStringLiteral(".bad")), broken);
    EXPECT_EQ(test::readFile(file()), tableXml(rowXml("1", "1", "0", "1", "0", "1", "")));
}

TEST_F(TranslateTableDialogTest, TheWheelOverAnOpenTypeDropDownNeverChangesTheType) {
    open(kThreeRows);
    const QString before = cell(1, ColDataType);
    goTo(1, ColDataType);
    grid()->edit(model()->index(0, ColDataType));
    auto* combo = grid()->findChild<QComboBox*>(QStringLiteral("CB_DataType"));
    ASSERT_NE(combo, nullptr);
    for (int notch : {-120, 120, -120}) {
        const QPointF at(combo->width() / 2.0, combo->height() / 2.0);
        QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    }
    grid()->commitOpenEditor();
    EXPECT_EQ(cell(1, ColDataType), before);
}

TEST_F(TranslateTableDialogTest, EscapeInTheGridEndsAnEditButNeverClosesTheDialog) {
    open(kThreeRows);
    goTo(1, ColMnemonic);
    setCell(1, ColMnemonic, QStringLiteral("typed"));
    QTest::keyClick(grid(), Qt::Key_Escape);
    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("typed"));
}

TEST_F(TranslateTableDialogTest, AFileThatCannotBeReadIsReportedAndReplacedOnSave) {
    if (!test::makeUnreadableFile(file()))
        GTEST_SKIP() << "no way to make a file that cannot be read";
    dialog->show();
    ASSERT_TRUE(test::waitUntil([this] { return !world.dialogs.errors.isEmpty(); }));
    EXPECT_TRUE(world.dialogs.errors.first().startsWith(world.state.Texts[616]))
        << world.dialogs.errors.first().toStdString();
    // An emulated unreadable file is a link that a save would follow; a real one is replaced.
    if (QFileInfo(file()).isSymLink())
        QFile::remove(file());
    button("Btn_OK")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(QFileInfo::exists(file() + QStringLiteral(".bad")));
    EXPECT_EQ(test::readFile(file()), QByteArray("<TCP_TO_RTU/><!--SW_VERSION = 1.002-->"));
}

TEST_F(TranslateTableDialogTest, ARowWithoutAnAttributeIsAnErrorAndTheRowsBeforeItStay) {
    const QByteArray content = tableXml(rowXml("3", "1", "0", "2", "100", "10", "boiler") +
                                        "<row DATA_TYPE=\"1\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"1\" "
                                        "RTU_ADD_DEV=\"1\" N_POINT=\"1\" MNEMONIC=\"\"/>" +
                                        rowXml("4", "247", "65535", "247", "65535", "127", ""));
    open(content);
    ASSERT_TRUE(test::waitUntil([this] { return !world.dialogs.errors.isEmpty(); }));
    EXPECT_TRUE(world.dialogs.warnings.isEmpty());
    EXPECT_EQ(
        world.dialogs.errors,
        QStringList{
            QStringLiteral("Row 2 of the file %1 has no attribute RTU_ADDRESS, so it and the rows after it "
                           "are not loaded. Saving replaces them with what is shown; the file as it is now "
                           "is then kept with the suffix .bad.")
                .arg(file())});
    EXPECT_EQ(rowCells(1), (QStringList{"Holding Register", "1", "0", "2", "100", "10", "boiler"}));
    EXPECT_EQ(rowCells(2), QStringList(7, QString()));
    button("Btn_OK")->click();
    EXPECT_EQ(test::readFile(file() + QStringLiteral(".bad")), content);
}

TEST_F(TranslateTableDialogTest, AFailedSaveIsShownAndTheDialogStaysOpen) {
    open(kThreeRows);
    world.state.TranslateTableFile = world.path(QStringLiteral("missing/folder/var.xml"));
    button("Btn_OK")->click();
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(world.dialogs.errors.first().contains(QStringLiteral("var.xml")))
        << world.dialogs.errors.first().toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(cell(1, ColMnemonic), QStringLiteral("boiler"));
}

TEST_F(TranslateTableDialogTest, ALanguageChangeReTextsTheHeadersShownOrHidden) {
    open(kThreeRows);
    dialog->reject();
    world.state.Texts.set(162, QStringLiteral("Tabella di traduzione"));
    world.state.Texts.set(166, QStringLiteral("Cancella riga"));
    world.state.Texts.set(168, QStringLiteral("Num."));
    world.state.Texts.set(169, QStringLiteral("Tipo dato"));
    world.state.Texts.set(175, QStringLiteral("Descrizione"));
    dialog->Set_Lang();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Tabella di traduzione"));
    EXPECT_EQ(button("Btn_DelRow")->text(), QStringLiteral("Cancella riga"));
    EXPECT_EQ(grid()->cornerText(), QStringLiteral("Num."));
    EXPECT_EQ(model()->headerData(ColDataType, Qt::Horizontal).toString(), QStringLiteral("Tipo dato"));
    EXPECT_EQ(model()->headerData(ColMnemonic, Qt::Horizontal).toString(), QStringLiteral("Descrizione"));
    EXPECT_EQ(model()->headerData(ColSlaveIdTcp, Qt::Horizontal).toString(), QStringLiteral("Slave ID TCP"));
}

// Two Holding Register rows of Slave ID TCP 1 whose TCP blocks share addresses 5 to 9.
const QByteArray kOverlappingRows =
    tableXml(rowXml("3", "1", "0", "2", "0", "10", "a") + rowXml("3", "1", "5", "2", "100", "10", "b") +
             rowXml("1", "9", "0", "9", "0", "8", "c"));

TEST_F(TranslateTableDialogTest, FindingsMarkTheirCellsAndFollowAnEdit) {
    open(kOverlappingRows);
    const QModelIndex shared = model()->index(1, ColAddressTcp);
    EXPECT_TRUE(model()->data(shared, Qt::BackgroundRole).canConvert<QBrush>());
    EXPECT_FALSE(model()->data(shared, Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_EQ(model()->data(shared, Qt::ToolTipRole).toString(),
              QStringLiteral("Rows 1 and 2 both claim Holding Register addresses 5 to 9 of Slave ID TCP 1"));
    EXPECT_EQ(model()->data(model()->index(0, ColNPoint), Qt::ToolTipRole).toString(),
              model()->data(shared, Qt::ToolTipRole).toString());
    // Cells no finding names stay plain.
    for (const QModelIndex& plain : {model()->index(0, ColMnemonic), model()->index(2, ColAddressTcp)}) {
        EXPECT_FALSE(model()->data(plain, Qt::BackgroundRole).isValid());
        EXPECT_FALSE(model()->data(plain, Qt::ToolTipRole).isValid());
    }
    auto* count = dialog->findChild<QPushButton*>(QStringLiteral("Btn_NextFinding"));
    ASSERT_NE(count, nullptr);
    EXPECT_TRUE(count->isVisible());
    EXPECT_EQ(count->text(), QStringLiteral("1 finding(s) in the table"));

    // Moving row 2 past row 1's block ends the overlap; an invalid cell is marked in its place.
    setCell(2, ColAddressTcp, QStringLiteral("10"));
    setCell(3, ColSlaveId, QStringLiteral("300"));
    ASSERT_TRUE(test::waitUntil([&] { return !model()->data(shared, Qt::ToolTipRole).isValid(); }));
    EXPECT_FALSE(model()->data(shared, Qt::BackgroundRole).isValid());
    EXPECT_EQ(model()->data(model()->index(2, ColSlaveId), Qt::ToolTipRole).toString(),
              QStringLiteral("Error in Row 3!! Slave ID must be between 1 and 247"));
    EXPECT_EQ(count->text(), QStringLiteral("1 finding(s) in the table"));

    // With nothing left to say the line hides.
    setCell(3, ColSlaveId, QStringLiteral("9"));
    auto* bar = dialog->findChild<QWidget*>(QStringLiteral("P_Findings"));
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(test::waitUntil([bar] { return !bar->isVisible(); }));
    // OK is not stopped by the analysis and still saves.
    setCell(2, ColAddressTcp, QStringLiteral("5"));
    button("Btn_OK")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
}

TEST_F(TranslateTableDialogTest, F8AndTheCountStepThroughTheFindings) {
    // Rows 1-2 overlap, row 3 overflows on the TCP side, row 4's Slave ID is refused.
    open(tableXml(rowXml("3", "1", "0", "2", "0", "10", "") + rowXml("3", "1", "5", "2", "100", "10", "") +
                  rowXml("1", "9", "65530", "9", "0", "8", "") + rowXml("1", "9", "0", "0", "0", "8", "")));
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    auto* count = dialog->findChild<QPushButton*>(QStringLiteral("Btn_NextFinding"));
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text(), QStringLiteral("3 finding(s) in the table"));
    goTo(1, ColMnemonic);
    const auto current = [this] {
        return std::pair(grid()->currentIndex().row() + 1, grid()->currentIndex().column());
    };
    using Stop = std::pair<int, int>;
    QTest::keyClick(grid(), Qt::Key_F8);
    EXPECT_EQ(current(), (Stop{2, ColDataType}));
    QTest::keyClick(grid(), Qt::Key_F8);
    EXPECT_EQ(current(), (Stop{3, ColAddressTcp}));
    count->click();
    EXPECT_EQ(current(), (Stop{4, ColSlaveId}));
    QTest::keyClick(grid(), Qt::Key_F8); // wraps round
    EXPECT_EQ(current(), (Stop{1, ColDataType}));
    QTest::keyClick(grid(), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(current(), (Stop{4, ColSlaveId}));
    QTest::keyClick(grid(), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(current(), (Stop{3, ColAddressTcp}));
    EXPECT_TRUE(grid()->selectionModel()->isSelected(grid()->currentIndex()));
    EXPECT_TRUE(grid()->hasFocus());
}

TEST_F(TranslateTableDialogTest, TheLineNamesFindingsAboutTheWholeTable) {
    test::writeFile(world.path(QStringLiteral("PROJECTS/Plant/ParGen.xml")),
                    QByteArray(test::kDefaultParGenFile).replace("<MODE>0</MODE>", "<MODE>1</MODE>"));
    dialog->show();
    auto* bar = dialog->findChild<QWidget*>(QStringLiteral("P_Findings"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("Btn_NextFinding"))->isVisible());
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("L_TableFindings"))->text(),
              QStringLiteral("The operation mode is NAT, yet the translate table has no row"));
    for (int column : {ColSlaveIdTcp, ColSlaveId, ColNPoint})
        setCell(1, column, QStringLiteral("1"));
    setCell(1, ColDataType, QStringLiteral("Coil Status"));
    setCell(1, ColAddressTcp, QStringLiteral("0"));
    setCell(1, ColAddress, QStringLiteral("0"));
    ASSERT_TRUE(test::waitUntil([bar] { return !bar->isVisible(); }));
}

// Notes the first paint of the grid and closes the dialog then.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QDialog& dialog, QElapsedTimer& clock)
        : m_dialog(dialog)
        , m_clock(clock) {}
    qint64 paintedAfterMs = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintedAfterMs < 0) {
            paintedAfterMs = m_clock.elapsed();
            QTimer::singleShot(0, &m_dialog, &QDialog::reject);
        }
        return false;
    }

private:
    QDialog& m_dialog;
    QElapsedTimer& m_clock;
};

TEST_F(TranslateTableDialogTest, AFullTableShowsValidatesAndSavesQuickly) {
    test::writeFile(file(), fullTableXml());
    QElapsedTimer clock;
    FirstPaintWatcher watcher(*dialog, clock);
    grid()->viewport()->installEventFilter(&watcher);
    // A failsafe, should the grid never paint.
    QTimer::singleShot(5000, dialog.get(), &QDialog::reject);
    clock.start();
    dialog->exec();
    const qint64 showMs = watcher.paintedAfterMs;
    grid()->viewport()->removeEventFilter(&watcher);
    ASSERT_GE(showMs, 0) << "the grid was never painted";
    EXPECT_EQ(cell(2000, ColMnemonic), QStringLiteral("point 2000"));

    dialog->show();
    setCell(1, ColMnemonic, QStringLiteral("edited"));
    clock.restart();
    button("Btn_OK")->click();
    const qint64 saveMs = clock.elapsed();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    const QByteArray saved = test::readFile(file());
    EXPECT_EQ(saved.count("<row "), 2000);
    EXPECT_TRUE(saved.contains("MNEMONIC=\"edited\""));

    std::cout << "[ figures  ] 2000-row table: shown and painted in " << showMs
              << " ms, validated and saved in " << saveMs << " ms\n";
    // Generous bounds, to catch a grid that measures or builds widgets for every cell.
    EXPECT_LT(showMs, 250); // room for the sanitizer build; the plain build takes a few ms
    EXPECT_LT(saveMs, 250);
}

} // namespace
} // namespace zz
