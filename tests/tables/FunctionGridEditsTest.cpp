#include "tables/FunctionGridEdits.h"

#include "lang/TextTable.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

class FunctionGridEditsTest : public ::testing::Test {
protected:
    TextTable texts;
    EnabledFunctionList list;

    void SetUp() override {
        texts.LoadDefaultTexts();
        list.at(0) = {QStringLiteral("N"), QStringLiteral("coils")};
        list.at(1) = {QStringLiteral("Y"), QStringLiteral("tab\there \"quoted\"\nnext line")};
        list.at(2) = {QStringLiteral("N"), QStringLiteral(" blanks ")};
    }

    FunctionPasteOutcome paste(const QString& text, FunctionCell at, QVector<FunctionCell> selected = {}) {
        return pasteIntoFunctions(list, text, at, selected, texts);
    }
};

QString flagsOf(const EnabledFunctionList& list) {
    QString flags;
    for (int position = 0; position < kFunctionCount; ++position)
        flags += list.at(position).enabled;
    return flags;
}

TEST_F(FunctionGridEditsTest, ABlockCopiedPastesBackIntoTheSameState) {
    const FunctionBlock block{1, 3, ColFunction, ColFunctionMnemonic};
    const QString copied = functionBlockAsTabSeparated(list, block, texts);
    EXPECT_EQ(copied,
              QStringLiteral("Function 1 / Read Coil Status\tN\tcoils\n"
                             "Function 2 / Read Input Status\tY\t\"tab\there \"\"quoted\"\"\nnext line\"\n"
                             "Function 3 / Read Holding Register\tN\t blanks \n"));

    EnabledFunctionList cleared;
    clearFunctionCells(cleared, {{1, ColEnable}, {2, ColEnable}, {3, ColEnable}});
    const FunctionPasteOutcome outcome = pasteIntoFunctions(cleared, copied, {1, ColFunction}, {}, texts);
    ASSERT_FALSE(outcome.refusal);
    EXPECT_TRUE(outcome.covered);
    EXPECT_EQ(outcome.list, list);
    EXPECT_EQ(outcome.block, block);
}

TEST_F(FunctionGridEditsTest, TheLabelsAreNeverWrittenNorCleared) {
    const FunctionPasteOutcome outcome = paste(QStringLiteral("anything\tY\tnew"), {3, ColFunction});
    EXPECT_EQ(outcome.list.at(2), (FunctionEntry{QStringLiteral("Y"), QStringLiteral("new")}));
    EnabledFunctionList after = list;
    clearFunctionCells(after, {{1, ColFunction}, {2, ColFunction}});
    EXPECT_EQ(after, list);
}

TEST_F(FunctionGridEditsTest, PastedEnableTextsTickOnlyForExactlyY) {
    // As the file's Enabled value is read: a lower-case "y" or a blank around it leaves it off.
    const struct {
        const char* field;
        const char* enabled;
    } cases[] = {{"Y", "Y"},  {" y ", "N"}, {"yes", "N"}, {"TRUE", "N"}, {"1", "N"},
                 {"N", "N"},  {"no", "N"},  {"", "N"},    {"0", "N"},    {"false", "N"},
                 {"YY", "N"}, {"x", "N"},   {"y", "N"},   {"Y ", "N"}};
    for (const auto& c : cases)
        EXPECT_EQ(enabledFromText(QString::fromUtf8(c.field)), QString::fromUtf8(c.enabled)) << c.field;
}

