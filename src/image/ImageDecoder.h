#pragma once

#include "image/ImageLayout.h"
#include "image/ImageRecords.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace zz::image {

struct DecodedField {
    HeaderField layout;
    std::uint32_t value = 0; // IPv4 fields: the four bytes, first byte in the high-order position
    QString text;            // decimal; dotted for IPv4; 0x-hexadecimal for bit flags and device addresses
    QStringList meanings;    // bit flags only: one entry per set bit
};

struct NonZeroByte {
    int offset = 0;
    std::uint8_t value = 0;
};

// A table entry as read back, with its index.
struct DecodedEntry : Image_Entry {
    int index = 0;
};

struct DecodedImage {
    std::vector<DecodedField> header;         // every named field in offset order
    std::vector<NonZeroByte> reservedNonZero; // bytes of reserved ranges that are not zero
    std::uint32_t storedChecksum = 0;
    std::uint32_t computedChecksum = 0;
    std::vector<DecodedEntry> table; // the entries that are not all zero, by index

    bool checksumMatches() const { return storedChecksum == computedChecksum; }
    const DecodedField* field(const char* name) const;
};

// Decodes the 18432 bytes of an image; throws Error when `bytes` has another length.
DecodedImage decodeImage(const QByteArray& bytes);

// Reads the 18432 bytes of a bank file; throws FileError naming it when it cannot be read or
// its length is not that of an image.
QByteArray readBankFile(const QString& path);

// Reads and decodes a bank file; throws FileError naming it when it cannot be read or its
// length is not that of an image.
DecodedImage decodeBankFile(const QString& path);

// What each set bit of a flag field means ("Option_Flags", "Serial_Options",
// "Disabled_Functions"); a bit the device does not define is named as such.
QStringList flagMeanings(const QString& fieldName, std::uint32_t value);

} // namespace zz::image
