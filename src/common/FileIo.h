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

// Remembers a file whose content was not fully taken over (broken, or only partly loaded), so
// that the save replacing it first keeps it as ".bad".
class BrokenFileKeeper {
public:
    void remember(const QString& path) { m_path = path; }
    void forget() { m_path.clear(); }
    bool remembers(const QString& path) const { return !m_path.isEmpty() && m_path == path; }
    // Before `path` is replaced: keeps it when it is the remembered file and still exists.
    // Throws FileError when the copy fails, so the file is then not replaced.
    void keepBeforeReplacing(const QString& path) const;

private:
    QString m_path;
};

} // namespace zz
