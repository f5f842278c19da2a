#include "common/Xml.h"

#include "common/Errors.h"
#include "common/FileIo.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <optional>

namespace zz::xml {

namespace {

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
    QStringDecoder decoder(*from);
    return QString(decoder(bytes)).toUtf8();
}

int lineOfOffset(const QByteArray& original, pugi::xml_encoding encoding, std::ptrdiff_t offset) {
    if (offset < 0)
        return 1;
    const QByteArray bytes = asParsed(original, encoding);
    const auto end = std::min<qsizetype>(offset, bytes.size());
    return static_cast<int>(std::count(bytes.constBegin(), bytes.constBegin() + end, '\n')) + 1;
}

QString fromUtf8(const char* s) {
    return QString::fromUtf8(s);
}

void appendText(pugi::xml_node node, QString& out) {
    for (pugi::xml_node child : node.children()) {
        switch (child.type()) {
        case pugi::node_pcdata:
        case pugi::node_cdata:
            out += fromUtf8(child.value());
            break;
        case pugi::node_element:
            appendText(child, out);
            break;
        default:
            break;
        }
    }
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
    const pugi::xml_parse_result result = doc.load_buffer(
        bytes.constData(), static_cast<size_t>(bytes.size()), kParseOptions, pugi::encoding_auto);
    if (!result) {
        doc.reset();
        throw XmlParseError(fileName, lineOfOffset(bytes, result.encoding, result.offset),
                            fromUtf8(result.description()));
    }
}

void load(pugi::xml_document& doc, const QString& path) {
    parse(doc, readWholeFile(path), path);
}

QByteArray toBytes(const pugi::xml_document& doc) {
    ByteWriter writer;
    doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return writer.bytes;
}

void save(const pugi::xml_document& doc, const QString& path) {
    writeFileAtomically(path, toBytes(doc));
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
    pugi::xml_node element = parent.append_child(name);
    if (!value.isEmpty())
        element.append_child(pugi::node_pcdata).set_value(value.toUtf8().constData());
    return element;
}

void appendAttribute(pugi::xml_node node, const char* name, const QString& value) {
    node.append_attribute(name).set_value(value.toUtf8().constData());
}

void appendComment(pugi::xml_node parent, const QString& value) {
    parent.append_child(pugi::node_comment).set_value(value.toUtf8().constData());
}

} // namespace zz::xml
