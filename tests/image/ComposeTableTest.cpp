#include "image/ImageComposer.h"
#include "image/ImageTestSupport.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

using test::le;

constexpr int kTable = 2048; // image offset of entry 0
constexpr int kRowCount = 564;

QByteArray entry(const QByteArray& image, int index) {
    return image.mid(kTable + 8 * index, 8);
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

TEST(ComposeTable, Address258IsStoredLowByteFirst) {
    const test::ConfigFolder folder;
    folder.writeTranslateTable("<row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"258\" RTU_ADD_DEV=\"1\" "
                               "RTU_ADDRESS=\"0\" N_POINT=\"1\" MNEMONIC=\"\"/>");
    const QByteArray image = folder.compose();
    EXPECT_EQ(static_cast<unsigned char>(image[kTable + 4]), 0x02);
    EXPECT_EQ(static_cast<unsigned char>(image[kTable + 5]), 0x01);
    EXPECT_EQ(le(image, kRowCount, 4), 1u);
}

// One row of var.xml and the eight bytes of its entry:
// DATA_TYPE, TCP_ADD_DEV, RTU_ADD_DEV, N_POINT, TCP_ADDRESS low/high, RTU_ADDRESS low/high.
struct RowCase {
    const char* name;
    const char* row;
    std::initializer_list<int> entryBytes;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class ComposeRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(ComposeRow, FillsTheEntry) {
    const RowCase& c = GetParam();
    const test::ConfigFolder folder;
    folder.writeTranslateTable(c.row);
    const QByteArray image = folder.compose();
    EXPECT_EQ(entry(image, 0), bytes(c.entryBytes));
    EXPECT_EQ(le(image, kRowCount, 4), 1u);
}

const RowCase kRowCases[] = {
    {"AllFields",
     R"(<row DATA_TYPE="4" TCP_ADD_DEV="17" TCP_ADDRESS="258" RTU_ADD_DEV="9" RTU_ADDRESS="4660" N_POINT="100" )"
     R"(MNEMONIC="pump"/>)",
     {4, 17, 9, 100, 0x02, 0x01, 0x34, 0x12}},
    {"NoAttributes", "<row/>", {0, 0, 0, 0, 0, 0, 0, 0}},
    {"NoNPoint", R"(<row DATA_TYPE="1" TCP_ADD_DEV="1" RTU_ADD_DEV="1"/>)", {1, 1, 1, 0, 0, 0, 0, 0}},
    {"EmptyAttributesTakeDefaults",
     R"(<row DATA_TYPE="" TCP_ADD_DEV="" TCP_ADDRESS="" RTU_ADD_DEV="" RTU_ADDRESS="" N_POINT=""/>)",
     {3, 0, 1, 1, 0, 0, 0, 0}},
    {"TextTakesDefaults",
     R"(<row DATA_TYPE="Coil" TCP_ADD_DEV="a" TCP_ADDRESS="b" RTU_ADD_DEV="c" RTU_ADDRESS="d" N_POINT="e"/>)",
     {3, 0, 1, 1, 0, 0, 0, 0}},
    {"LowBits",
     R"(<row DATA_TYPE="256" TCP_ADD_DEV="257" TCP_ADDRESS="65536" RTU_ADD_DEV="511" RTU_ADDRESS="65537" )"
     R"(N_POINT="256"/>)",
     {0, 1, 255, 0, 0, 0, 1, 0}},
    {"NegativeAndHex",
     R"(<row DATA_TYPE="$2" TCP_ADDRESS="-1" RTU_ADDRESS="0x10" N_POINT=" 5"/>)",
     {2, 0, 0, 5, 0xFF, 0xFF, 0x10, 0}},
    {"TrailingBlankIsNotANumber", R"(<row N_POINT="5 " RTU_ADD_DEV="7"/>)", {0, 0, 7, 1, 0, 0, 0, 0}},
    {"MnemonicIsNotUsed", R"(<row MNEMONIC="12"/>)", {0, 0, 0, 0, 0, 0, 0, 0}},
    {"AnyElementNameIsARow", R"(<line DATA_TYPE="2" N_POINT="8"/>)", {2, 0, 0, 8, 0, 0, 0, 0}},
    {"CommentIsAnEmptyRow", "<!-- a note -->", {0, 0, 0, 0, 0, 0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Rows, ComposeRow, ::testing::ValuesIn(kRowCases),
                         [](const auto& info) { return std::string(info.param.name); });

QByteArray generatedRows(int count) {
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += QStringLiteral(R"(<row DATA_TYPE="%1" TCP_ADD_DEV="%2" TCP_ADDRESS="%3" RTU_ADD_DEV="%4" )"
                               R"(RTU_ADDRESS="%5" N_POINT="%6" MNEMONIC="r%3"/>)")
                    .arg(1 + i % 4)
                    .arg(1 + i % 247)
                    .arg(i)
                    .arg(247 - i % 247)
                    .arg(65535 - i)
                    .arg(1 + i % 127)
                    .toUtf8();
    return rows;
}

TEST(ComposeTable, TakesAtMost2000Rows) {
    const test::ConfigFolder folder;
    folder.writeTranslateTable(generatedRows(2500));
    const QByteArray image = folder.compose();
    ASSERT_EQ(image.size(), 18432);
    EXPECT_EQ(le(image, kRowCount, 4), 2000u);
    // Row 1999: type 1 + 1999 % 4 = 4, TCP device 1 + 1999 % 247 = 24, RTU device 247 - 23 = 224,
    // points 1 + 1999 % 127 = 95, TCP address 1999 = 0x07CF, RTU address 65535 - 1999 = 0xF830.
    EXPECT_EQ(entry(image, 1999), bytes({4, 24, 224, 95, 0xCF, 0x07, 0x30, 0xF8}));
    EXPECT_EQ(image.mid(kTable + 8 * 2000), QByteArray(8 * 48, '\0'));
}

TEST(ComposeTable, EntriesAfterTheRowCountStayZero) {
    const test::ConfigFolder folder;
    folder.writeTranslateTable(generatedRows(3));
    const QByteArray image = folder.compose();
    EXPECT_EQ(le(image, kRowCount, 4), 3u);
    EXPECT_EQ(entry(image, 2), bytes({3, 3, 245, 3, 2, 0, 0xFD, 0xFF}));
    EXPECT_EQ(image.mid(kTable + 8 * 3), QByteArray(8 * 2045, '\0'));
}

TEST(ComposeTable, LayoutBetweenRowsIsNotARow) {
    const test::ConfigFolder folder;
    test::writeFile(folder.translateTable(), "<TCP_TO_RTU>\n  <row N_POINT=\"2\"/>\n  <row N_POINT=\"3\"/>\n"
                                             "</TCP_TO_RTU>\n<!--SW_VERSION = 1.002-->\n");
    EXPECT_EQ(le(folder.compose(), kRowCount, 4), 2u);
    test::writeFile(folder.translateTable(), "<TCP_TO_RTU>\n</TCP_TO_RTU>");
    EXPECT_EQ(le(folder.compose(), kRowCount, 4), 0u);
}

TEST(ComposeTable, RootIsTheFirstNodeWhateverItsName) {
    const test::ConfigFolder folder;
    test::writeFile(folder.translateTable(), "<Table><row N_POINT=\"2\"/></Table>");
    EXPECT_EQ(le(folder.compose(), kRowCount, 4), 1u);
    // A comment first is the root, and it has no rows.
    test::writeFile(folder.translateTable(), "<!--x--><TCP_TO_RTU><row N_POINT=\"2\"/></TCP_TO_RTU>");
    const QByteArray image = folder.compose();
    EXPECT_EQ(le(image, kRowCount, 4), 0u);
    EXPECT_EQ(entry(image, 0), QByteArray(8, '\0'));
}

// Disabled functions: the rows of EnableFunctions.xml and the mask at image offset 660.
struct FunctionsCase {
    const char* name;
    const char* rows;
    std::uint32_t mask;
};

void PrintTo(const FunctionsCase& c, std::ostream* os) {
    *os << c.name;
}

class ComposeDisabledFunctions : public ::testing::TestWithParam<FunctionsCase> {};

TEST_P(ComposeDisabledFunctions, SetsOneBitPerSwitchedOffCode) {
    const FunctionsCase& c = GetParam();
    const test::ConfigFolder folder;
    folder.writeEnableFunctions(c.rows);
    EXPECT_EQ(le(folder.compose(), 660, 4), c.mask);
}

QByteArray allElevenRows(const char* enabled) {
    QByteArray rows;
    for (int code : {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 23})
        rows +=
            QStringLiteral(R"(<row FunNum="%1" Enabled="%2" Mnemonic=""/>)").arg(code).arg(enabled).toUtf8();
    return rows;
}

const QByteArray kAllOff = allElevenRows("N");
const QByteArray kAllOn = allElevenRows("Y");
const QByteArray kThreeAndSixteenOff =
    R"(<row FunNum="1" Enabled="Y" Mnemonic=""/><row FunNum="3" Enabled="N" Mnemonic=""/>)"
    R"(<row FunNum="16" Enabled="N" Mnemonic="x"/><row FunNum="23" Enabled="Y" Mnemonic=""/>)";

const FunctionsCase kFunctionsCases[] = {
    {"ThreeAndSixteen", kThreeAndSixteenOff.constData(), 8 + 65536},
    // 2^1 + ... + 2^7 = 254, + 2^15 + 2^16 + 2^17 + 2^23.
    {"AllEleven", kAllOff.constData(), 254 + 32768 + 65536 + 131072 + 8388608},
    {"AllEnabled", kAllOn.constData(), 0},
    {"Function8Ignored", R"(<row FunNum="8" Enabled="N" Mnemonic=""/>)", 0},
    {"Function0Ignored", R"(<row FunNum="0" Enabled="N" Mnemonic=""/>)", 0},
    {"NotANumberIgnored", R"(<row FunNum="three" Enabled="N" Mnemonic=""/>)", 0},
    {"HexCode", R"(<row FunNum="0x10" Enabled="N" Mnemonic=""/>)", 65536},
    {"LowerCaseN", R"(<row FunNum="3" Enabled="n" Mnemonic=""/>)", 0},
    {"BlankN", R"(<row FunNum="3" Enabled=" N" Mnemonic=""/>)", 0},
    {"EmptyEnabled", R"(<row FunNum="3" Enabled="" Mnemonic=""/>)", 0},
    {"NoMnemonicNeeded", R"(<row FunNum="5" Enabled="N"/>)", 32},
    {"CommentsBetweenRows", R"(<!--a--><row FunNum="2" Enabled="N"/><!--b-->)", 4},
    {"LaterYesDoesNotClear", R"(<row FunNum="3" Enabled="N"/><row FunNum="3" Enabled="Y"/>)", 8},
};

INSTANTIATE_TEST_SUITE_P(Rows, ComposeDisabledFunctions, ::testing::ValuesIn(kFunctionsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeDisabledFunctionsRoot, AnyRootNameIsRead) {
    const test::ConfigFolder folder;
    test::writeFile(folder.enableFunctions(), R"(<Functions><row FunNum="4" Enabled="N"/></Functions>)");
    EXPECT_EQ(le(folder.compose(), 660, 4), 16u);
}

TEST(ComposeSources, EachFileWorksWithoutTheOthers) {
    const test::ConfigFolder folder;
    folder.writeEnableFunctions(R"(<row FunNum="1" Enabled="N"/>)");
    folder.writeTranslateTable("<row N_POINT=\"9\"/>");
    const QByteArray image = folder.compose();
    EXPECT_EQ(le(image, 660, 4), 2u);
    EXPECT_EQ(le(image, kRowCount, 4), 1u);
    // Without ParGen.xml the ports keep their initial values.
    EXPECT_EQ(le(image, 52, 2), 10000u);
    EXPECT_EQ(le(image, 104, 2), 0u);
}

TEST(ComposeSources, EveryComposeStartsFromScratch) {
    const test::ConfigFolder folder;
    folder.writeTranslateTable(generatedRows(5));
    folder.writeParGen("<MODE>1</MODE>");
    image::ImageComposer composer(folder.sources());
    const QByteArray first = composer.Compose_Image();
    QFile::remove(folder.translateTable());
    QFile::remove(folder.parGen());
    const QByteArray second = composer.Compose_Image();
    EXPECT_NE(first, second);
    EXPECT_EQ(second, test::ConfigFolder().compose());
}

TEST(ComposeSources, SerialisingAtAnOffsetWritesTheSameBytesThere) {
    const test::ConfigFolder folder;
    folder.writeParGen("<BAUD>2</BAUD>");
    folder.writeTranslateTable(generatedRows(4));
    const QByteArray whole = folder.compose();

    image::ImageComposer composer(folder.sources());
    composer.Compose_Image();
    QByteArray buffer(16, 'x');
    int position = composer.Serialise_Header(buffer, 16);
    EXPECT_EQ(position, 16 + 2048);
    position = composer.Serialise_Table(buffer, position);
    EXPECT_EQ(position, 16 + 18432);
    EXPECT_EQ(buffer.left(16), QByteArray(16, 'x'));
    EXPECT_EQ(buffer.mid(16), whole);
}

} // namespace
} // namespace zz
