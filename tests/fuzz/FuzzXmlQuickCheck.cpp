// The quick well-formedness check: a document it settles is one the conforming reader accepts
// within the nesting bound, so taking the shortcut never lets a bad file through.
#include "FuzzSupport.h"
#include "common/XmlQuickCheck.h"

#include <QXmlStreamReader>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr int kDepth = 8; // small, so that inputs reach it
    const QByteArray bytes = zz::fuzz::asBytes(data, size);
    if (!zz::xml::isPlainWellFormedXml(bytes, kDepth))
        return 0;
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            zz::fuzz::require(++depth <= kDepth, "settled a document nested past the bound");
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    zz::fuzz::require(!reader.hasError(), "settled a document the conforming reader refuses");
    return 0;
}
