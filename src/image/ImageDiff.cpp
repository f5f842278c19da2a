#include "image/ImageDiff.h"

#include "common/Errors.h"
#include "image/ImageDecoder.h"

namespace zz::image {

namespace {

struct EntryField {
    const char* name;
    int offset;
    int size;
};

constexpr EntryField kEntryFields[] = {
    {"DATA_TYPE", entry_offset::DATA_TYPE, 1},     {"TCP_ADD_DEV", entry_offset::TCP_ADD_DEV, 1},
    {"RTU_ADD_DEV", entry_offset::RTU_ADD_DEV, 1}, {"N_POINT", entry_offset::N_POINT, 1},
    {"TCP_ADDRESS", entry_offset::TCP_ADDRESS, 2}, {"RTU_ADDRESS", entry_offset::RTU_ADDRESS, 2},
};

QStringList changedBits(const DecodedField& a, const DecodedField& b) {
    QStringList out;
    const std::uint32_t changed = a.value ^ b.value;
    for (int bit = 0; bit < 32; ++bit) {
        const std::uint32_t mask = std::uint32_t{1} << bit;
        if (!(changed & mask))
            continue;
        const QStringList meaning = flagMeanings(QString::fromLatin1(a.layout.name), mask);
        out.append(((b.value & mask) ? QStringLiteral("+") : QStringLiteral("-")) + meaning.value(0));
    }
    return out;
}

QString byteList(const std::vector<ReservedDifference>& run, bool fromB) {
    QStringList bytes;
    for (const ReservedDifference& d : run)
        bytes.append(QStringLiteral("0x%1").arg(fromB ? d.b : d.a, 2, 16, QLatin1Char('0')));
    return bytes.join(QLatin1Char(' '));
}

} // namespace

ImageDifferences compareImages(const QByteArray& a, const QByteArray& b) {
    const DecodedImage decodedA = decodeImage(a);
    const DecodedImage decodedB = decodeImage(b);
    ImageDifferences out;
    for (std::size_t i = 0; i < decodedA.header.size(); ++i) {
        const DecodedField& fa = decodedA.header[i];
        const DecodedField& fb = decodedB.header[i];
        if (fa.value == fb.value)
            continue;
        HeaderDifference d{fa.layout, fa.value, fb.value, fa.text, fb.text, {}};
        if (fa.layout.kind == FieldKind::BitFlags)
            d.changedBits = changedBits(fa, fb);
        out.header.push_back(d);
    }
    for (const ByteRange& range : reservedRanges()) {
        for (int at = range.offset; at < range.offset + range.size; ++at) {
            if (a[at] != b[at])
                out.reserved.push_back(
                    {at, static_cast<std::uint8_t>(a[at]), static_cast<std::uint8_t>(b[at])});
        }
    }
    for (int i = 0; i < kTableEntryCount; ++i) {
        const int at = kHeaderSize + i * kTableEntrySize;
        for (const EntryField& field : kEntryFields) {
            const std::uint32_t va = readLittleEndian(a, at + field.offset, field.size);
            const std::uint32_t vb = readLittleEndian(b, at + field.offset, field.size);
            if (va != vb)
                out.table.push_back({i, field.name, va, vb});
        }
    }
    return out;
}

QStringList differenceLines(const ImageDifferences& differences) {
    QStringList lines;
    for (const HeaderDifference& d : differences.header) {
        QString line = QStringLiteral("%1: %2 -> %3").arg(QLatin1String(d.layout.name), d.aText, d.bText);
        if (!d.changedBits.isEmpty())
            line += QStringLiteral(" (%1)").arg(d.changedBits.join(QStringLiteral("; ")));
        lines.append(line);
    }
    // Consecutive differing bytes are named together by their offset range.
    std::vector<ReservedDifference> run;
    const auto flush = [&]() {
        if (run.empty())
            return;
        const int first = run.front().offset;
        const int last = run.back().offset;
        lines.append(
            QStringLiteral("reserved %1: %2 -> %3")
                .arg(first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last),
                     byteList(run, false), byteList(run, true)));
        run.clear();
    };
    for (const ReservedDifference& d : differences.reserved) {
        if (!run.empty() && run.back().offset + 1 != d.offset)
            flush();
        run.push_back(d);
    }
    flush();

    for (std::size_t i = 0; i < differences.table.size();) {
        const int entry = differences.table[i].entry;
        QStringList changes;
        for (; i < differences.table.size() && differences.table[i].entry == entry; ++i) {
            const EntryDifference& d = differences.table[i];
            changes.append(QStringLiteral("%1 %2 -> %3").arg(QLatin1String(d.field)).arg(d.a).arg(d.b));
        }
        lines.append(QStringLiteral("entry %1: %2").arg(entry).arg(changes.join(QStringLiteral(", "))));
    }
    return lines;
}

} // namespace zz::image
