#pragma once

#include "support/QtPrinters.h"

#include <QByteArray>
#include <QStringList>

namespace zz::test {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built zevazerazu-cli with `args` and waits for it.
CliResult runCli(const QStringList& args);

} // namespace zz::test
