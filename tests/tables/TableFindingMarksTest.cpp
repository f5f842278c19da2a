#include "tables/TableFindingMarks.h"

#include "tables/TranslateTable.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

Finding finding(FindingKind kind, QVector<int> rows, QVector<int> columns, const char* message) {
    return {kind, std::move(rows), std::move(columns), QString::fromUtf8(message)};
}

// An overlap of rows 2 and 7, an invalid cell in row 2, an overflow in row 5, a table finding.
FindingMarks sample() {
    return FindingMarks({finding(FindingKind::Invalid, {2}, {ColAddress}, "bad"),
                         finding(FindingKind::Overlap, {2, 7}, {ColDataType, ColAddressTcp}, "both"),
                         finding(FindingKind::AddressOverflow, {5}, {ColAddressTcp, ColNPoint}, "past"),
                         finding(FindingKind::UnusedTable, {}, {}, "unused")});
}

TEST(FindingMarksTest, EachFindingMarksItsColumnsInEachOfItsRows) {
    const FindingMarks marks = sample();
    EXPECT_EQ(marks.cellFindingCount(), 3);
    ASSERT_EQ(marks.findingsAt({7, ColAddressTcp}).size(), 1);
    EXPECT_EQ(marks.findingsAt({7, ColAddressTcp}).front()->message, QStringLiteral("both"));
    EXPECT_EQ(marks.findingsAt({2, ColAddress}).front()->message, QStringLiteral("bad"));
    EXPECT_TRUE(marks.findingsAt({7, ColAddress}).isEmpty());
    EXPECT_TRUE(marks.findingsAt({5, ColDataType}).isEmpty());
    ASSERT_EQ(marks.tableFindings().size(), 1);
    EXPECT_EQ(marks.tableFindings().front()->message, QStringLiteral("unused"));
    EXPECT_EQ(marks.markedRows(), (std::pair(2, 7)));
}

TEST(FindingMarksTest, StopsComeInReadingOrderWithoutTwins) {
    const FindingMarks marks(
        {finding(FindingKind::Overlap, {1, 3}, {ColDataType}, "a"),
         finding(FindingKind::Overlap, {1, 4}, {ColDataType}, "b"), // row 1 overlaps two rows
         finding(FindingKind::FunctionDisabled, {1}, {ColDataType}, "c")});
    EXPECT_EQ(marks.stops(), (QVector<GridCell>{{1, ColDataType}, {3, ColDataType}, {4, ColDataType}}));
    EXPECT_EQ(marks.findingsAt({1, ColDataType}).size(), 3);
}

TEST(FindingMarksTest, NextAndPreviousWrapRound) {
    const FindingMarks marks = sample();
    // Stops: (2, Data Type), (2, Address), (5, Address TCP), (7, Data Type).
    struct Case {
        GridCell from;
        GridCell next;
        GridCell previous;
    };
    const Case cases[] = {
        {{0, 0}, {2, ColDataType}, {7, ColDataType}},          // no current cell
        {{2, ColDataType}, {2, ColAddress}, {7, ColDataType}}, // on a stop: never stays there
        {{3, ColMnemonic}, {5, ColAddressTcp}, {2, ColAddress}},
        {{7, ColDataType}, {2, ColDataType}, {5, ColAddressTcp}},
        {{2000, ColMnemonic}, {2, ColDataType}, {7, ColDataType}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(marks.nextStop(c.from), c.next) << c.from.row << ',' << c.from.column;
        EXPECT_EQ(marks.previousStop(c.from), c.previous) << c.from.row << ',' << c.from.column;
    }
}

TEST(FindingMarksTest, NoCellFindingMeansNoStop) {
    const FindingMarks marks({finding(FindingKind::EmptyTable, {}, {}, "empty")});
    EXPECT_EQ(marks.cellFindingCount(), 0);
    EXPECT_FALSE(marks.nextStop({1, 1}));
    EXPECT_FALSE(marks.previousStop({1, 1}));
    EXPECT_FALSE(marks.markedRows());
}

} // namespace
} // namespace zz
