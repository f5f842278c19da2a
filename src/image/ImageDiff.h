#pragma once

#include "image/ImageLayout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace zz::image {

struct HeaderDifference {
    HeaderField layout;
    std::uint32_t a = 0; // IPv4 fields: the four bytes, first byte in the high-order position
    std::uint32_t b = 0;
    QString aText; // in decode's notation
    QString bText;
    QStringList changedBits; // flag fields: "+" set in B or "-" cleared in B, then the bit's meaning
};

struct ReservedDifference {
    int offset = 0;
    std::uint8_t a = 0;
    std::uint8_t b = 0;
};

struct EntryDifference {
    int entry = 0;
    const char* field = "";
    std::uint32_t a = 0;
    std::uint32_t b = 0;
};

struct ImageDifferences {
    std::vector<HeaderDifference> header;     // named fields in offset order
    std::vector<ReservedDifference> reserved; // reserved bytes, by offset
    std::vector<EntryDifference> table;       // by entry, then field in entry order

    bool empty() const { return header.empty() && reserved.empty() && table.empty(); }
};

// What differs between two images of 18432 bytes each; throws Error for another length.
ImageDifferences compareImages(const QByteArray& a, const QByteArray& b);

// The differences as lines: "FIELD: a -> b", reserved ranges of consecutive differing bytes,
// then "entry I: FIELD a -> b, ...". Nothing for identical images.
QStringList differenceLines(const ImageDifferences& differences);

} // namespace zz::image
