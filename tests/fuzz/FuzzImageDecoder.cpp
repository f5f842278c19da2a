// The bank-file decoder: bytes of any other length than an image's are refused, an image's
// bytes always decode, and every flag field's meanings can be named; never a crash.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "image/ImageDecoder.h"
#include "image/ImageLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zz;
    const QByteArray bytes = fuzz::asBytes(data, size);
    if (bytes.size() != image::kImageSize) {
        try {
            image::decodeImage(bytes);
            fuzz::propertyFailed("bytes of another length were decoded");
        } catch (const Error&) {
        }
    }
    // Most inputs are short: the same bytes made an image's length reach the decoding itself.
    const QByteArray image = bytes.leftJustified(image::kImageSize, '\0', true);
    const image::DecodedImage decoded = image::decodeImage(image);
    for (const image::DecodedField& field : decoded.header) {
        if (!field.meanings.isEmpty())
            image::flagMeanings(QString::fromLatin1(field.layout.name), field.value);
    }
    return 0;
}
