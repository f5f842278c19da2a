#include "update/ValidIp.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

// Parts a missing dot never reaches keep what the caller passed in.
const QString kUntouched = QStringLiteral("untouched");

struct ValidIpCase {
    const char* text;
    bool valid;
    const char* parts[4];
};

void PrintTo(const ValidIpCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ValidIpTest : public ::testing::TestWithParam<ValidIpCase> {};

TEST_P(ValidIpTest, SplitsAndJudges) {
    const ValidIpCase& c = GetParam();
    QString parts[4] = {kUntouched, kUntouched, kUntouched, kUntouched};
    EXPECT_EQ(Valid_IP(QString::fromUtf8(c.text), parts[0], parts[1], parts[2], parts[3]), c.valid);
    for (int i = 0; i < 4; ++i) {
        const QString expected = c.parts[i] ? QString::fromUtf8(c.parts[i]) : kUntouched;
        EXPECT_EQ(parts[i], expected) << "part " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValidIpTest,
    ::testing::Values(
        ValidIpCase{"192.168.2.205", true, {"192", "168", "2", "205"}},
        ValidIpCase{"0.0.0.0", true, {"0", "0", "0", "0"}},
        ValidIpCase{"255.255.255.255", true, {"255", "255", "255", "255"}},
        // Blanks around the text and around every part are trimmed, tabs and line ends too.
        ValidIpCase{"  10 . 1 .\t2 .3\r\n", true, {"10", "1", "2", "3"}},
        // Parts are whole numbers by the system's one rule: hexadecimal prefixes and a sign count.
        ValidIpCase{"0x0A.$FF.+1.x10", true, {"0x0A", "$FF", "+1", "x10"}},
        ValidIpCase{"010.1.1.1", true, {"010", "1", "1", "1"}},
        // Out of range or not a number: false, with every part handed back.
        ValidIpCase{"10.0.0.300", false, {"10", "0", "0", "300"}},
        ValidIpCase{"256.0.0.1", false, {"256", "0", "0", "1"}},
        ValidIpCase{"-1.0.0.1", false, {"-1", "0", "0", "1"}},
        ValidIpCase{"a.b.c.d", false, {"a", "b", "c", "d"}},
        ValidIpCase{"1..2.3", false, {"1", "", "2", "3"}}, ValidIpCase{"1.2.3.", false, {"1", "2", "3", ""}},
        ValidIpCase{"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
        ValidIpCase{"1.2.3.4 x", false, {"1", "2", "3", "4 x"}},
        // Too few dots: false as soon as a dot is missing.
        ValidIpCase{"10.0.0", false, {"10", "0", nullptr, nullptr}},
        ValidIpCase{"10.0", false, {"10", nullptr, nullptr, nullptr}},
        ValidIpCase{"10", false, {nullptr, nullptr, nullptr, nullptr}},
        ValidIpCase{"", false, {nullptr, nullptr, nullptr, nullptr}},
        ValidIpCase{"   ", false, {nullptr, nullptr, nullptr, nullptr}}));

TEST(Ipv4FromTextTest, TakesOnlyAddressesEveryReaderReadsAlike) {
    EXPECT_EQ(ipv4FromText(u"127.0.0.1"), 0x7F000001u);
    EXPECT_EQ(ipv4FromText(u"192.168.2.205"), 0xC0A802CDu);
    EXPECT_EQ(ipv4FromText(u"0.0.0.0"), 0u);
    EXPECT_EQ(ipv4FromText(u"255.255.255.255"), 0xFFFFFFFFu);
    // Texts that Valid_IP accepts but other readers take for another device (octal "010") or
    // refuse (blanks, prefixes) are not pinged.
    for (const char16_t* refused :
         {u"10.0.0", u"10.0.0.256", u"localhost", u"a.b.c.d", u"", u"1.2.3.4.5", u" 192 . 168.2.205 ",
          u"0x7F.0.0.$1", u"192.168.2.010", u"127.0.0. 1", u"+1.2.3.4", u"127.0.0.1 ", u"１.2.3.4"})
        EXPECT_EQ(ipv4FromText(refused), std::nullopt) << QString::fromUtf16(refused).toStdString();
}

TEST(Ipv4FromTextTest, DottedDecimalWritesPlainDecimalParts) {
    EXPECT_EQ(dottedDecimal(0x7F000001u), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(dottedDecimal(0xC0A802CDu), QStringLiteral("192.168.2.205"));
    EXPECT_EQ(dottedDecimal(0u), QStringLiteral("0.0.0.0"));
    EXPECT_EQ(dottedDecimal(0xFFFFFFFFu), QStringLiteral("255.255.255.255"));
}

} // namespace
} // namespace zz
