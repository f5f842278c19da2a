#include "common/Xml.h"

#include "common/Errors.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

pugi::xml_document parsed(const char* text) {
    pugi::xml_document doc;
    xml::parse(doc, QByteArray(text), QStringLiteral("test.xml"));
    return doc;
}

TEST(XmlTest, FirstTopLevelNodeIsTheDeclarationOrCommentWhenOneComesFirst) {
    auto withDeclaration = parsed("<?xml version=\"1.0\"?><General_Parameter/>");
    EXPECT_EQ(xml::firstTopLevelNode(withDeclaration).type(), pugi::node_declaration);
    EXPECT_TRUE(xml::topLevelElement(withDeclaration, "General_Parameter"));

    auto withComment = parsed("<!-- note --><Root><A>1</A></Root>");
    EXPECT_EQ(xml::firstTopLevelNode(withComment).type(), pugi::node_comment);
    EXPECT_FALSE(xml::childElement(xml::firstTopLevelNode(withComment), "A"));

    auto plain = parsed("<Root><A>1</A></Root><!--SW_VERSION = 1.002-->");
    EXPECT_STREQ(xml::firstTopLevelNode(plain).name(), "Root");
}

TEST(XmlTest, ChildElementIsTheFirstMatchAndTextKeepsBlanks) {
    auto doc = parsed("<R><A>first</A><A>second</A><P> </P><E/><M>a<b>b</b>c</M></R>");
    const auto root = xml::firstTopLevelNode(doc);
    EXPECT_EQ(xml::childText(root, "A"), QStringLiteral("first"));
    EXPECT_EQ(xml::childText(root, "P"), QStringLiteral(" "));
    EXPECT_EQ(xml::childText(root, "E"), QString());
    EXPECT_EQ(xml::childText(root, "M"), QStringLiteral("abc"));
    EXPECT_EQ(xml::childText(root, "Missing"), std::nullopt);
}

TEST(XmlTest, AbsentAttributeDiffersFromEmptyOne) {
    auto doc = parsed("<R><row A=\"\" B=\"  x \" C=\"&amp;\"/></R>");
    const auto row = xml::firstTopLevelNode(doc).first_child();
    EXPECT_EQ(xml::attribute(row, "A"), QString());
    EXPECT_EQ(xml::attribute(row, "B"), QStringLiteral("  x "));
    EXPECT_EQ(xml::attribute(row, "C"), QStringLiteral("&"));
    EXPECT_EQ(xml::attribute(row, "D"), std::nullopt);
}

TEST(XmlTest, SavesRawWithoutDeclarationOrIndentation) {
    pugi::xml_document doc;
    auto root = doc.append_child("General_Parameter");
    xml::appendComment(doc, QStringLiteral("SW_VERSION = 1.002"));
    xml::appendTextElement(root, "MODE", QStringLiteral("0"));
    xml::appendTextElement(root, "SSID", QStringLiteral("caf\u00E9 <&>"));
    xml::appendTextElement(root, "Password", QString());
    auto row = root.append_child("row");
    xml::appendAttribute(row, "B", QStringLiteral(" b "));
    xml::appendAttribute(row, "A", QStringLiteral("a"));
    EXPECT_EQ(xml::toBytes(doc),
              QByteArray("<General_Parameter><MODE>0</MODE><SSID>caf\xC3\xA9 &lt;&amp;&gt;</SSID><Password/>"
                         "<row B=\" b \" A=\"a\"/></General_Parameter><!--SW_VERSION = 1.002-->"));
}

TEST(XmlTest, NotWellFormedNamesFileLineAndParserMessage) {
    pugi::xml_document doc;
    try {
        xml::parse(doc, QByteArray("<Root>\n<A>1</A>\n<B>\n</Root>"), QStringLiteral("/tmp/x/ParGen.xml"));
        FAIL() << "no error";
    } catch (const XmlParseError& e) {
        EXPECT_EQ(e.file(), QStringLiteral("/tmp/x/ParGen.xml"));
        EXPECT_EQ(e.line(), 4);
        EXPECT_FALSE(e.parserMessage().isEmpty());
        EXPECT_TRUE(e.message().contains(QStringLiteral("ParGen.xml"))) << e.what();
        EXPECT_TRUE(e.message().contains(QStringLiteral("line 4"))) << e.what();
    }
    EXPECT_THROW(xml::parse(doc, QByteArray(), QStringLiteral("empty.xml")), XmlParseError);

    // The same broken document in UTF-16 names the same line.
    const QString text = QStringLiteral("<Root>\n<A>caf\u00E9</A>\n<B>\n</Root>");
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : text)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    try {
        xml::parse(doc, utf16, QStringLiteral("utf16.xml"));
        FAIL() << "no error";
    } catch (const XmlParseError& e) {
        EXPECT_EQ(e.line(), 4);
    }
}

TEST(XmlTest, LoadsUtf16AndSavesAtomically) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.xml"));
    const QString text = QStringLiteral("<R><A>N\u00B0</A></R>");
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    test::writeFile(path, utf16);

    pugi::xml_document doc;
    xml::load(doc, path);
    EXPECT_EQ(xml::childText(xml::firstTopLevelNode(doc), "A"), QStringLiteral("N\u00B0"));

    xml::save(doc, path);
    EXPECT_EQ(test::readFile(path), QByteArray("<R><A>N\xC2\xB0</A></R>"));
    EXPECT_THROW(xml::load(doc, dir.filePath(QStringLiteral("missing.xml"))), FileError);
}

} // namespace
} // namespace zz
