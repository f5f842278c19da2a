#include "app/UComon.h"
#include "app/Workspace.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "common/Errors.h"
#include "image/ImageComposer.h"
#include "image/ImageDecoder.h"
#include "image/ImageDiff.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zz::cli {

namespace {

const QString kUsage = QStringLiteral("usage: zevazerazu-cli diff A B [--json]");

// A bank file, or a configuration folder composed in memory exactly as compose would.
QByteArray imageOf(const QString& input) {
    if (!QFileInfo(input).isDir())
        return image::readBankFile(input);
    UComon state;
    state.ProjectDir = input;
    Set_Files(state);
    return image::Compose_Image({state.ParGenFile, state.EnableFunctionsFile, state.TranslateTableFile});
}

QJsonValue fieldValue(const image::HeaderDifference& d, bool fromB) {
    if (d.layout.kind == image::FieldKind::IPv4)
        return fromB ? d.bText : d.aText;
    return static_cast<qint64>(fromB ? d.b : d.a);
}

void printJson(const image::ImageDifferences& differences) {
    QJsonArray header;
    for (const image::HeaderDifference& d : differences.header)
        header.append(QJsonObject{{QStringLiteral("field"), QString::fromLatin1(d.layout.name)},
                                  {QStringLiteral("a"), fieldValue(d, false)},
                                  {QStringLiteral("b"), fieldValue(d, true)}});
    QJsonArray reserved;
    for (const image::ReservedDifference& d : differences.reserved)
        reserved.append(QJsonObject{
            {QStringLiteral("offset"), d.offset}, {QStringLiteral("a"), d.a}, {QStringLiteral("b"), d.b}});
    QJsonArray table;
    for (const image::EntryDifference& d : differences.table)
        table.append(QJsonObject{{QStringLiteral("entry"), d.entry},
                                 {QStringLiteral("field"), QString::fromLatin1(d.field)},
                                 {QStringLiteral("a"), static_cast<qint64>(d.a)},
                                 {QStringLiteral("b"), static_cast<qint64>(d.b)}});
    const QJsonObject root{{QStringLiteral("header"), header},
                           {QStringLiteral("reserved"), reserved},
                           {QStringLiteral("table"), table}};
    printOut(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)).trimmed());
}

} // namespace

int runDiff(const QStringList& args) {
    bool json = false;
    QStringList inputs;
    for (const QString& arg : args) {
        if (arg == QStringLiteral("--json") && !json)
            json = true;
        else if (inputs.size() < 2 && !arg.startsWith(QStringLiteral("--")))
            inputs.append(arg);
        else {
            printErr(kUsage);
            return kExitError;
        }
    }
    if (inputs.size() != 2) {
        printErr(kUsage);
        return kExitError;
    }

    image::ImageDifferences differences;
    try {
        differences = image::compareImages(imageOf(inputs[0]), imageOf(inputs[1]));
    } catch (const Error& e) {
        printErr(e.message());
        return kExitError;
    }
    if (json)
        printJson(differences);
    else
        for (const QString& line : image::differenceLines(differences))
            printOut(line);
    return differences.empty() ? kExitOk : kExitCheckFailed;
}

} // namespace zz::cli
