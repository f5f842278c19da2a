#include "common/XmlQuickCheck.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace zz::xml {
namespace {

bool conformingReaderAccepts(const QByteArray& bytes) {
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

struct QuickCase {
    const char* name;
    QByteArray bytes;
    bool plain; // settled by the quick check; false leaves the verdict to the full reader
    friend void PrintTo(const QuickCase& c, std::ostream* os) { *os << c.name; }
};

class XmlQuickCheckTest : public ::testing::TestWithParam<QuickCase> {};

TEST_P(XmlQuickCheckTest, SettlesOnlyWhatTheConformingReaderAccepts) {
    const QuickCase& c = GetParam();
    EXPECT_EQ(isPlainWellFormedXml(c.bytes, 3), c.plain);
    if (c.plain) {
        EXPECT_TRUE(conformingReaderAccepts(c.bytes));
    }
}

QByteArray operator""_b(const char* s, std::size_t n) {
    return QByteArray(s, static_cast<qsizetype>(n));
}

INSTANTIATE_TEST_SUITE_P(
    Documents, XmlQuickCheckTest,
    ::testing::Values(
        // What the program writes, and what editors make of it.
        QuickCase{"TableFile",
                  "<TCP_TO_RTU><row DATA_TYPE=\"3\" MNEMONIC=\"a &amp; b &#13;\"/></TCP_TO_RTU>"
                  "<!--SW_VERSION = 1.002-->"_b,
                  true},
        QuickCase{"DeclarationBomAndBlanks",
                  "\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8' standalone='no' ?>\r\n"
                  "<a x = '1'>\n <b>t\xC3\xA9xt]&gt;</b><c/> <![CDATA[<&]]></a >\n"_b,
                  true},
        QuickCase{"CommentsAndInstructionsAround",
                  "<!-- - --><?pi data?><a><?xml-stylesheet x?><!----></a><?end?>"_b, true},
        QuickCase{"CharacterReferences", "<a>&#x10FFFF;&#9;&#xd7ff;&apos;&quot;&lt;</a>"_b, true},
        QuickCase{"NestingAtTheBound", "<a><b><c/></b></a>"_b, true},
        QuickCase{"FourByteCharacter", "<a>\xF0\x9F\x98\x80</a>"_b, true},
        // Not well-formed: always left to the full reader, which refuses them.
        QuickCase{"TwoRoots", "<a/><b/>"_b, false},
        QuickCase{"DuplicateAttribute", "<a x='1' x='2'/>"_b, false},
        QuickCase{"UndefinedEntity", "<a>&nbsp;</a>"_b, false},
        QuickCase{"StrayAmpersand", "<a>fish & chips</a>"_b, false},
        QuickCase{"LessThanInAttribute", "<a x='<'/>"_b, false},
        QuickCase{"LateDeclaration", "<!--x--><?xml version='1.0'?><a/>"_b, false},
        QuickCase{"DeclarationWithoutVersion", "<?xml encoding='UTF-8'?><a/>"_b, false},
        QuickCase{"ControlCharacter", "<a>\x01</a>"_b, false},
        QuickCase{"ReferenceToControlCharacter", "<a>&#1;</a>"_b, false},
        QuickCase{"ReferenceToSurrogate", "<a>&#xD800;</a>"_b, false},
        QuickCase{"UppercaseHexMarker", "<a>&#X41;</a>"_b, false},
        QuickCase{"OverlongUtf8", "<a>\xC0\xAF</a>"_b, false},
        QuickCase{"EncodedSurrogate", "<a>\xED\xA0\x80</a>"_b, false},
        QuickCase{"NonCharacterFFFE", "<a>\xEF\xBF\xBE</a>"_b, false},
        QuickCase{"CdataEndInText", "<a>]]></a>"_b, false},
        QuickCase{"DoubleHyphenInComment", "<a><!-- a -- b --></a>"_b, false},
        QuickCase{"CommentEndingInHyphen", "<a><!-- a ---></a>"_b, false},
        QuickCase{"MismatchedEndTag", "<a><b></a></b>"_b, false},
        QuickCase{"UnclosedElement", "<a><b></b>"_b, false}, QuickCase{"TextAfterRoot", "<a/>x"_b, false},
        QuickCase{"NoBlankBetweenAttributes", "<a x='1'y='2'/>"_b, false},
        QuickCase{"NameStartingWithDigit", "<1a/>"_b, false},
        QuickCase{"NestedDeeperThanTheBound", "<a><b><c><d/></c></b></a>"_b, false},
        QuickCase{"Empty", ""_b, false},
        // Well-formed, but past what the quick check handles: the full reader decides.
        QuickCase{"DocumentType", "<!DOCTYPE a [<!ENTITY e 'x'>]><a>&e;</a>"_b, false},
        QuickCase{"OtherEncoding", "<?xml version='1.0' encoding='ISO-8859-1'?><a>\xE9</a>"_b, false},
        QuickCase{"Utf16", QByteArray("\xFF\xFE<\0a\0/\0>\0", 10), false},
        QuickCase{"PrefixedName", "<x:a xmlns:x='urn:x'/>"_b, false},
        QuickCase{"NonAsciiName", "<caf\xC3\xA9/>"_b, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(XmlQuickCheckLimitsTest, ManyAttributesGoToTheFullReader) {
    QByteArray many = "<a";
    for (int i = 0; i < 40; ++i)
        many += " n" + QByteArray::number(i) + "='v'";
    many += "/>";
    EXPECT_FALSE(isPlainWellFormedXml(many, 256));
    EXPECT_TRUE(conformingReaderAccepts(many));
}

} // namespace
} // namespace zz::xml
