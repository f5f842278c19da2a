#include "lang/TextTable.h"

#include "lang/AddedTexts.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

TEST(TextTableTest, BuiltInTextsAreExactWithTheirBlanks) {
    TextTable table;
    table.LoadDefaultTexts();
    ASSERT_EQ(table.TextCount(), 700);
    ASSERT_EQ(table.entries().size(), 700);
    EXPECT_EQ(table[0], QStringLiteral("Begin"));
    EXPECT_EQ(table[9], QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(table[11], QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_EQ(table[44], QStringLiteral(" / "));
    EXPECT_EQ(table[57], QStringLiteral("Update Firmware from Etherner (UDP)"));
    EXPECT_EQ(table[140], QStringLiteral("Error  Modbus TCP Slave!! PORT must be between 0 and 65535"));
    EXPECT_EQ(table[168], QStringLiteral("N\u00B0"));
    EXPECT_EQ(table[176], QStringLiteral("Error in Row "));
    EXPECT_EQ(table[244], QStringLiteral(" Modbus TCP Slave (Wi-Fi) "));
    EXPECT_EQ(table[316], QStringLiteral("Do you want to exit without saving changes?"));
    EXPECT_EQ(table[517], QStringLiteral("Function 23 / Read Write Multiple Registers"));
    EXPECT_EQ(table[611], QStringLiteral("Error Secondary DNS!! DNS 4 must be between 0 and 255"));
    for (int reserved : {499, 518, 550, 599, 699})
        EXPECT_EQ(table[reserved], QStringLiteral(" ")) << reserved;
    EXPECT_EQ(table[700], QString());
    EXPECT_EQ(table[-1], QString());
}

TEST(TextTableTest, AddedMessagesTakeOnlyReservedIndicesFrom612) {
    TextTable table;
    table.LoadDefaultTexts();
    for (const AddedText& added : addedTexts()) {
        EXPECT_GE(added.index, 612);
        EXPECT_LT(added.index, 700);
        EXPECT_EQ(table[added.index], QStringView(added.text).toString());
        EXPECT_NE(table[added.index], QStringLiteral(" "));
    }
}

} // namespace
} // namespace zz
