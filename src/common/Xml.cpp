#include "common/Xml.h"

#include "common/Errors.h"
#include "common/FileIo.h"
#include "common/TextRules.h"
#include "common/XmlQuickCheck.h"

#include <QStringDecoder>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cstring>
#include <optional>

namespace zz::xml {

namespace {

constexpr int kMaxDepth = 256;
constexpr int kMaxEntityExpansion = 4096;

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_pi |
                                   pugi::parse_doctype | pugi::parse_comments | pugi::parse_ws_pcdata_single;

// The parser reports positions in its UTF-8 copy of the document, so a document in another
// encoding is converted the same way before its lines are counted.
QByteArray asParsed(const QByteArray& bytes, pugi::xml_encoding encoding) {
    std::optional<QStringConverter::Encoding> from;
    switch (encoding) {
    case pugi::encoding_utf16_le:
        from = QStringConverter::Utf16LE;
        break;
    case pugi::encoding_utf16_be:
        from = QStringConverter::Utf16BE;
        break;
    case pugi::encoding_utf32_le:
        from = QStringConverter::Utf32LE;
        break;
    case pugi::encoding_utf32_be:
        from = QStringConverter::Utf32BE;
        break;
    case pugi::encoding_latin1:
        from = QStringConverter::Latin1;
        break;
    default:
        return bytes;
    }
    // pugixml keeps a byte order mark in its copy, so it counts here too.
    QStringDecoder decoder(*from, QStringConverter::Flag::ConvertInitialBom);
    return QString(decoder(bytes)).toUtf8();
}

// Lines end at LF, CR LF or a lone CR, as XML counts them.
int lineOfOffset(const QByteArray& original, pugi::xml_encoding encoding, std::ptrdiff_t offset) {
    if (offset < 0)
        return 1;
    const QByteArray bytes = asParsed(original, encoding);
    const auto end = std::min<qsizetype>(offset, bytes.size());
    int line = 1;
    for (qsizetype i = 0; i < end; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

// pugixml knows UTF-8, UTF-16, UTF-32 and ISO-8859-1 only and takes any other 8-bit document
// for UTF-8, so a character such as an "é" of a windows-1252 file would be lost. Such a
// document is decoded here as the conforming reader decoded it; nothing when pugixml's own
// reading is right.
std::optional<QByteArray> asUtf8WhenDeclaredOtherwise(const QByteArray& bytes, const QString& declared) {
    if (declared.isEmpty() || QStringConverter::encodingForData(bytes.left(4), u'<'))
        return std::nullopt; // no declaration, or a byte order mark or UTF-16/32 pattern decides
    const QByteArray name = declared.toLatin1();
    if (QStringConverter::encodingForName(name.constData()) == QStringConverter::Utf8)
        return std::nullopt;
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid())
        return std::nullopt;
    return QString(decoder(bytes)).toUtf8();
}

// QString::fromUtf8 drops a leading U+FEFF as a byte-order mark; in a value it is text.
QString fromUtf8(const char* s) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(s));
}

// Visits the descendants of `node` in document order without recursion: the depth of a file
// is the writer's choice, the stack is not.
template <typename Visit> void forEachDescendant(pugi::xml_node node, Visit visit) {
    pugi::xml_node at = node.first_child();
    while (at) {
        visit(at);
        if (at.first_child()) {
            at = at.first_child();
            continue;
        }
        while (at != node && !at.next_sibling())
            at = at.parent();
        at = at == node ? pugi::xml_node() : at.next_sibling();
    }
}

// The character data of the subtree, in document order.
void appendText(pugi::xml_node node, QString& out) {
    forEachDescendant(node, [&out](pugi::xml_node at) {
        if (at.type() == pugi::node_pcdata || at.type() == pugi::node_cdata)
            out += fromUtf8(at.value());
    });
}

struct ConformingReading {
    QString declaredEncoding; // empty without a declaration
    bool hasInternalSubset = false;
};

// pugixml accepts some documents that XML 1.0 refuses (a stray "&", "<" in an attribute
// value, undefined entities, a late declaration...), so a conforming reader checks first.
// It also bounds the nesting and the expansion of internal entities.
ConformingReading checkWellFormed(const QByteArray& bytes, const QString& fileName) {
    QXmlStreamReader reader(bytes);
    reader.setEntityExpansionLimit(kMaxEntityExpansion);
    int depth = 0;
    ConformingReading reading;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartDocument)
            reading.declaredEncoding = reader.documentEncoding().toString();
        if (token == QXmlStreamReader::DTD)
            reading.hasInternalSubset = reader.text().contains(u'[');
        if (token == QXmlStreamReader::StartElement && ++depth > kMaxDepth)
            throw XmlParseError(fileName, static_cast<int>(reader.lineNumber()),
                                QStringLiteral("elements nested deeper than %1 levels").arg(kMaxDepth));
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    if (reader.hasError())
        throw XmlParseError(fileName, static_cast<int>(qMax<qint64>(1, reader.lineNumber())),
                            reader.errorString());
    return reading;
}

