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

struct Malformed {
    const char* name;
    const char* text;
    int line;
};

class MalformedXmlTest : public ::testing::TestWithParam<Malformed> {};

// Each of these is taken as good by pugixml alone, or would be.
TEST_P(MalformedXmlTest, IsRefusedWithFileLineAndReason) {
    pugi::xml_document doc;
    try {
        xml::parse(doc, QByteArray(GetParam().text), QStringLiteral("/cfg/var.xml"));
        FAIL() << "accepted";
    } catch (const XmlParseError& e) {
        EXPECT_EQ(e.file(), QStringLiteral("/cfg/var.xml"));
        EXPECT_EQ(e.line(), GetParam().line) << e.what();
        EXPECT_FALSE(e.parserMessage().isEmpty());
    }
    EXPECT_FALSE(doc.first_child());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedXmlTest,
    ::testing::Values(Malformed{"TwoRoots", "<R/>\n<S/>", 2},
                      Malformed{"DuplicateAttribute", "<R>\n<row A=\"1\" A=\"2\"/></R>", 2},
                      Malformed{"UndefinedEntity", "<R>\n\n<A>&nbsp;</A></R>", 3},
                      Malformed{"StrayAmpersand", "<R>\n<A>a & b</A></R>", 2},
                      Malformed{"LessThanInAttribute", "<R>\n<row A=\"a<b\"/></R>", 2},
                      Malformed{"LateDeclaration", "<!-- c -->\n<?xml version=\"1.0\"?><R/>", 2},
                      Malformed{"ControlCharacter", "<R>\n<A>\x01</A></R>", 2},
                      Malformed{"ControlCharacterReference", "<R>\n<A>&#1;</A></R>", 2},
                      Malformed{"Unclosed", "<R>\n<A>1</A>\n<B>\n</R>", 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(XmlTest, WellFormedPrologsStayAccepted) {
    for (const char* text :
         {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><!-- a --><?pi x?><R/>",
          "<!DOCTYPE R [<!ENTITY e \"x\">]><R>&e;</R>", "\xEF\xBB\xBF<R><A>&#13;&amp;</A></R>"})
        EXPECT_NO_THROW(parsed(text)) << text;
}

TEST(XmlTest, DeclaredEntitiesAndDefaultAttributesReadAsAConformingReaderGivesThem) {
    pugi::xml_document doc;
    xml::parse(
        doc,
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE R [<!ENTITY e \"x &#38;amp; \xE9\">"
        "<!ATTLIST R d CDATA \"def\">]>\n<R xmlns:x=\"urn:x\" a=\"&e;\" x:b=\"1\"><x:A>&e;&#13;</x:A></R>",
        QStringLiteral("var.xml"));
    EXPECT_EQ(xml::firstTopLevelNode(doc).type(), pugi::node_declaration);
    const pugi::xml_node root = xml::topLevelElement(doc, "R");
    EXPECT_EQ(xml::attribute(root, "a"), QStringLiteral("x & \u00e9"));
    EXPECT_EQ(xml::attribute(root, "d"), QStringLiteral("def"));
    EXPECT_EQ(xml::attribute(root, "x:b"), QStringLiteral("1"));
    EXPECT_EQ(xml::childText(root, "x:A"), QStringLiteral("x & \u00e9\r"));

    // Without a declaration none is made up.
    xml::parse(doc, "<!DOCTYPE R [<!ENTITY e \"x\">]><R>&e;</R>", QStringLiteral("var.xml"));
    EXPECT_EQ(xml::firstTopLevelNode(doc).type(), pugi::node_doctype);
    EXPECT_EQ(xml::text(xml::topLevelElement(doc, "R")), QStringLiteral("x"));
}

QByteArray nested(int levels) {
    return QByteArray("<Conf_Settings><Language>") + QByteArray("<a>").repeated(levels) + "x" +
           QByteArray("</a>").repeated(levels) + "</Language></Conf_Settings>";
}

TEST(XmlTest, NestingPastTheBoundIsRefusedNotACrash) {
    pugi::xml_document doc;
    EXPECT_NO_THROW(xml::parse(doc, nested(254), QStringLiteral("Zevazerazu.xml")));
    EXPECT_EQ(xml::childText(xml::firstTopLevelNode(doc), "Language"), QStringLiteral("x"));
    EXPECT_THROW(xml::parse(doc, nested(255), QStringLiteral("Zevazerazu.xml")), XmlParseError);
    try {
        xml::parse(doc, nested(44000), QStringLiteral("Zevazerazu.xml"));
        FAIL() << "accepted";
    } catch (const XmlParseError& e) {
        EXPECT_EQ(e.line(), 1);
        EXPECT_TRUE(e.parserMessage().contains(QStringLiteral("256"))) << e.what();
    }
}

TEST(XmlTest, TextOfADeepTreeDoesNotRecurse) {
    pugi::xml_document doc;
    pugi::xml_node at = doc.append_child("R");
    for (int i = 0; i < 200000; ++i)
        at = at.append_child("a");
    at.append_child(pugi::node_pcdata).set_value("deep");
    EXPECT_EQ(xml::text(doc.first_child()), QStringLiteral("deep"));
}

TEST(XmlTest, InternalEntitiesDoNotExpandWithoutBound) {
    QByteArray laughs = "<!DOCTYPE R [<!ENTITY l0 \"lol\">";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY l" + QByteArray::number(i) + " \"" +
                  QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    laughs += "]><R>&l9;</R>";
    pugi::xml_document doc;
    EXPECT_THROW(xml::parse(doc, laughs, QStringLiteral("var.xml")), XmlParseError);
}

QByteArray utf16(const QString& text, bool littleEndian) {
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
    }
    return bytes;
}

TEST(XmlTest, Utf16ErrorsNameTheLineOfTheText) {
    // The stray "&" is on line 3; pugixml alone took it.
    const QString text = QStringLiteral("<R>\n<A>caf\u00E9 \u20AC\u00E9\u00E9</A>\n<B>a & b</B>\n</R>");
    for (const bool littleEndian : {true, false}) {
        pugi::xml_document doc;
        try {
            xml::parse(doc, utf16(text, littleEndian), QStringLiteral("utf16.xml"));
            FAIL() << "accepted";
        } catch (const XmlParseError& e) {
            EXPECT_EQ(e.line(), 3) << littleEndian;
        }
        EXPECT_NO_THROW(xml::parse(doc, utf16(QStringLiteral("<R>\n<A>\u00E9</A></R>"), littleEndian),
                                   QStringLiteral("utf16.xml")));
        EXPECT_EQ(xml::childText(xml::firstTopLevelNode(doc), "A"), QStringLiteral("\u00E9"));
    }
}

// A NUL in a name passes the conforming reader and is refused by pugixml alone, which counts its
// position in its own UTF-8 copy of the document.
struct PugixmlOnlyError {
    const char* name;
    QString text;
    int line;
};

class PugixmlOnlyErrorTest : public ::testing::TestWithParam<PugixmlOnlyError> {};

TEST_P(PugixmlOnlyErrorTest, NamesTheLineInEveryEncoding) {
    const PugixmlOnlyError& c = GetParam();
    const std::pair<const char*, QByteArray> encodings[] = {
        {"UTF-8", c.text.toUtf8()},
        {"UTF-8 with BOM", QByteArray("\xEF\xBB\xBF") + c.text.toUtf8()},
        {"UTF-16LE", utf16(c.text, true)},
        {"UTF-16BE", utf16(c.text, false)},
    };
    for (const auto& [encoding, bytes] : encodings) {
        pugi::xml_document doc;
        try {
            xml::parse(doc, bytes, QStringLiteral("var.xml"));
            ADD_FAILURE() << encoding << ": accepted";
        } catch (const XmlParseError& e) {
            EXPECT_EQ(e.line(), c.line) << encoding << ": " << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PugixmlOnlyErrorTest,
    ::testing::Values(
        PugixmlOnlyError{"NulInAttributeName",
                         QStringLiteral("<R>\n<row A") + QChar(0) + QStringLiteral("B=\"1\"/>\n</R>"), 2},
        PugixmlOnlyError{"NulAtTheEndOfALine",
                         QStringLiteral("<R>\n<row \u00E9\u00E9A=\"1\" B") + QChar(0) +
                             QStringLiteral("\n=\"1\"/>\n</R>"),
                         2},
        PugixmlOnlyError{
            "NulBeforeLineBreak",
            QStringLiteral("<R>\n<row\n\u20AC=\"1\" C") + QChar(0) + QStringLiteral("=\"2\"/>\n</R>"), 3},
        PugixmlOnlyError{"CrLineEnds",
                         QStringLiteral("<R>\r<A/>\r<row A") + QChar(0) + QStringLiteral("B=\"1\"/>\r</R>"),
                         3},
        PugixmlOnlyError{
            "CrLfLineEnds",
            QStringLiteral("<R>\r\n<A/>\r\n<row A") + QChar(0) + QStringLiteral("B=\"1\"/>\r\n</R>"), 3}),
    [](const auto& info) { return std::string(info.param.name); });

// Files declared in an 8-bit encoding were taken before the conforming reader checked first,
// and still are, with their characters read as declared.
struct DeclaredEncoding {
    const char* name;
    const char* encoding;
    QByteArray text; // the bytes of "café €" in that encoding
    QString expected;
};

class DeclaredEncodingTest : public ::testing::TestWithParam<DeclaredEncoding> {};

QByteArray declaredAs(const char* encoding, const QByteArray& body) {
    return QByteArray("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?>\n" + body;
}

TEST_P(DeclaredEncodingTest, IsReadAsDeclaredAndErrorsNameTheLine) {
    const DeclaredEncoding& c = GetParam();
    pugi::xml_document doc;
    ASSERT_NO_THROW(xml::parse(doc, declaredAs(c.encoding, "<R>\n<A>" + c.text + "</A>\n</R>"),
                               QStringLiteral("var.xml")));
    EXPECT_EQ(xml::childText(xml::topLevelElement(doc, "R"), "A"), c.expected);

    // Line 4: once refused by the conforming reader, once by pugixml alone.
    for (const QByteArray& broken :
         {QByteArray("<R>\n<A>" + c.text + "</A>\n<B>a & b</B>\n</R>"),
          QByteArray("<R>\n<A>") + c.text + "</A>\n<row A" + '\0' + "B=\"1\"/>\n</R>"}) {
        try {
            xml::parse(doc, declaredAs(c.encoding, broken), QStringLiteral("var.xml"));
            ADD_FAILURE() << "accepted";
        } catch (const XmlParseError& e) {
            EXPECT_EQ(e.line(), 4) << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeclaredEncodingTest,
    ::testing::Values(
        DeclaredEncoding{"Utf8", "UTF-8", "caf\xC3\xA9 \xE2\x82\xAC", QStringLiteral("caf\u00E9 \u20AC")},
        DeclaredEncoding{"Utf8LowerCase", "utf-8", "caf\xC3\xA9 \xE2\x82\xAC",
                         QStringLiteral("caf\u00E9 \u20AC")},
        DeclaredEncoding{"Iso88591", "ISO-8859-1", "caf\xE9 \x80", QStringLiteral("caf\u00E9 \u0080")},
        DeclaredEncoding{"Iso88591Alias", "ISO_8859-1", "caf\xE9 \x80", QStringLiteral("caf\u00E9 \u0080")},
        DeclaredEncoding{"Latin1", "latin1", "caf\xE9 \x80", QStringLiteral("caf\u00E9 \u0080")},
        DeclaredEncoding{"Windows1252", "windows-1252", "caf\xE9 \x80", QStringLiteral("caf\u00E9 \u20AC")},
        DeclaredEncoding{"Cp1252", "cp1252", "caf\xE9 \x80", QStringLiteral("caf\u00E9 \u20AC")},
        DeclaredEncoding{"Iso885915", "ISO-8859-15", "caf\xE9 \xA4", QStringLiteral("caf\u00E9 \u20AC")},
        DeclaredEncoding{"Ascii", "US-ASCII", "cafe E", QStringLiteral("cafe E")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(XmlTest, WrittenTextReadsBackIdentical) {
    // A value that starts with U+FEFF keeps it: it is text, not a byte-order mark.
    for (const QString& value : {QStringLiteral("a\rb\nc\td\r\n \u00E9<&>\"'"), QStringLiteral("\uFEFF"),
                                 QStringLiteral("\uFEFF\uFEFFx")}) {
        pugi::xml_document doc;
        auto root = doc.append_child("General_Parameter");
        xml::appendTextElement(root, "SSID", value);
        xml::appendAttribute(root.append_child("row"), "Mnemonic", value);
        pugi::xml_document back;
        xml::parse(back, xml::toBytes(doc), QStringLiteral("ParGen.xml"));
        const auto readRoot = xml::firstTopLevelNode(back);
        EXPECT_EQ(xml::childText(readRoot, "SSID"), value);
        EXPECT_EQ(xml::attribute(xml::childElement(readRoot, "row"), "Mnemonic"), value);
    }
}

TEST(XmlTest, TextXmlCannotCarryIsNeverWritten) {
    for (const QString& value :
         {QStringLiteral("a\u0001b"), QStringLiteral("\uFFFE"), QString(QChar(0xD800))}) {
        pugi::xml_document doc;
        EXPECT_THROW(xml::appendTextElement(doc.append_child("General_Parameter"), "SSID", value), Error);
        EXPECT_THROW(xml::appendAttribute(doc.first_child(), "A", value), Error);
        EXPECT_THROW(xml::appendComment(doc, value), Error);
    }

    // Set past the helpers: the writer still refuses it, and the file stays as it was.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    test::writeFile(path, "<General_Parameter/>");
    for (const char* utf8 : {"a\x01"
                             "b",
                             "\xEF\xBF\xBE"}) {
        pugi::xml_document doc;
        doc.append_child("General_Parameter").append_child("SSID").text().set(utf8);
        EXPECT_THROW(xml::toBytes(doc), Error);
        try {
            xml::save(doc, path);
            FAIL() << "written";
        } catch (const FileError& e) {
            EXPECT_EQ(e.file(), path);
        }
        pugi::xml_document inAttribute;
        inAttribute.append_child("R").append_attribute("A").set_value(utf8);
        EXPECT_THROW(xml::toBytes(inAttribute), Error);
    }
    EXPECT_EQ(test::readFile(path), QByteArray("<General_Parameter/>"));
}

} // namespace
} // namespace zz
