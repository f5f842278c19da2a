#include "support/CliRunner.h"

#include "support/TestFiles.h"

#include <QProcess>

namespace zz::test {

CliResult runCli(const QStringList& args) {
    QProcess process;
    process.start(binDir() + QStringLiteral("/zevazerazu-cli"), args);
    CliResult result;
    if (!process.waitForFinished(30000)) {
        result.err = "zevazerazu-cli did not finish: " + process.errorString().toUtf8();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace zz::test
