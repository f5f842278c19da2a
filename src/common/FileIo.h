#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

namespace zz {

// Generous bound for an XML or language file: anything larger is refused before it is read.
inline constexpr qint64 kMaxTextFileBytes = 64 * 1024 * 1024;

// Reads a whole file; throws FileError naming the file when it cannot be read, when it is
// not a regular file (a FIFO is never opened, a device never read) or when it is larger
// than `maxBytes`.
QByteArray readWholeFile(const QString& path, qint64 maxBytes = kMaxTextFileBytes);

// Writes a temporary file beside `path` and then replaces `path` with it, so that a
// failure (full disk, read-only folder, crash) leaves the previous file intact and leaves no
// temporary file. Refuses a `path` that is a symbolic link or anything but a regular file.
// Throws FileError naming the file and the reason when anything fails, a short write included.
// `permissions`, when given, are those of the new file from its creation on.
void writeFileAtomically(const QString& path, const QByteArray& bytes,
                         std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// Keeps a copy of a file that could not be parsed as `path` + ".bad" (replacing an older
// copy, with the permissions of the original) before the program writes a new `path`.
// Throws FileError when the copy fails.
void keepBrokenCopy(const QString& path);

// Where a test cannot mount a full or read-only file system, it makes every write of
// writeFileAtomically fail with `errorCode` (an errno value) while this object lives.
class InjectedWriteFailure {
public:
    explicit InjectedWriteFailure(int errorCode);
    ~InjectedWriteFailure();
    InjectedWriteFailure(const InjectedWriteFailure&) = delete;
    InjectedWriteFailure& operator=(const InjectedWriteFailure&) = delete;
};

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
