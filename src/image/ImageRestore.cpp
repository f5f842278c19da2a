#include "image/ImageRestore.h"

#include "common/Errors.h"
#include "image/ImageConsistency.h"
#include "image/ImageLayout.h"
#include "params/ParGenFile.h"
#include "tables/TranslateTableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace zz::image {

namespace {

QString number(std::uint32_t value) {
    return QString::number(value);
}

// Time values are read back as signed 32-bit whole numbers.
QString signedNumber(std::uint32_t value) {
    return QString::number(static_cast<std::int32_t>(value));
}

QString byteText(const QByteArray& image, int at) {
    return QString::number(static_cast<unsigned char>(image[at]));
}

// The values of a header composed from ParGen.xml, or the reasons the dialog cannot write them.
GeneralParameters parametersOf(const QByteArray& image, QStringList& refusals, QStringList& defaults) {
    GeneralParameters p;
    const auto read = [&image](int at, int size) {
        return readLittleEndian(image, at, size);
    };
    const std::uint32_t flags = read(offset::Option_Flags, 2);
    const std::uint32_t serialOptions = read(offset::Serial_Options, 1);

    p.operationMode = (flags & 0x0002) ? kNatMode : kRoutingMode;
    for (int i = 0; i < 4; ++i) {
        p.ipAddress[static_cast<size_t>(i)] = byteText(image, offset::IP_Address + i);
        p.subnetMask[static_cast<size_t>(i)] = byteText(image, offset::Subnet_Mask + i);
    }
    // 255.255.255.255 is how the image says that no gateway is in use; the address is then lost.
    if (read(offset::Gateway, 4) == 0xFFFFFFFFu) {
        p.gatewayEnabled = false;
        defaults.append(QStringLiteral("ParGen.xml: TCP_GAT1 to TCP_GAT4 = %1 (no gateway in use)")
                            .arg(QStringList(p.gateway.begin(), p.gateway.end()).join(QLatin1Char('.'))));
    } else {
        p.gatewayEnabled = true;
        for (int i = 0; i < 4; ++i)
            p.gateway[static_cast<size_t>(i)] = byteText(image, offset::Gateway + i);
    }
    p.port = number(read(offset::TCP_Port, 2));
    p.udpPort = (flags & 0x0008) != 0;
    p.specialCommand = (flags & 0x0010) != 0;
    p.cancelFirstTwoBytes = (flags & 0x0020) != 0;
    p.noTcpFrameOnTimeout = (flags & 0x0004) == 0;
    p.serialInterface = (serialOptions & 0x01) ? kSerialRs232 : kSerialRs485;
    p.modbusFilter = (serialOptions & 0x10) != 0;

    const std::span<const std::uint32_t> speeds = serialSpeeds();
    const auto speed = std::find(speeds.begin(), speeds.end(), read(offset::Serial_Baud_Rate, 4));
    p.baudRate = static_cast<int>(speed - speeds.begin());
    const std::uint32_t parity = read(offset::Serial_Parity, 2);
    p.parity = parity == 1 ? kParityOdd : parity == 2 ? kParityEven : kParityNone;
    p.dataBits = read(offset::Serial_Data_Bits, 2) == 7 ? kSevenDataBits : kEightDataBits;

    // The dialog writes a stop-bit position: 0 (one), 1 (two, composed as 2) or none (-1).
    const std::uint32_t stopBits = read(offset::Serial_Stop_Bits, 4);
    if (stopBits == 0)
        p.stopBits = kOneStopBit;
    else if (stopBits == 2)
        p.stopBits = kTwoStopBits;
    else if (stopBits == 0xFFFFFFFFu)
        p.stopBits = kNoSelection;
    else
        refusals.append(
            QStringLiteral("Serial_Stop_Bits %1 comes only from a hand-edited ParGen.xml; the Set "
                           "Communication dialog writes 0, 2 or no selection")
                .arg(stopBits));

    p.timeOut = signedNumber(read(offset::Serial_Time_Out, 4));
    p.timeBetweenBytes = signedNumber(read(offset::Serial_Time_Between_Byte, 4));
    // The dialog switches the idle time on exactly when it is above 0.
    const auto idle = static_cast<std::int32_t>(read(offset::Serial_Delay_From_Last_Byte, 4));
    if (idle < 0)
        refusals.append(
            QStringLiteral("Serial_Delay_From_Last_Byte %1 comes only from a hand-edited ParGen.xml; "
                           "the Set Communication dialog switches a negative idle time off")
                .arg(idle));
    p.idleTime = QString::number(std::max(idle, 0));

    defaults.append(QStringLiteral("ParGen.xml: Fast_Boot = 0"));
    defaults.append(QStringLiteral("ParGen.xml: SSID = %1").arg(p.ssid));
    defaults.append(QStringLiteral("ParGen.xml: Password = (empty)"));
    defaults.append(QStringLiteral("ParGen.xml: Protection_Type = %1").arg(p.protectionType));
    return p;
}

QVector<TranslateRow> rowsOf(const QByteArray& image, QStringList& refusals) {
    const std::uint32_t count =
        std::min<std::uint32_t>(readLittleEndian(image, offset::Table_Row_Count, 4), kMaxTableRows);
    QVector<TranslateRow> rows;
    rows.reserve(static_cast<qsizetype>(count));
    for (int i = 0; i < static_cast<int>(count); ++i) {
        const int at = kHeaderSize + i * kTableEntrySize;
        const std::uint32_t dataType = readLittleEndian(image, at + entry_offset::DATA_TYPE, 1);
        const QString typeText = dataTypeTextOfCode(static_cast<int>(dataType));
        if (typeText.isEmpty())
            refusals.append(
                QStringLiteral("entry %1: DATA_TYPE %2 comes only from a hand-edited var.xml; the "
                               "Translate Table dialog writes 1 to 4")
                    .arg(i)
                    .arg(dataType));
        TranslateRow row;
        row.cell(ColDataType) = typeText;
        row.cell(ColSlaveIdTcp) = number(readLittleEndian(image, at + entry_offset::TCP_ADD_DEV, 1));
        row.cell(ColAddressTcp) = number(readLittleEndian(image, at + entry_offset::TCP_ADDRESS, 2));
        row.cell(ColSlaveId) = number(readLittleEndian(image, at + entry_offset::RTU_ADD_DEV, 1));
        row.cell(ColAddress) = number(readLittleEndian(image, at + entry_offset::RTU_ADDRESS, 2));
        row.cell(ColNPoint) = number(readLittleEndian(image, at + entry_offset::N_POINT, 1));
        rows.append(row);
    }
    return rows;
}

std::optional<EnabledFunctionList> functionsOf(const QByteArray& image) {
    const std::uint32_t disabled = readLittleEndian(image, offset::Disabled_Functions, 4);
    if (disabled == 0)
        return std::nullopt;
    EnabledFunctionList list;
    for (int position = 0; position < kFunctionCount; ++position) {
        if (disabled & (std::uint32_t{1} << EnabledFunctionList::codeAt(position)))
            list.at(position).enabled = QStringLiteral("N");
    }
    return list;
}

void removeIfPresent(const QString& path) {
    if (QFileInfo(path).isSymLink() || QFileInfo::exists(path)) {
        if (!QFile::remove(path))
            throw FileError(path, QStringLiteral("cannot be removed"));
    }
}

} // namespace