TEST_F(FunctionGridEditsTest, OneValueFillsEverySelectedCellThatCanChange) {
    const QVector<FunctionCell> selected = {
        {4, ColFunction}, {4, ColEnable}, {5, ColEnable}, {5, ColFunctionMnemonic}};
    const FunctionPasteOutcome outcome = paste(QStringLiteral("N\n"), {4, ColFunction}, selected);
    ASSERT_FALSE(outcome.refusal);
    EXPECT_EQ(flagsOf(outcome.list), QStringLiteral("NYNNNYYYYYY"));
    EXPECT_EQ(outcome.list.at(4).mnemonic, QStringLiteral("N"));
    EXPECT_EQ(outcome.list.at(3).mnemonic, QString());
    EXPECT_EQ(outcome.block, (FunctionBlock{4, 5, ColFunction, ColFunctionMnemonic}));
    // One cell selected: the value goes only there.
    EXPECT_EQ(flagsOf(paste(QStringLiteral("N"), {6, ColEnable}, {{6, ColEnable}}).list),
              QStringLiteral("NYNYYNYYYYY"));
}

TEST_F(FunctionGridEditsTest, RowsOrFieldsBeyondTheGridAreRefusedAndNothingIsTaken) {
    const FunctionPasteOutcome tooMany = paste(QStringLiteral("Y\nY\nY\n"), {10, ColEnable});
    EXPECT_EQ(tooMany.refusal,
              QStringLiteral("3 rows are more than the table holds (2), so nothing is taken."));
    EXPECT_EQ(tooMany.list, list);

    // A translate-table block pasted here by mistake is not cut down to its first fields.
    const FunctionPasteOutcome wide = paste(QStringLiteral("Y\tpump\nN\tvalve\textra"), {10, ColEnable});
    EXPECT_EQ(wide.refusal, QStringLiteral("Row 11 has 4 fields; a row of this grid has 3."));
    EXPECT_EQ(wide.list, list);

    const FunctionPasteOutcome fits = paste(QStringLiteral("x\tY\tpump"), {11, ColFunction});
    ASSERT_FALSE(fits.refusal);
    EXPECT_EQ(fits.list.at(10).mnemonic, QStringLiteral("pump"));
    EXPECT_EQ(fits.block, (FunctionBlock{11, 11, ColFunction, ColFunctionMnemonic}));
}

TEST_F(FunctionGridEditsTest, AMnemonicTheFileCannotHoldRefusesThePasteAsAWhole) {
    for (const QString& bad : {QStringLiteral("a\x01"), QString(QChar(0xFFFE)), QString(QChar(0xD800))}) {
        const FunctionPasteOutcome block = paste(QStringLiteral("Y\tgood\nY\t") + bad, {1, ColEnable});
        EXPECT_EQ(
            block.refusal,
            QStringLiteral("Row 2, Mnemonic: the text holds a character that the table file cannot hold."));
        EXPECT_EQ(block.list, list);
        const FunctionPasteOutcome fill =
            paste(bad, {1, ColEnable}, {{1, ColEnable}, {1, ColFunctionMnemonic}});
        EXPECT_EQ(
            fill.refusal,
            QStringLiteral("Row 1, Mnemonic: the text holds a character that the table file cannot hold."));
        EXPECT_EQ(fill.list, list);
    }
    // Tab, line breaks and non-ASCII are saved as they are.
    EXPECT_FALSE(characterRefusal(QStringLiteral("a\tb\r\nc ¶ é"), 1, ColFunctionMnemonic, texts));
}

TEST_F(FunctionGridEditsTest, TextWithAnOpenQuoteIsTakenLiterally) {
    const FunctionPasteOutcome outcome = paste(QStringLiteral("Y\t\"open\nN\tx"), {1, ColEnable});
    EXPECT_EQ(outcome.list.at(0).mnemonic, QStringLiteral("\"open"));
    EXPECT_EQ(outcome.list.at(1).mnemonic, QStringLiteral("x"));
    EXPECT_FALSE(paste(QString(), {1, ColEnable}).covered);
}

TEST_F(FunctionGridEditsTest, ClearingUnticksAndEmptiesTheMnemonic) {
    clearFunctionCells(list, {{2, ColEnable}, {2, ColFunctionMnemonic}, {12, ColEnable}});
    EXPECT_EQ(list.at(1), (FunctionEntry{QStringLiteral("N"), QString()}));
    EXPECT_EQ(list.at(0).mnemonic, QStringLiteral("coils"));
}

} // namespace
} // namespace zz
