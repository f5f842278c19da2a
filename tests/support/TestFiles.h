#pragma once

#include <QByteArray>
#include <QString>

#include "support/QtPrinters.h"

namespace zz::test {

// Writes `bytes` to `path`, creating missing folders; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);

// The whole content of `path`, or an empty array when it cannot be read.
QByteArray readFile(const QString& path);

// The folder of the built executables (zevazerazu, zevazerazu-cli, test helpers).
QString binDir();

} // namespace zz::test
