#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "common/Errors.h"
#include "image/ImageConsistency.h"
#include "image/ImageDecoder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zz::cli {

namespace {

const QString kUsage = QStringLiteral("usage: zevazerazu-cli decode BANK_FILE [--json]");

QString hex32(std::uint32_t value) {
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
}

QJsonObject entryAsJson(const image::DecodedEntry& e) {
    return QJsonObject{{QStringLiteral("index"), e.index},
                       {QStringLiteral("DATA_TYPE"), e.DATA_TYPE},
                       {QStringLiteral("TCP_ADD_DEV"), e.TCP_ADD_DEV},
                       {QStringLiteral("RTU_ADD_DEV"), e.RTU_ADD_DEV},
                       {QStringLiteral("N_POINT"), e.N_POINT},
                       {QStringLiteral("TCP_ADDRESS"), e.TCP_ADDRESS},
                       {QStringLiteral("RTU_ADDRESS"), e.RTU_ADDRESS}};
}

void printJson(const image::DecodedImage& image, const QStringList& inconsistencies) {
    QJsonObject header;
    QJsonObject meanings;
    for (const image::DecodedField& f : image.header) {
        const QString name = QString::fromLatin1(f.layout.name);
        if (f.layout.kind == image::FieldKind::IPv4)
            header.insert(name, f.text);
        else
            header.insert(name, static_cast<qint64>(f.value));
        if (f.layout.kind == image::FieldKind::BitFlags)
            meanings.insert(name, QJsonArray::fromStringList(f.meanings));
    }
    QJsonArray reserved;
    for (const image::NonZeroByte& b : image.reservedNonZero)
        reserved.append(
            QJsonObject{{QStringLiteral("offset"), b.offset}, {QStringLiteral("value"), b.value}});
    QJsonArray table;
    for (const image::DecodedEntry& e : image.table)
        table.append(entryAsJson(e));

    const QJsonObject root{
        {QStringLiteral("header"), header},
        {QStringLiteral("flags"), meanings},
        {QStringLiteral("checksum"),
         QJsonObject{{QStringLiteral("stored"), static_cast<qint64>(image.storedChecksum)},
                     {QStringLiteral("computed"), static_cast<qint64>(image.computedChecksum)},
                     {QStringLiteral("matches"), image.checksumMatches()}}},
        {QStringLiteral("reservedNonZero"), reserved},
        {QStringLiteral("table"), table},
        {QStringLiteral("inconsistencies"), QJsonArray::fromStringList(inconsistencies)},
    };
    printOut(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)).trimmed());
}

void printText(const image::DecodedImage& image, const QStringList& inconsistencies) {
    for (const image::DecodedField& f : image.header) {
        QString line = QStringLiteral("%1 = %2").arg(QString::fromLatin1(f.layout.name), f.text);
        if (f.layout.kind == image::FieldKind::BitFlags)
            line += f.meanings.isEmpty() ? QStringLiteral(" (no bit set)")
                                         : QStringLiteral(" (%1)").arg(f.meanings.join(QStringLiteral("; ")));
        printOut(line);
    }
    printOut(QStringLiteral("stored checksum: %1 (%2)")
                 .arg(image.storedChecksum)
                 .arg(hex32(image.storedChecksum)));
    printOut(QStringLiteral("recomputed checksum: %1 (%2)")
                 .arg(image.computedChecksum)
                 .arg(hex32(image.computedChecksum)));
    printOut(image.checksumMatches() ? QStringLiteral("checksum: OK") : QStringLiteral("checksum: MISMATCH"));
    if (image.reservedNonZero.empty())
        printOut(QStringLiteral("reserved ranges: all zero"));
    for (const image::NonZeroByte& b : image.reservedNonZero)
        printOut(QStringLiteral("reserved byte at offset %1 is not zero: 0x%2")
                     .arg(b.offset)
                     .arg(b.value, 2, 16, QLatin1Char('0')));
    printOut(QStringLiteral("table: %1 non-zero entries").arg(image.table.size()));
    for (const image::DecodedEntry& e : image.table)
        printOut(
            QStringLiteral("entry %1: DATA_TYPE=%2 TCP_ADD_DEV=%3 RTU_ADD_DEV=%4 N_POINT=%5 TCP_ADDRESS=%6 "
                           "RTU_ADDRESS=%7")
                .arg(e.index)
                .arg(e.DATA_TYPE)
                .arg(e.TCP_ADD_DEV)
                .arg(e.RTU_ADD_DEV)
                .arg(e.N_POINT)
                .arg(e.TCP_ADDRESS)
                .arg(e.RTU_ADDRESS));
    for (const QString& reason : inconsistencies)
        printOut(QStringLiteral("not an image this system writes: ") + reason);
}

} // namespace

int runDecode(const QStringList& args) {
    bool json = false;
    QString file;
    if (!parseFileAndJsonFlag(args, kUsage, &file, &json))
        return kExitError;

    image::DecodedImage image;
    QStringList inconsistencies;
    try {
        const QByteArray bytes = image::readBankFile(file);
        image = image::decodeImage(bytes);
        inconsistencies = image::imageInconsistencies(bytes);
    } catch (const Error& e) {
        printErr(e.message());
        return kExitError;
    }
    if (json)
        printJson(image, inconsistencies);
    else
        printText(image, inconsistencies);
    // Decoded, but not an image this system would write.
    return inconsistencies.isEmpty() ? kExitOk : kExitCheckFailed;
}

} // namespace zz::cli
