#include "image/ImageDecoder.h"

#include "common/Errors.h"
#include "common/FileIo.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace zz::image {

namespace {

struct BitMeaning {
    std::uint32_t bit;
    const char* meaning;
};

constexpr BitMeaning kOptionFlagBits[] = {
    {0x0002, "NAT mode (MODE)"},
    {0x0004, "TCP frame on RTU time-out (NoFrame_RTU_Timeout off)"},
    {0x0008, "UDP port enabled (UDP_Port)"},
    {0x0010, "special command enabled (Enable_AA55)"},
    {0x0020, "first two bytes cancelled (Cancel_AA55)"},
};

constexpr BitMeaning kSerialOptionBits[] = {
    {0x01, "RS232 serial interface (SEL_SER)"},
    {0x10, "Modbus filter (Modbus_Filter)"},
};

constexpr int kSwitchableFunctions[] = {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 23};

QStringList namedBits(std::span<const BitMeaning> known, std::uint32_t value, int width) {
    QStringList out;
    for (int bit = 0; bit < 32; ++bit) {
        const std::uint32_t mask = std::uint32_t{1} << bit;
        if (!(value & mask))
            continue;
        QString meaning = QStringLiteral("0x%1 undefined").arg(mask, width, 16, QLatin1Char('0'));
        for (const BitMeaning& b : known) {
            if (b.bit == mask)
                meaning = QStringLiteral("0x%1 %2")
                              .arg(mask, width, 16, QLatin1Char('0'))
                              .arg(QLatin1String(b.meaning));
        }
        out.append(meaning);
    }
    return out;
}

QStringList disabledFunctionBits(std::uint32_t value) {
    QStringList out;
    for (int bit = 0; bit < 32; ++bit) {
        if (!(value & (std::uint32_t{1} << bit)))
            continue;
        const bool known = std::find(std::begin(kSwitchableFunctions), std::end(kSwitchableFunctions), bit) !=
                           std::end(kSwitchableFunctions);
        out.append(
            known ? QStringLiteral("function %1 disabled").arg(bit)
                  : QStringLiteral("bit %1 undefined (not a function code the device can disable)").arg(bit));
    }
    return out;
}

DecodedField decodeField(const QByteArray& bytes, const HeaderField& layout) {
    DecodedField field{layout, 0, {}, {}};
    if (layout.kind == FieldKind::IPv4) {
        QStringList parts;
        for (int i = 0; i < 4; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[layout.offset + i]);
            field.value = (field.value << 8) | byte;
            parts.append(QString::number(byte));
        }
        field.text = parts.join(QLatin1Char('.'));
        return field;
    }
    field.value = readLittleEndian(bytes, layout.offset, layout.size);
    if (layout.kind == FieldKind::BitFlags) {
        field.text = QStringLiteral("0x%1").arg(field.value, layout.size * 2, 16, QLatin1Char('0'));
        field.meanings = flagMeanings(QString::fromLatin1(layout.name), field.value);
    } else if (layout.kind == FieldKind::DeviceAddress) {
        field.text = QStringLiteral("0x%1").arg(field.value, layout.size * 2, 16, QLatin1Char('0'));
    } else {
        field.text = QString::number(field.value);
    }
    return field;
}

} // namespace

const DecodedField* DecodedImage::field(const char* name) const {
    for (const DecodedField& f : header) {
        if (std::strcmp(f.layout.name, name) == 0)
            return &f;
    }
    return nullptr;
}

QStringList flagMeanings(const QString& fieldName, std::uint32_t value) {
    if (fieldName == QLatin1String("Option_Flags"))
        return namedBits(kOptionFlagBits, value, 4);
    if (fieldName == QLatin1String("Serial_Options"))
        return namedBits(kSerialOptionBits, value, 2);
    if (fieldName == QLatin1String("Disabled_Functions"))
        return disabledFunctionBits(value);
    return {};
}

DecodedImage decodeImage(const QByteArray& bytes) {
    if (bytes.size() != kImageSize)
        throw Error(
            QStringLiteral("%1 bytes long; an image is exactly %2 bytes").arg(bytes.size()).arg(kImageSize));

    DecodedImage image;
    for (const HeaderField& layout : headerFields())
        image.header.push_back(decodeField(bytes, layout));

    for (const ByteRange& range : reservedRanges()) {
        for (int at = range.offset; at < range.offset + range.size; ++at) {
            const auto byte = static_cast<std::uint8_t>(bytes[at]);
            if (byte != 0)
                image.reservedNonZero.push_back({at, byte});
        }
    }

    image.storedChecksum = readLittleEndian(bytes, offset::Header_Checksum, 4);
    image.computedChecksum = headerByteSum(reinterpret_cast<const unsigned char*>(bytes.constData()));

    for (int i = 0; i < kTableEntryCount; ++i) {
        const int at = kHeaderSize + i * kTableEntrySize;
        DecodedEntry entry;
        entry.index = i;
        entry.DATA_TYPE = static_cast<std::uint8_t>(readLittleEndian(bytes, at + entry_offset::DATA_TYPE, 1));
        entry.TCP_ADD_DEV =
            static_cast<std::uint8_t>(readLittleEndian(bytes, at + entry_offset::TCP_ADD_DEV, 1));
        entry.RTU_ADD_DEV =
            static_cast<std::uint8_t>(readLittleEndian(bytes, at + entry_offset::RTU_ADD_DEV, 1));
        entry.N_POINT = static_cast<std::uint8_t>(readLittleEndian(bytes, at + entry_offset::N_POINT, 1));
        entry.TCP_ADDRESS =
            static_cast<std::uint16_t>(readLittleEndian(bytes, at + entry_offset::TCP_ADDRESS, 2));
        entry.RTU_ADDRESS =
            static_cast<std::uint16_t>(readLittleEndian(bytes, at + entry_offset::RTU_ADDRESS, 2));
        if (readLittleEndian(bytes, at, 4) != 0 || readLittleEndian(bytes, at + 4, 4) != 0)
            image.table.push_back(entry);
    }
    return image;
}

QByteArray readBankFile(const QString& path) {
    // The length is checked before reading, so a huge file or a device never fills the memory.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw FileError(path, QStringLiteral("not a bank file: it is not a regular file"));
    if (info.isFile() && info.size() != kImageSize)
        throw FileError(
            path, QStringLiteral("not a bank file: it is %1 bytes long, and a bank file is exactly %2 bytes")
                      .arg(info.size())
                      .arg(kImageSize));
    const QByteArray bytes = readWholeFile(path);
    if (bytes.size() != kImageSize)
        throw FileError(
            path, QStringLiteral("not a bank file: it is %1 bytes long, and a bank file is exactly %2 bytes")
                      .arg(bytes.size())
                      .arg(kImageSize));
    return bytes;
}

DecodedImage decodeBankFile(const QString& path) {
    return decodeImage(readBankFile(path));
}

} // namespace zz::image