// pugixml keeps a reference to a declared entity as it stands ("&e;") and knows no default
// attribute values, where a conforming reader gives the values; a document with declarations
// of its own therefore reaches pugixml as the conforming reader reads it, in UTF-8. Names stay
// as written, prefixes included.
QByteArray asTheConformingReaderReadsIt(const QByteArray& bytes, const QString& fileName) {
    QXmlStreamReader reader(bytes);
    reader.setEntityExpansionLimit(kMaxEntityExpansion);
    reader.setNamespaceProcessing(false);
    QByteArray out;
    QXmlStreamWriter writer(&out);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        // A declaration is written only where the document had one.
        if (token == QXmlStreamReader::StartDocument && reader.documentVersion().isEmpty())
            continue;
        if (token == QXmlStreamReader::StartElement) {
            // By its qualified name: the writer would drop the prefix.
            writer.writeStartElement(reader.qualifiedName().toString());
            writer.writeAttributes(reader.attributes());
            continue;
        }
        writer.writeCurrentToken(reader);
    }
    // The check before has read the same bytes; should this reading still stop early, half a
    // document must not pass for the whole.
    if (reader.hasError())
        throw XmlParseError(fileName, static_cast<int>(qMax<qint64>(1, reader.lineNumber())),
                            reader.errorString());
    // The writer puts a CR raw, and pugixml would read it as LF.
    out.replace("\r", "&#13;");
    return out;
}

void refuseInValue(const QString& text) {
    const qsizetype at = firstCharacterXmlCannotCarry(text);
    if (at >= 0)
        throw Error(QStringLiteral("the text \"%1\" holds the character U+%2, which XML cannot carry")
                        .arg(text.left(at))
                        .arg(text.at(at).unicode(), 4, 16, QLatin1Char('0')));
}

void refuseWhatXmlCannotCarry(const pugi::xml_document& doc) {
    forEachDescendant(doc, [](pugi::xml_node at) {
        refuseInValue(fromUtf8(at.value()));
        for (const pugi::xml_attribute attr : at.attributes())
            refuseInValue(fromUtf8(attr.value()));
    });
}

struct ByteWriter : pugi::xml_writer {
    QByteArray bytes;
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

} // namespace

void parse(pugi::xml_document& doc, const QByteArray& bytes, const QString& fileName) {
    doc.reset();
    // The quick check settles the usual files (UTF-8, so no declared encoding to honour);
    // every other document meets the conforming reader.
    const ConformingReading reading =
        isPlainWellFormedXml(bytes, kMaxDepth) ? ConformingReading{} : checkWellFormed(bytes, fileName);
    const std::optional<QByteArray> utf8 = reading.hasInternalSubset
                                               ? asTheConformingReaderReadsIt(bytes, fileName)
                                               : asUtf8WhenDeclaredOtherwise(bytes, reading.declaredEncoding);
    const QByteArray& input = utf8 ? *utf8 : bytes;
    const pugi::xml_parse_result result =
        doc.load_buffer(input.constData(), static_cast<size_t>(input.size()), kParseOptions,
                        utf8 ? pugi::encoding_utf8 : pugi::encoding_auto);
    if (!result) {
        doc.reset();
        throw XmlParseError(fileName, lineOfOffset(input, result.encoding, result.offset),
                            fromUtf8(result.description()));
    }
}

void load(pugi::xml_document& doc, const QString& path) {
    parse(doc, readWholeFile(path), path);
}

QByteArray toBytes(const pugi::xml_document& doc) {
    refuseWhatXmlCannotCarry(doc);
    ByteWriter writer;
    doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    // pugixml writes a CR raw, and a reader turns a raw CR into LF.
    writer.bytes.replace("\r", "&#13;");
    return writer.bytes;
}

void save(const pugi::xml_document& doc, const QString& path) {
    QByteArray bytes;
    try {
        bytes = toBytes(doc);
    } catch (const FileError&) {
        throw;
    } catch (const Error& e) {
        throw FileError(path, QStringLiteral("cannot be written: %1").arg(e.message()));
    }
    writeFileAtomically(path, bytes);
}

pugi::xml_node firstTopLevelNode(const pugi::xml_document& doc) {
    return doc.first_child();
}

pugi::xml_node topLevelElement(const pugi::xml_document& doc, const char* name) {
    return childElement(doc, name);
}

pugi::xml_node childElement(pugi::xml_node parent, const char* name) {
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && std::strcmp(child.name(), name) == 0)
            return child;
    }
    return {};
}

QString text(pugi::xml_node node) {
    QString out;
    appendText(node, out);
    return out;
}

std::optional<QString> childText(pugi::xml_node parent, const char* name) {
    const pugi::xml_node child = childElement(parent, name);
    if (!child)
        return std::nullopt;
    return text(child);
}

std::optional<QString> attribute(pugi::xml_node node, const char* name) {
    if (node.type() != pugi::node_element)
        return std::nullopt;
    const pugi::xml_attribute attr = node.attribute(name);
    if (!attr)
        return std::nullopt;
    return fromUtf8(attr.value());
}

pugi::xml_node appendTextElement(pugi::xml_node parent, const char* name, const QString& value) {
    refuseInValue(value);
    pugi::xml_node element = parent.append_child(name);
    if (!value.isEmpty())
        element.append_child(pugi::node_pcdata).set_value(value.toUtf8().constData());
    return element;
}

void appendAttribute(pugi::xml_node node, const char* name, const QString& value) {
    refuseInValue(value);
    node.append_attribute(name).set_value(value.toUtf8().constData());
}

void appendComment(pugi::xml_node parent, const QString& value) {
    refuseInValue(value);
    parent.append_child(pugi::node_comment).set_value(value.toUtf8().constData());
}

} // namespace zz::xml
