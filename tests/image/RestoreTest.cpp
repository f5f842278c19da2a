#include "image/ImageConsistency.h"
#include "image/ImageLayout.h"
#include "image/ImageRestore.h"
#include "image/ImageTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace zz {
namespace {

void putLe(QByteArray& bytes, int offset, int size, std::uint32_t value) {
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void fixChecksum(QByteArray& bytes) {
    std::uint32_t sum = 0;
    for (int i = 0; i < 2044; ++i)
        sum += static_cast<unsigned char>(bytes[i]);
    putLe(bytes, 2044, 4, sum);
}

// Restores `image` into a fresh folder and composes that folder again.
QByteArray restoreAndCompose(const QByteArray& image, const test::ConfigFolder& target) {
    const image::RestoreAnalysis analysis = image::analyseForRestore(image);
    EXPECT_TRUE(analysis.configuration) << analysis.refusals.join('\n').toStdString();
    if (!analysis.configuration)
        return {};
    image::writeRestoredConfiguration(*analysis.configuration, target.path());
    return target.compose();
}

// Texts of a number as a hand-edited file may hold it: decimal, hexadecimal, signed, padded.
QByteArray awkward(QRandomGenerator& random, std::int64_t value) {
    switch (random.bounded(5)) {
    case 0:
        return QByteArray::number(value);
    case 1:
        return "0x" + QByteArray::number(static_cast<quint32>(value), 16).toUpper();
    case 2:
        return "$" + QByteArray::number(static_cast<quint32>(value), 16);
    case 3:
        return "  +" + QByteArray::number(value);
    default:
        return "x" + QByteArray::number(static_cast<quint32>(value), 16);
    }
}

std::int64_t anyValue(QRandomGenerator& random, int width) {
    switch (random.bounded(4)) {
    case 0:
        return random.bounded(3);
    case 1:
        return random.bounded(1 << width);
    case 2:
        return random.bounded(1 << width) +
               (std::int64_t{1} << width) * random.bounded(1, 4); // past the width
    default:
        return static_cast<std::int32_t>(random.generate());
    }
}

void generateConfiguration(QRandomGenerator& random, const test::ConfigFolder& folder, bool& restorable) {
    restorable = true;
    if (random.bounded(5) != 0) {
        QByteArray children;
        const auto key = [&](const char* name, const QByteArray& value) {
            if (random.bounded(10) != 0)
                children += QByteArray("<") + name + ">" + value + "</" + name + ">";
        };
        for (const char* name : {"TCP_IP1", "TCP_IP2", "TCP_IP3", "TCP_IP4", "TCP_SUB1", "TCP_SUB2",
                                 "TCP_SUB3", "TCP_SUB4", "TCP_GAT1", "TCP_GAT2", "TCP_GAT3", "TCP_GAT4"})
            key(name, awkward(random, anyValue(random, 8)));
        key("TCP_PORT", awkward(random, anyValue(random, 16)));
        for (const char* name : {"MODE", "EN_Gateway", "UDP_Port", "Enable_AA55", "Cancel_AA55",
                                 "NoFrame_RTU_Timeout", "SEL_SER", "Modbus_Filter"})
            key(name, random.bounded(3) == 0 ? QByteArray("yes") : QByteArray::number(random.bounded(3)));
        key("BAUD", awkward(random, random.bounded(2) ? random.bounded(18) : anyValue(random, 8)));
        key("PARITY", awkward(random, random.bounded(5)));
        key("DATABITS", awkward(random, random.bounded(2) ? random.bounded(3) : anyValue(random, 8)));
        key("StopBit_RS485", QByteArray::number(random.bounded(-1, 2)));
        key("TIME_OUT", awkward(random, anyValue(random, 16)));
        key("Time_Between_Byte", awkward(random, anyValue(random, 16)));
        key("Delay_From_Last_Byte", awkward(random, random.bounded(100000)));
        key("Enable_Delay_From_Last_Byte", QByteArray::number(random.bounded(2)));
        folder.writeParGen(children);
    }
    if (random.bounded(3) != 0) {
        QByteArray rows;
        for (const int code : {1, 2, 3, 4, 5, 6, 7, 8, 15, 16, 17, 23, 31})
            if (random.bounded(3) == 0)
                rows += "<row FunNum=\"" + awkward(random, code) + "\" Enabled=\"" +
                        (random.bounded(2) ? "N" : "Y") + "\" Mnemonic=\"\"/>";
        folder.writeEnableFunctions(rows);
    }
    if (random.bounded(4) != 0) {
        const int count = random.bounded(20) == 0 ? 2000 + random.bounded(3) : random.bounded(30);
        QByteArray rows;
        for (int i = 0; i < count; ++i) {
            // 259 keeps its low byte 3; 0 or 256 would give a code the dialog never writes.
            const int type = random.bounded(50) == 0 ? 0 : random.bounded(1, 5) + 256 * random.bounded(2);
            if (type % 256 == 0)
                restorable = false;
            rows += "<row DATA_TYPE=\"" + awkward(random, type) + "\" TCP_ADD_DEV=\"" +
                    awkward(random, anyValue(random, 8)) + "\" TCP_ADDRESS=\"" +
                    awkward(random, anyValue(random, 16)) + "\" RTU_ADD_DEV=\"" +
                    awkward(random, anyValue(random, 8)) + "\" RTU_ADDRESS=\"" +
                    awkward(random, anyValue(random, 16)) + "\" N_POINT=\"" +
                    awkward(random, anyValue(random, 8)) + "\" MNEMONIC=\"m\"/>";
        }
        folder.writeTranslateTable(rows);
    }
}

TEST(RestoreImage, GeneratedConfigurationsComposeBackToTheSameBytes) {
    QRandomGenerator random(14);
    int restored = 0;
    for (int n = 0; n < 300; ++n) {
        const test::ConfigFolder source;
        bool restorable = true;
        generateConfiguration(random, source, restorable);
        const QByteArray image = source.compose();
        ASSERT_EQ(image::imageInconsistencies(image), QStringList()) << "case " << n;
        const image::RestoreAnalysis analysis = image::analyseForRestore(image);
        // Hand-edited stop bits of -1 or a switched-off delay still restore; only a DATA_TYPE
        // code outside 1 to 4 cannot be written by the dialog.
        if (!restorable) {
            ASSERT_FALSE(analysis.configuration) << "case " << n;
            for (const QString& reason : analysis.refusals)
                EXPECT_TRUE(reason.contains(QStringLiteral("DATA_TYPE"))) << reason.toStdString();
            continue;
        }
        const test::ConfigFolder target;
        ASSERT_EQ(restoreAndCompose(image, target), image) << "case " << n;
        EXPECT_EQ(QFileInfo::exists(target.parGen()), QFileInfo::exists(source.parGen())) << "case " << n;
        ++restored;
    }
    EXPECT_GT(restored, 200);
}

TEST(RestoreImage, AnImageWithoutFilesGivesOnlyAnEmptyTable) {
    const test::ConfigFolder source;
    const test::ConfigFolder target;
    EXPECT_EQ(restoreAndCompose(source.compose(), target), source.compose());
    EXPECT_FALSE(QFileInfo::exists(target.parGen()));
    EXPECT_FALSE(QFileInfo::exists(target.enableFunctions()));
    EXPECT_EQ(test::readFile(target.translateTable()), QByteArray("<TCP_TO_RTU/><!--SW_VERSION = 1.002-->"));
}

TEST(RestoreImage, WritesTheFilesAsTheirDialogsDoAndNamesTheDefaults) {
    const test::ConfigFolder source;
    source.writeParGen("<EN_Gateway>0</EN_Gateway><PARITY>3</PARITY>");
    source.writeEnableFunctions(R"(<row FunNum="16" Enabled="N" Mnemonic="x"/>)");
    const image::RestoreAnalysis analysis = image::analyseForRestore(source.compose());
    ASSERT_TRUE(analysis.configuration);
    const test::ConfigFolder target;
    image::writeRestoredConfiguration(*analysis.configuration, target.path());
    const QByteArray parGen = test::readFile(target.parGen());
    EXPECT_TRUE(parGen.startsWith("<General_Parameter><MODE>0</MODE><TCP_IP1>192</TCP_IP1>"));
    EXPECT_TRUE(parGen.contains("<PARITY>3</PARITY>"));
    EXPECT_TRUE(parGen.endsWith("</General_Parameter><!--SW_VERSION = 1.002-->"));
    const QByteArray functions = test::readFile(target.enableFunctions());
    EXPECT_TRUE(functions.contains(R"(<row FunNum="16" Enabled="N" Mnemonic=""/>)"));
    EXPECT_EQ(functions.count("<row "), 11);
    const QStringList& defaults = analysis.configuration->defaultsTaken;
    for (const char* expected :
         {"SSID", "Password", "Protection_Type", "Fast_Boot", "TCP_GAT1", "EnableFunctions.xml: Mnemonic"})
        EXPECT_TRUE(defaults.join('\n').contains(QLatin1String(expected))) << expected;
}

TEST(RestoreImage, ReplacesStaleFilesSoTheFolderComposesTheImage) {
    const test::ConfigFolder source;
    const test::ConfigFolder target;
    target.writeParGen("<MODE>1</MODE>");
    target.writeEnableFunctions(R"(<row FunNum="3" Enabled="N" Mnemonic=""/>)");
    EXPECT_EQ(image::existingRestoredFiles(target.path()),
              (QStringList{QStringLiteral("ParGen.xml"), QStringLiteral("EnableFunctions.xml")}));
    EXPECT_EQ(restoreAndCompose(source.compose(), target), source.compose());
    EXPECT_FALSE(QFileInfo::exists(target.parGen()));
}

// Each change makes an image that no configuration composes; the reason names it.
TEST(RestoreImage, RefusesEveryImpossibleImageWithItsReason) {
    const test::ConfigFolder folder;
    folder.writeParGen("<PARITY>2</PARITY>");
    const QByteArray withParGen = folder.compose();
    const QByteArray withoutParGen = test::ConfigFolder().compose();
    struct Case {
        const char* what;
        bool parGen;
        int offset;
        int size;
        std::uint32_t value;
        bool keepChecksum;
        const char* reason;
    };
    const Case cases[] = {
        {"checksum", true, 2044, 4, 1, true, "Header_Checksum is 1"},
        {"reserved byte", true, 500, 1, 9, false, "reserved bytes 106 to 563"},
        {"reserved gap", false, 1000, 1, 1, false, "reserved bytes 668 to 1911"},
        {"copy field", true, 56, 2, 7, false, "TCP_Port_Copy is 7 but TCP_Port is 502"},
        {"baud copy", true, 60, 4, 9600, false, "Baud_Rate_Copy is 9600"},
        {"option bit", true, 58, 2, 0x0005, false, "Option_Flags 0x0005 sets the undefined bits 0x0001"},
        {"serial bit", true, 97, 1, 0x02, false, "Serial_Options 0x02 sets the undefined bits 0x02"},
        {"function bit", true, 660, 4, 1u << 8, false,
         "Disabled_Functions 0x00000100 sets the undefined bits"},
        {"speed", true, 12, 4, 9601, false, "Serial_Baud_Rate 9601 is not a speed of the baud table"},
        {"entry beyond count", true, 2048 + 8 * 3, 1, 1, false, "entry 3 lies beyond Table_Row_Count 0"},
        {"row count", true, 564, 4, 2001, false, "Table_Row_Count 2001 is above 2000"},
        {"fixed rate", true, 0, 4, 9600, false, "Fixed_Rate is 9600 instead of 250000"},
        {"table address", true, 568, 4, 0x68000, false, "Table_Address is 0x00068000 instead of 0x00068800"},
        {"data bits", true, 16, 2, 6, false, "Serial_Data_Bits 6 is neither 7 nor 8"},
        {"parity", true, 18, 2, 3, false, "Serial_Parity 3 is not 0, 1 or 2"},
        {"stop bit one", true, 20, 4, 1, false, "Serial_Stop_Bits 1 is never composed"},
        {"stop bits with parity", true, 20, 4, 2, false, "with parity and 8 data bits"},
        {"ports", true, 104, 2, 0, false, "Update_Port 2007 with Fixed_Port 0"},
        {"no ParGen, changed field", false, 32, 4, 5, false,
         "Serial_Time_Out is 5, but an image composed without ParGen.xml holds 0"},
        {"no ParGen, address", false, 40, 1, 10, false, "IP_Address is 10.168.2.205"},
    };
    for (const Case& c : cases) {
        QByteArray image = c.parGen ? withParGen : withoutParGen;
        putLe(image, c.offset, c.size, c.value);
        if (!c.keepChecksum)
            fixChecksum(image);
        const image::RestoreAnalysis analysis = image::analyseForRestore(image);
        EXPECT_FALSE(analysis.configuration) << c.what;
        EXPECT_TRUE(analysis.refusals.join('\n').contains(QLatin1String(c.reason)))
            << c.what << ": " << analysis.refusals.join('\n').toStdString();
        EXPECT_EQ(image::imageInconsistencies(image), analysis.refusals) << c.what;
    }
}

// Values that a hand-edited file gives but no dialog writes.
TEST(RestoreImage, RefusesValuesTheDialogsCannotWrite) {
    const test::ConfigFolder folder;
    folder.writeParGen("<StopBit_RS485>5</StopBit_RS485><Delay_From_Last_Byte>-3</Delay_From_Last_Byte>");
    folder.writeTranslateTable(R"(<row/><row DATA_TYPE="7" TCP_ADD_DEV="1" MNEMONIC=""/>)");
    const QByteArray image = folder.compose();
    EXPECT_EQ(image::imageInconsistencies(image), QStringList());
    const image::RestoreAnalysis analysis = image::analyseForRestore(image);
    EXPECT_FALSE(analysis.configuration);
    const QString reasons = analysis.refusals.join('\n');
    EXPECT_EQ(analysis.refusals.size(), 4) << reasons.toStdString();
    for (const char* reason : {"Serial_Stop_Bits 5", "Serial_Delay_From_Last_Byte -3", "entry 0: DATA_TYPE 0",
                               "entry 1: DATA_TYPE 7"})
        EXPECT_TRUE(reasons.contains(QLatin1String(reason))) << reason;
}

// Whatever restore accepts, it gives back: random changes of an image, checksum mended.
TEST(RestoreImage, AnyAcceptedImageComposesBack) {
    const test::ConfigFolder folder;
    folder.writeParGen("<MODE>1</MODE><EN_Gateway>1</EN_Gateway>");
    folder.writeTranslateTable(R"(<row DATA_TYPE="3" TCP_ADD_DEV="1" TCP_ADDRESS="1" RTU_ADD_DEV="1" )"
                               R"(RTU_ADDRESS="1" N_POINT="1" MNEMONIC=""/>)");
    const QByteArray base = folder.compose();
    ASSERT_TRUE(image::analyseForRestore(base).configuration)
        << image::analyseForRestore(base).refusals.join('\n').toStdString();
    QRandomGenerator random(41);
    int accepted = 0;
    for (int n = 0; n < 300; ++n) {
        QByteArray image = base;
        for (int k = 0; k < 3; ++k)
            image[random.bounded(2) ? random.bounded(32, 52) : random.bounded(2049, 2056)] =
                static_cast<char>(random.bounded(256));
        fixChecksum(image);
        if (!image::analyseForRestore(image).configuration)
            continue;
        ++accepted;
        const test::ConfigFolder target;
        ASSERT_EQ(restoreAndCompose(image, target), image) << "case " << n;
    }
    EXPECT_GT(accepted, 20);
}

} // namespace
} // namespace zz
