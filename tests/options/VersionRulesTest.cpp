#include "options/VersionRules.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

struct ConvCase {
    const char* text;
    int number;
    friend void PrintTo(const ConvCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ConvVersionTest : public ::testing::TestWithParam<ConvCase> {};

TEST_P(ConvVersionTest, ReadsTheFourDigits) {
    EXPECT_EQ(Conv_Version(QString::fromLatin1(GetParam().text)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvVersionTest,
    ::testing::Values(ConvCase{"1.002", 1002},           // no blank: the whole text
                      ConvCase{"VER. 1.003", 1003},      // the text after the first blank
                      ConvCase{"ver. 1.010", 1010},      // letters do not matter
                      ConvCase{"VER. 0.000", 0},         //
                      ConvCase{"VER.1.003", -1},         // no blank: "VR.1" is not a number
                      ConvCase{"VER. 2.5", -1},          // fewer than five characters
                      ConvCase{"VER.  1.003\r\n", 1003}, // trimmed after the blank
                      ConvCase{"VER. 1.0035", 1003},     // characters after the fifth are ignored
                      ConvCase{"VER. 1,003", 1003},      // the second character is skipped, whatever it is
                      ConvCase{"VER. 1.00A", -1},        // "100A" is not a number
                      ConvCase{"VER. $.FFF", 4095},      // the whole-number rule reads "$FFF"
                      ConvCase{"VER. -.123", -123},      // and a sign
                      ConvCase{"X\t1.003", -1},          // a tab is not the blank
                      ConvCase{"A B C", -1},             // "B C" is too short
                      ConvCase{"", -1},                  //
                      ConvCase{"<html><body>Server Error</body></html>", -1}));

struct AnswerCase {
    const char* answer;
    bool newer;
    friend void PrintTo(const AnswerCase& c, std::ostream* os) { *os << '"' << c.answer << '"'; }
};

class AnswerRulesTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerRulesTest, NewerOnlyWhenBothNumbersAreValidAndTheServerHasMore) {
    EXPECT_EQ(isNewerVersionAnswer(QString::fromLatin1(GetParam().answer), u"1.002"), GetParam().newer);
}

INSTANTIATE_TEST_SUITE_P(Table, AnswerRulesTest,
                         ::testing::Values(AnswerCase{"VER. 1.003", true}, AnswerCase{"VER. 1.002", false},
                                           AnswerCase{"VER. 1.001", false}, AnswerCase{"ver. 1.010", true},
                                           AnswerCase{"VER. 9.999", true}, AnswerCase{"VER. 0.000", false},
                                           AnswerCase{" VER. 0.000\r\n", false},
                                           AnswerCase{"\r\n\tver. 0.000  ", false},
                                           AnswerCase{"\r\nVER. 1.003\r\n", true},
                                           AnswerCase{"VER. 2.5", false}, AnswerCase{"VER.1.003", false},
                                           AnswerCase{"", false}, AnswerCase{" \r\n ", false},
                                           AnswerCase{"<html><body>Error 500</body></html>", false}));

TEST(AnswerRulesTest, UnconvertibleLocalVersionIsNeverOlder) {
    EXPECT_FALSE(isNewerVersionAnswer(u"VER. 9.999", u"1.0"));
}

TEST(AnswerRulesTest, ComparesWithTheRunningProgramsVersion) {
    // The program is version 1.002.
    EXPECT_TRUE(isNewerVersionAnswer(u"VER. 1.003"));
    EXPECT_FALSE(isNewerVersionAnswer(u"VER. 1.002"));
}

} // namespace
} // namespace zz
