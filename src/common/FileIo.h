#pragma once

#include <QByteArray>
#include <QString>

namespace zz {

// Reads a whole file; throws FileError naming the file when it cannot be read.
QByteArray readWholeFile(const QString& path);

// Writes a temporary file beside `path` and then replaces `path` with it, so that a
// failure (full disk, read-only folder, crash) leaves the previous file intact.
// Throws FileError naming the file when anything fails, a short write included.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Keeps a copy of a file that could not be parsed as `path` + ".bad" (replacing an older
// copy) before the program writes a new `path`. Throws FileError when the copy fails.
void keepBrokenCopy(const QString& path);

} // namespace zz
