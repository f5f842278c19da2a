#include "common/TextRules.h"

#include <gtest/gtest.h>
#include <limits>

namespace zz {
namespace {

struct NumberCase {
    const char16_t* text;
    std::optional<std::int32_t> expected;
    friend void PrintTo(const NumberCase& c, std::ostream* os) {
        *os << '"' << QString::fromUtf16(c.text).toStdString() << '"';
    }
};

class WholeNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(WholeNumberTest, ConvertsByTheOneRule) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(toWholeNumber(QStringView(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

constexpr auto kNaN = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Table, WholeNumberTest,
    ::testing::Values(
        // decimal, signs, leading blanks
        NumberCase{u"0", 0}, NumberCase{u"255", 255}, NumberCase{u"007", 7}, NumberCase{u"-0", 0},
        NumberCase{u"+12", 12}, NumberCase{u"-5", -5}, NumberCase{u" 7", 7}, NumberCase{u"   -3", -3},
        // hexadecimal prefixes
        NumberCase{u"$FF", 255}, NumberCase{u"$ff", 255}, NumberCase{u"x10", 16}, NumberCase{u"X10", 16},
        NumberCase{u"0x0A", 10}, NumberCase{u"0X0a", 10}, NumberCase{u"-$10", -16}, NumberCase{u"+0x1", 1},
        NumberCase{u"$0", 0},
        // not a number
        NumberCase{u"", kNaN}, NumberCase{u" ", kNaN}, NumberCase{u"12 ", kNaN}, NumberCase{u"1.5", kNaN},
        NumberCase{u"abc", kNaN}, NumberCase{u"+", kNaN}, NumberCase{u"-", kNaN}, NumberCase{u"+-1", kNaN},
        NumberCase{u"- 1", kNaN}, NumberCase{u"$", kNaN}, NumberCase{u"0x", kNaN}, NumberCase{u"x", kNaN},
        NumberCase{u"$G", kNaN}, NumberCase{u"\t7", kNaN}, NumberCase{u"1e3", kNaN}, NumberCase{u"0b1", kNaN},
        NumberCase{u"\uFF11", kNaN} /* full-width digit one */, NumberCase{u"12abc", kNaN},
        // 32-bit limits: decimal must fit, hexadecimal is taken as the 32-bit pattern
        NumberCase{u"2147483647", std::numeric_limits<std::int32_t>::max()},
        NumberCase{u"-2147483648", std::numeric_limits<std::int32_t>::min()}, NumberCase{u"2147483648", kNaN},
        NumberCase{u"-2147483649", kNaN}, NumberCase{u"99999999999999999999", kNaN},
        NumberCase{u"$7FFFFFFF", 2147483647}, NumberCase{u"$FFFFFFFF", -1},
        NumberCase{u"0x80000000", std::numeric_limits<std::int32_t>::min()}, NumberCase{u"$000000000FF", 255},
        NumberCase{u"$100000000", kNaN}, NumberCase{u"-$1", -1}, NumberCase{u"-$FFFFFFFF", 1}));

TEST(TrimBlanksTest, RemovesEveryControlCharacterAndBlankAtBothEnds) {
    EXPECT_EQ(trimBlanks(u" \t\r\n\x01 a b \x1F\x20"), QStringLiteral("a b"));
    EXPECT_EQ(trimBlanks(u"\x21x\x21"), QStringLiteral("!x!"));
    EXPECT_EQ(trimBlanks(u"\u00A0x\u00A0"), QStringLiteral("\u00A0x\u00A0")); // no-break space is code 160
    EXPECT_EQ(trimBlanks(u"   "), QString());
    EXPECT_EQ(trimBlanks(u""), QString());
}

TEST(AsciiLettersTest, FoldsOnlyTheLettersAToZ) {
    EXPECT_EQ(upperAsciiLetters(u"Coil status àé"), QStringLiteral("COIL STATUS àé"));
    EXPECT_TRUE(equalsFoldingAsciiLetters(u"Plant-A", u"pLANT-a"));
    EXPECT_FALSE(equalsFoldingAsciiLetters(u"Émile", u"émile"));
    EXPECT_FALSE(equalsFoldingAsciiLetters(u"ab", u"abc"));
}

TEST(WholeNumberRangeTest, ChecksInclusiveBoundsAndRefusesNonNumbers) {
    EXPECT_TRUE(isWholeNumberIn(u"65535", 0, 65535));
    EXPECT_FALSE(isWholeNumberIn(u"65536", 0, 65535));
    EXPECT_FALSE(isWholeNumberIn(u"", 0, 65535));
    EXPECT_EQ(wholeNumberOr(u"x", 7), 7);
    EXPECT_EQ(wholeNumberOr(u"12 ", -1), -1);
}

struct CarryCase {
    const char16_t* text;
    qsizetype expected;
};

TEST(XmlCarriedCharactersTest, FindsTheFirstCharacterXmlCannotHold) {
    const CarryCase cases[] = {
        {u"", -1},
        {u"Plain text \u00B6 \u00E8", -1},
        {u"tab\tline\ncr\r", -1},
        {u"a\U0001F600b", -1}, // a surrogate pair is one character
        {u"ab\u0001", 2},
        {u"\u001F", 0},
        {u"x\uFFFEy", 1},
        {u"x\uFFFF", 1},
        {u"hi\xD800", 2}, // a lone high surrogate at the end
        {u"a\xDC00"
         u"z",
         1},             // a lone low surrogate
        {u"\xD800x", 0}, // a high surrogate not followed by a low one
    };
    for (const CarryCase& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(firstCharacterXmlCannotCarry(text), c.expected) << QString(text).toStdString();
    }
}

} // namespace
} // namespace zz
