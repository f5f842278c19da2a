#include "image/ImageConsistency.h"

#include "image/ImageLayout.h"

#include <algorithm>
#include <array>

namespace zz::image {

namespace {

constexpr std::uint32_t kSpeeds[] = {1200,   2400,   4800,   9600,    19200,   38400,   57600,   115200,
                                     230400, 460800, 921600, 1000000, 1500000, 3000000, 6000000, 12000000};
constexpr int kSwitchable[] = {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 23};

constexpr std::uint32_t kFixedRate = 250000;
constexpr std::uint16_t kUpdatePortWithParGen = 2007;
constexpr std::uint16_t kFixedPortWithParGen = 64223;
constexpr std::uint16_t kUpdatePortWithout = 10000;
constexpr std::uint32_t kDefinedOptionFlags = 0x0002 | 0x0004 | 0x0008 | 0x0010 | 0x0020;
constexpr std::uint32_t kDefinedSerialOptions = 0x01 | 0x10;

std::uint32_t definedFunctionBits() {
    std::uint32_t mask = 0;
    for (const int code : kSwitchable)
        mask |= std::uint32_t{1} << code;
    return mask;
}

QString hex(std::uint32_t value, int digits) {
    return QStringLiteral("0x%1").arg(value, digits, 16, QLatin1Char('0'));
}

QString dotted(const QByteArray& image, int at) {
    QStringList parts;
    for (int i = 0; i < 4; ++i)
        parts.append(QString::number(static_cast<unsigned char>(image[at + i])));
    return parts.join(QLatin1Char('.'));
}

// A header field that an image composed without ParGen.xml holds at its initial value.
struct InitialValue {
    const char* name;
    int offset;
    int size;
    std::uint32_t value;
};

constexpr InitialValue kInitialNumbers[] = {
    {"Serial_Baud_Rate", offset::Serial_Baud_Rate, 4, 9600},
    {"Serial_Data_Bits", offset::Serial_Data_Bits, 2, 8},
    {"Serial_Parity", offset::Serial_Parity, 2, 0},
    {"Serial_Stop_Bits", offset::Serial_Stop_Bits, 4, 0},
    {"Serial_Time_Out", offset::Serial_Time_Out, 4, 0},
    {"Serial_Delay_From_Last_Byte", offset::Serial_Delay_From_Last_Byte, 4, 0},
    {"TCP_Port", offset::TCP_Port, 2, 10001},
    {"Option_Flags", offset::Option_Flags, 2, 0},
    {"Serial_Options", offset::Serial_Options, 1, 0},
    {"Serial_Time_Between_Byte", offset::Serial_Time_Between_Byte, 4, 0},
};

struct InitialAddress {
    const char* name;
    int offset;
    const char* value;
};

constexpr InitialAddress kInitialAddresses[] = {
    {"IP_Address", offset::IP_Address, "192.168.2.205"},
    {"Subnet_Mask", offset::Subnet_Mask, "255.255.255.0"},
    {"Gateway", offset::Gateway, "255.255.255.255"},
};

struct CopyField {
    const char* copy;
    int copyOffset;
    const char* original;
    int originalOffset;
    int size;
};

constexpr CopyField kCopies[] = {
    {"TCP_Port_Copy", offset::TCP_Port_Copy, "TCP_Port", offset::TCP_Port, 2},
    {"Baud_Rate_Copy", offset::Baud_Rate_Copy, "Serial_Baud_Rate", offset::Serial_Baud_Rate, 4},
    {"Data_Bits_Copy", offset::Data_Bits_Copy, "Serial_Data_Bits", offset::Serial_Data_Bits, 2},
    {"Parity_Copy", offset::Parity_Copy, "Serial_Parity", offset::Serial_Parity, 2},
    {"Stop_Bits_Copy", offset::Stop_Bits_Copy, "Serial_Stop_Bits", offset::Serial_Stop_Bits, 4},
};

void checkReserved(const QByteArray& image, QStringList& out) {
    for (const ByteRange& range : reservedRanges()) {
        int set = 0;
        int first = -1;
        for (int at = range.offset; at < range.offset + range.size; ++at) {
            if (image[at] != 0) {
                ++set;
                if (first < 0)
                    first = at;
            }
        }
        if (set > 0)
            out.append(QStringLiteral("reserved bytes %1 to %2 are not zero (%3 set, the first at offset %4)")
                           .arg(range.offset)
                           .arg(range.offset + range.size - 1)
                           .arg(set)
                           .arg(first));
    }
}

void checkUndefinedBits(const char* name, std::uint32_t value, std::uint32_t defined, int digits,
                        QStringList& out) {
    const std::uint32_t undefined = value & ~defined;
    if (undefined != 0)
        out.append(QStringLiteral("%1 %2 sets the undefined bits %3")
                       .arg(QLatin1String(name), hex(value, digits), hex(undefined, digits)));
}

void checkSerialLine(const QByteArray& image, QStringList& out) {
    const std::uint32_t baud = readLittleEndian(image, offset::Serial_Baud_Rate, 4);
    if (std::find(std::begin(kSpeeds), std::end(kSpeeds), baud) == std::end(kSpeeds))
        out.append(QStringLiteral("Serial_Baud_Rate %1 is not a speed of the baud table").arg(baud));
    const std::uint32_t dataBits = readLittleEndian(image, offset::Serial_Data_Bits, 2);
    if (dataBits != 7 && dataBits != 8)
        out.append(QStringLiteral("Serial_Data_Bits %1 is neither 7 nor 8").arg(dataBits));
    const std::uint32_t parity = readLittleEndian(image, offset::Serial_Parity, 2);
    if (parity > 2)
        out.append(QStringLiteral("Serial_Parity %1 is not 0, 1 or 2").arg(parity));
    const std::uint32_t stopBits = readLittleEndian(image, offset::Serial_Stop_Bits, 4);
    if (stopBits == 1)
        out.append(QStringLiteral("Serial_Stop_Bits 1 is never composed (StopBit_RS485 1 gives 2)"));
    else if (stopBits != 0 && parity != 0 && dataBits == 8)
        out.append(
            QStringLiteral("Serial_Stop_Bits %1 with parity and 8 data bits is composed as 0").arg(stopBits));
}

// Without ParGen.xml every general parameter keeps its initial value.
void checkInitialValues(const QByteArray& image, QStringList& out) {
    for (const InitialValue& field : kInitialNumbers) {
        const std::uint32_t value = readLittleEndian(image, field.offset, field.size);
        if (value != field.value)
            out.append(QStringLiteral("%1 is %2, but an image composed without ParGen.xml holds %3")
                           .arg(QLatin1String(field.name))
                           .arg(value)
                           .arg(field.value));
    }
    for (const InitialAddress& field : kInitialAddresses) {
        const QString value = dotted(image, field.offset);
        if (value != QLatin1String(field.value))
            out.append(QStringLiteral("%1 is %2, but an image composed without ParGen.xml holds %3")
                           .arg(QLatin1String(field.name), value, QLatin1String(field.value)));
    }
}

void checkTable(const QByteArray& image, std::uint32_t rowCount, QStringList& out) {
    const int firstUnused = static_cast<int>(std::min<std::uint32_t>(rowCount, kMaxTableRows));
    int runStart = -1;
    const auto closeRun = [&](int end) {
        if (runStart < 0)
            return;
        out.append(runStart == end - 1
                       ? QStringLiteral("entry %1 lies beyond Table_Row_Count %2 but is not zero")
                             .arg(runStart)
                             .arg(rowCount)
                       : QStringLiteral("entries %1 to %2 lie beyond Table_Row_Count %3 but are not zero")
                             .arg(runStart)
                             .arg(end - 1)
                             .arg(rowCount));
        runStart = -1;
    };
    for (int i = firstUnused; i < kTableEntryCount; ++i) {
        const int at = kHeaderSize + i * kTableEntrySize;
        const bool zero = readLittleEndian(image, at, 4) == 0 && readLittleEndian(image, at + 4, 4) == 0;
        if (!zero && runStart < 0)
            runStart = i;
        if (zero)
            closeRun(i);
    }
    closeRun(kTableEntryCount);
}

} // namespace

std::span<const std::uint32_t> serialSpeeds() {
    return kSpeeds;
}

std::span<const int> switchableFunctionCodes() {
    return kSwitchable;
}

bool composedWithParGen(const QByteArray& image) {
    return readLittleEndian(image, offset::Update_Port, 2) == kUpdatePortWithParGen &&
           readLittleEndian(image, offset::Fixed_Port, 2) == kFixedPortWithParGen;
}

QStringList imageInconsistencies(const QByteArray& image) {
    QStringList out;
    if (image.size() != kImageSize) {
        out.append(
            QStringLiteral("the image is %1 bytes long instead of %2").arg(image.size()).arg(kImageSize));
        return out;
    }
    const std::uint32_t stored = readLittleEndian(image, offset::Header_Checksum, 4);
    const std::uint32_t sum = headerByteSum(reinterpret_cast<const unsigned char*>(image.constData()));
    if (stored != sum)
        out.append(
            QStringLiteral("Header_Checksum is %1, but the header bytes sum to %2").arg(stored).arg(sum));
    checkReserved(image, out);

    const std::uint32_t fixedRate = readLittleEndian(image, offset::Fixed_Rate, 4);
    if (fixedRate != kFixedRate)
        out.append(QStringLiteral("Fixed_Rate is %1 instead of %2").arg(fixedRate).arg(kFixedRate));

    const std::uint32_t updatePort = readLittleEndian(image, offset::Update_Port, 2);
    const std::uint32_t fixedPort = readLittleEndian(image, offset::Fixed_Port, 2);
    const bool withParGen = composedWithParGen(image);
    const bool withoutParGen = updatePort == kUpdatePortWithout && fixedPort == 0;
    if (!withParGen && !withoutParGen)
        out.append(QStringLiteral("Update_Port %1 with Fixed_Port %2: an image holds 2007 with 64223 when "
                                  "ParGen.xml was read, else 10000 with 0")
                       .arg(updatePort)
                       .arg(fixedPort));
    if (withoutParGen)
        checkInitialValues(image, out);
    else
        checkSerialLine(image, out);

    for (const CopyField& field : kCopies) {
        const std::uint32_t copy = readLittleEndian(image, field.copyOffset, field.size);
        const std::uint32_t original = readLittleEndian(image, field.originalOffset, field.size);
        if (copy != original)
            out.append(QStringLiteral("%1 is %2 but %3 is %4")
                           .arg(QLatin1String(field.copy))
                           .arg(copy)
                           .arg(QLatin1String(field.original))
                           .arg(original));
    }

    checkUndefinedBits("Option_Flags", readLittleEndian(image, offset::Option_Flags, 2), kDefinedOptionFlags,
                       4, out);
    checkUndefinedBits("Serial_Options", readLittleEndian(image, offset::Serial_Options, 1),
                       kDefinedSerialOptions, 2, out);

    const std::uint32_t rowCount = readLittleEndian(image, offset::Table_Row_Count, 4);
    if (rowCount > kMaxTableRows)
        out.append(QStringLiteral("Table_Row_Count %1 is above %2").arg(rowCount).arg(kMaxTableRows));
    const std::uint32_t tableAddress = readLittleEndian(image, offset::Table_Address, 4);
    if (tableAddress != kTableAddress)
        out.append(QStringLiteral("Table_Address is %1 instead of %2")
                       .arg(hex(tableAddress, 8), hex(kTableAddress, 8)));
    checkUndefinedBits("Disabled_Functions", readLittleEndian(image, offset::Disabled_Functions, 4),
                       definedFunctionBits(), 8, out);

    checkTable(image, rowCount, out);
    return out;
}

} // namespace zz::image
