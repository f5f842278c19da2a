#include "app/UComon.h"
#include "app/Workspace.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "image/BankFile.h"
#include "image/ImageComposer.h"
#include "image/ImageLayout.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace zz::cli {

namespace {

const QString kUsage = QStringLiteral("usage: zevazerazu-cli compose CONFIG_DIR [--output FILE|-]");

bool writeToStdout(const QByteArray& bytes) {
    const auto size = static_cast<size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0;
}

} // namespace

int runCompose(const QStringList& args) {
    QString configDir;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--output") && i + 1 < args.size() && output.isEmpty())
            output = args[++i];
        else if (configDir.isEmpty() && !arg.startsWith(QStringLiteral("--")))
            configDir = arg;
        else {
            printErr(kUsage);
            return kExitError;
        }
    }
    if (configDir.isEmpty() || (args.contains(QStringLiteral("--output")) && output.isEmpty())) {
        printErr(kUsage);
        return kExitError;
    }
    if (!QFileInfo(configDir).isDir()) {
        printErr(QStringLiteral("%1: not a configuration folder").arg(QDir::toNativeSeparators(configDir)));
        return kExitError;
    }

    // The same file names the program uses for the active configuration.
    UComon state;
    state.ProjectDir = configDir;
    Set_Files(state);
    try {
        const QByteArray image =
            image::Compose_Image({state.ParGenFile, state.EnableFunctionsFile, state.TranslateTableFile});
        // "-" keeps standard output for the image bytes alone; the summary moves to standard error.
        const bool toStdout = output == QStringLiteral("-");
        const QString target = output.isEmpty() ? image::bankFilePath(configDir)
                               : toStdout       ? QStringLiteral("-")
                                                : output;
        if (output.isEmpty())
            image::Write_Bank_File(configDir, image);
        else if (toStdout) {
            if (!writeToStdout(image)) {
                printErr(QStringLiteral("-: cannot write to standard output"));
                return kExitError;
            }
        } else
            writeFileAtomically(output, image);
        (toStdout ? printErr
                  : printOut)(QStringLiteral("%1: %2 bytes, Header_Checksum %3, Table_Row_Count %4")
                                  .arg(QDir::toNativeSeparators(target))
                                  .arg(image.size())
                                  .arg(image::readLittleEndian(image, image::offset::Header_Checksum, 4))
                                  .arg(image::readLittleEndian(image, image::offset::Table_Row_Count, 4)));
    } catch (const Error& e) {
        printErr(e.message());
        return kExitError;
    }
    return kExitOk;
}

} // namespace zz::cli
