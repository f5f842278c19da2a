// The composer over a configuration folder: the input is split at each kFileSeparator into
// ParGen.xml, EnableFunctions.xml and var.xml (a part that is not there is a missing file).
// Composing throws nothing but the documented errors, and an image it gives is whole and
// decodes with a matching checksum.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "image/ImageComposer.h"
#include "image/ImageDecoder.h"
#include "image/ImageLayout.h"

#include <QByteArrayView>

namespace {
constexpr QByteArrayView kFileSeparator = "\n==>\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zz;
    const QByteArray input = fuzz::asBytes(data, size);
    const QString names[] = {QStringLiteral("ParGen.xml"), QStringLiteral("EnableFunctions.xml"),
                             QStringLiteral("var.xml")};
    QString paths[3];
    qsizetype from = 0;
    for (int i = 0; i < 3; ++i) {
        if (from < 0) {
            paths[i] = fuzz::freshPath(names[i]);
            continue;
        }
        const qsizetype end = i < 2 ? input.indexOf(kFileSeparator, from) : -1;
        paths[i] = fuzz::writeInputFile(names[i], input.mid(from, end < 0 ? -1 : end - from));
        from = end < 0 ? -1 : end + kFileSeparator.size();
    }
    QByteArray bytes;
    try {
        bytes = image::Compose_Image({paths[0], paths[1], paths[2]});
    } catch (const FileError&) {
        return 0; // FileError and XmlParseError name the file; anything else is a fault
    }
    fuzz::require(bytes.size() == image::kImageSize, "the image has the wrong length");
    fuzz::require(image::decodeImage(bytes).checksumMatches(), "the image's checksum does not match");
    return 0;
}
