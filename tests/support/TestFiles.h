#pragma once

#include "support/QtPrinters.h"

#include <QByteArray>
#include <QString>

namespace zz::test {

// Writes `bytes` to `path`, creating missing folders; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);

// The whole content of `path`, or an empty array when it cannot be read.
QByteArray readFile(const QString& path);

// Makes `path` a file that exists but cannot be read: without read permission, or, where the
// tests run with rights that read any file, a link to a file whose reading fails. False when
// the system offers neither.
bool makeUnreadableFile(const QString& path);

// The folder of the built executables (zevazerazu, zevazerazu-cli, test helpers).
QString binDir();

} // namespace zz::test
