#include "options/MakerLinks.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

struct LinkCase {
    const char* server;
    const char* shown;
    const char* home;
    const char* download;
};

class MakerLinksTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(MakerLinksTest, AddressesOnTheMakersServer) {
    const LinkCase& c = GetParam();
    const QString server = QString::fromUtf8(c.server);
    EXPECT_EQ(makerWebAddress(server), QString::fromUtf8(c.shown));
    EXPECT_EQ(homePageUrl(server), QString::fromUtf8(c.home));
    EXPECT_EQ(downloadPageUrl(server), QString::fromUtf8(c.download));
}

INSTANTIATE_TEST_SUITE_P(Table, MakerLinksTest,
                         ::testing::Values(LinkCase{"http://www.ostrel.com", "www.ostrel.com",
                                                    "http://www.ostrel.com/HOME/default.asp?frompg=KT883",
                                                    "http://www.ostrel.com/Home/download/download.asp#KH883"},
                                           LinkCase{"http://127.0.0.1:8080/", "127.0.0.1",
                                                    "http://127.0.0.1:8080/HOME/default.asp?frompg=KT883",
                                                    "http://127.0.0.1:8080/Home/download/download.asp#KH883"},
                                           LinkCase{"maker", "maker", "maker/HOME/default.asp?frompg=KT883",
                                                    "maker/Home/download/download.asp#KH883"}));

TEST(MakerLinksTest, AnchorMarkupQuotesTheAddressAndEscapesTheText) {
    EXPECT_EQ(anchorMarkup(QStringLiteral("http://h/p?a=1&b=2"), QStringLiteral("New <Version>")),
              QStringLiteral("<a href=\"http://h/p?a=1&amp;b=2\">New &lt;Version&gt;</a>"));
}

} // namespace
} // namespace zz
