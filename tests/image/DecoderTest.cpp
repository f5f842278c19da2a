#include "common/Errors.h"
#include "image/ImageDecoder.h"
#include "image/ImageTestSupport.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

TEST(DecodeImage, NamesEveryHeaderFieldInOffsetOrder) {
    const image::DecodedImage decoded = image::decodeImage(test::ConfigFolder().compose());
    QStringList names;
    for (const image::DecodedField& f : decoded.header)
        names.append(QString::fromLatin1(f.layout.name));
    const QStringList expected = {"Fixed_Rate",
                                  "Serial_Baud_Rate",
                                  "Serial_Data_Bits",
                                  "Serial_Parity",
                                  "Serial_Stop_Bits",
                                  "Serial_Time_Out",
                                  "Serial_Delay_From_Last_Byte",
                                  "IP_Address",
                                  "Subnet_Mask",
                                  "Gateway",
                                  "Update_Port",
                                  "TCP_Port",
                                  "TCP_Port_Copy",
                                  "Option_Flags",
                                  "Baud_Rate_Copy",
                                  "Data_Bits_Copy",
                                  "Parity_Copy",
                                  "Stop_Bits_Copy",
                                  "Serial_Options",
                                  "Fixed_Port",
                                  "Table_Row_Count",
                                  "Table_Address",
                                  "Disabled_Functions",
                                  "Serial_Time_Between_Byte",
                                  "Header_Checksum"};
    EXPECT_EQ(names, expected);
}

// Named fields and reserved ranges cover the header exactly once.
TEST(DecodeImage, FieldsAndReservedRangesTileTheHeader) {
    std::vector<int> cover(2048, 0);
    for (const image::HeaderField& f : image::headerFields())
        for (int i = f.offset; i < f.offset + f.size; ++i)
            ++cover[static_cast<std::size_t>(i)];
    for (const image::ByteRange& r : image::reservedRanges())
        for (int i = r.offset; i < r.offset + r.size; ++i)
            ++cover[static_cast<std::size_t>(i)];
    for (int i = 0; i < 2048; ++i)
        EXPECT_EQ(cover[static_cast<std::size_t>(i)], 1) << "offset " << i;
}

TEST(DecodeImage, ReadsTheImageWithoutFiles) {
    const image::DecodedImage decoded = image::decodeImage(test::ConfigFolder().compose());
    EXPECT_EQ(decoded.field("Fixed_Rate")->value, 250000u);
    EXPECT_EQ(decoded.field("IP_Address")->text, QStringLiteral("192.168.2.205"));
    EXPECT_EQ(decoded.field("Gateway")->text, QStringLiteral("255.255.255.255"));
    EXPECT_EQ(decoded.field("Table_Address")->value, 0x68800u);
    EXPECT_EQ(decoded.field("Option_Flags")->text, QStringLiteral("0x0000"));
    EXPECT_EQ(decoded.field("Header_Checksum")->value, 3362u);
    EXPECT_EQ(decoded.storedChecksum, 3362u);
    EXPECT_EQ(decoded.computedChecksum, 3362u);
    EXPECT_TRUE(decoded.checksumMatches());
    EXPECT_TRUE(decoded.reservedNonZero.empty());
    EXPECT_TRUE(decoded.table.empty());
}

TEST(DecodeImage, ReportsReservedBytesChecksumAndEntriesOfAHandMadeImage) {
    QByteArray bytes(18432, '\0');
    bytes[100] = 7;                 // reserved 98..103
    bytes[2000] = 1;                // reserved tail
    bytes[58] = 0x0E;               // Option_Flags
    bytes[2048 + 5 * 8 + 7] = 0x01; // entry 5, RTU_ADDRESS high byte
    bytes[2048 + 2047 * 8] = 4;     // entry 2047, DATA_TYPE
    const image::DecodedImage decoded = image::decodeImage(bytes);

    ASSERT_EQ(decoded.reservedNonZero.size(), 2u);
    EXPECT_EQ(decoded.reservedNonZero[0].offset, 100);
    EXPECT_EQ(decoded.reservedNonZero[0].value, 7);
    EXPECT_EQ(decoded.reservedNonZero[1].offset, 2000);
    EXPECT_EQ(decoded.computedChecksum, 7u + 1u + 14u);
    EXPECT_EQ(decoded.storedChecksum, 0u);
    EXPECT_FALSE(decoded.checksumMatches());

    ASSERT_EQ(decoded.table.size(), 2u);
    EXPECT_EQ(decoded.table[0].index, 5);
    EXPECT_EQ(decoded.table[0].RTU_ADDRESS, 0x0100);
    EXPECT_EQ(decoded.table[1].index, 2047);
    EXPECT_EQ(decoded.table[1].DATA_TYPE, 4);
    EXPECT_EQ(decoded.field("Option_Flags")->meanings.size(), 3);
}

struct FlagCase {
    const char* field;
    std::uint32_t value;
    QStringList startsOfMeanings;
};

TEST(DecodeImage, NamesEverySetBit) {
    const FlagCase cases[] = {
        {"Option_Flags", 0x000E, {"0x0002 NAT mode", "0x0004 TCP frame", "0x0008 UDP port"}},
        {"Option_Flags", 0x0031, {"0x0001 undefined", "0x0010 special command", "0x0020 first two bytes"}},
        {"Serial_Options", 0x13, {"0x01 RS232", "0x02 undefined", "0x10 Modbus filter"}},
        {"Disabled_Functions", 65544, {"function 3 disabled", "function 16 disabled"}},
        {"Disabled_Functions", 0x101, {"bit 0 undefined", "bit 8 undefined"}},
        {"Option_Flags", 0, {}},
    };
    for (const FlagCase& c : cases) {
        const QStringList meanings = image::flagMeanings(QString::fromLatin1(c.field), c.value);
        ASSERT_EQ(meanings.size(), c.startsOfMeanings.size()) << c.field << " " << c.value;
        for (qsizetype i = 0; i < meanings.size(); ++i)
            EXPECT_TRUE(meanings[i].startsWith(c.startsOfMeanings[i])) << meanings[i].toStdString();
    }
}

TEST(DecodeImage, RefusesAnotherLength) {
    EXPECT_THROW(image::decodeImage(QByteArray(18431, '\0')), Error);
    EXPECT_THROW(image::decodeImage(QByteArray(18433, '\0')), Error);

    const test::ConfigFolder folder;
    const QString path = folder.path(QStringLiteral("short.bin"));
    test::writeFile(path, QByteArray(2048, '\0'));
    try {
        image::decodeBankFile(path);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.file(), path);
        EXPECT_TRUE(e.message().contains(QStringLiteral("18432"))) << e.message().toStdString();
    }
}

} // namespace
} // namespace zz
