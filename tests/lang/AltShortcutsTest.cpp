#include "lang/AltShortcuts.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

struct ShortcutCase {
    const char* name;
    QStringList captions;
    QList<int> positions;
    friend void PrintTo(const ShortcutCase& c, std::ostream* os) { *os << c.name; }
};

class AltShortcutsTest : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(AltShortcutsTest, EachCaptionTakesTheFirstFreeLetter) {
    EXPECT_EQ(altShortcutPositions(GetParam().captions), GetParam().positions);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AltShortcutsTest,
    ::testing::Values(
        ShortcutCase{"FirstLetters", {"OK", "Cancel"}, {0, 0}},
        ShortcutCase{"LaterWordStartBeforeOtherLetters", {"Open", "Save or Quit", "Options"}, {0, 0, 1}},
        ShortcutCase{"LetterCaseIgnored", {"ok", "OK", "Ok"}, {0, 1, -1}},
        ShortcutCase{"AmpersandAndBlanksAreNeverShortcuts", {"& &&", " - ", "A & B"}, {-1, -1, 0}},
        ShortcutCase{"EmptyCaptionTakesNothing", {"", "Ping"}, {-1, 0}},
        ShortcutCase{"DigitsAndAccentedLetters", {"Étape 1", "étape 2", "1", "2"}, {0, 6, 0, -1}},
        ShortcutCase{"AfterPunctuationIsAWordStart", {"Import", "Import/Export"}, {0, 7}},
        ShortcutCase{"EveryLetterTaken", {"ab", "ba", "b"}, {0, 0, -1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AltShortcutsTakenTest, LettersOtherControlsUseAreLeftToThem) {
    EXPECT_EQ(altShortcutPositions({"Browse...", "OK"}, QStringLiteral("bK")), (QList<int>{1, 0}));
}

TEST(MarkedShortcutTest, OnlyALetterOrDigitAfterOneAmpersandIsMarked) {
    struct Case {
        const char* caption;
        qsizetype position;
    };
    const Case cases[] = {{"B&rowse...", 2},  {"&1", 1}, {"Save & close", -1}, {"R&&D", -1}, {"R&&&D", 4},
                          {"trailing &", -1}, {"", -1},  {"&&x&y", 4}};
    for (const Case& c : cases)
        EXPECT_EQ(markedShortcutPosition(QString::fromUtf8(c.caption)), c.position) << c.caption;
}

} // namespace
} // namespace zz