RestoreAnalysis analyseForRestore(const QByteArray& image) {
    RestoreAnalysis analysis;
    analysis.refusals = imageInconsistencies(image);
    if (!analysis.refusals.isEmpty())
        return analysis;

    RestoredConfiguration configuration;
    QStringList refusals;
    if (composedWithParGen(image))
        configuration.parameters = parametersOf(image, refusals, configuration.defaultsTaken);
    configuration.functions = functionsOf(image);
    if (configuration.functions)
        configuration.defaultsTaken.append(
            QStringLiteral("EnableFunctions.xml: Mnemonic of every row = (empty)"));
    configuration.rows = rowsOf(image, refusals);
    if (!configuration.rows.isEmpty())
        configuration.defaultsTaken.append(QStringLiteral("var.xml: MNEMONIC of every row = (empty)"));

    analysis.refusals = refusals;
    if (refusals.isEmpty())
        analysis.configuration = std::move(configuration);
    return analysis;
}

QStringList restoredFileNames() {
    return {kParGenFileName, kEnabledFunctionsFileName, kTranslateTableFileName};
}

QStringList existingRestoredFiles(const QString& configDir) {
    QStringList existing;
    for (const QString& name : restoredFileNames()) {
        const QFileInfo info(QDir(configDir).filePath(name));
        if (info.exists() || info.isSymLink())
            existing.append(name);
    }
    return existing;
}

void writeRestoredConfiguration(const RestoredConfiguration& configuration, const QString& configDir) {
    if (!QDir().mkpath(configDir))
        throw FileError(configDir, QStringLiteral("the configuration folder cannot be created"));
    const QDir dir(configDir);
    const QString parGen = dir.filePath(kParGenFileName);
    const QString functions = dir.filePath(kEnabledFunctionsFileName);
    if (configuration.parameters)
        writeParGen(*configuration.parameters, parGen);
    else
        removeIfPresent(parGen);
    if (configuration.functions)
        writeEnabledFunctionsFile(*configuration.functions, functions);
    else
        removeIfPresent(functions);
    TranslateTable table;
    table.assign(configuration.rows);
    writeTranslateTableFile(table, dir.filePath(kTranslateTableFileName));
}

} // namespace zz::image
