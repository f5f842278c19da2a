#include "common/FileIo.h"

#include "common/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zz {

namespace {

int g_injectedWriteError = 0;

QString reasonOf(int errorCode) {
    return QString::fromLocal8Bit(std::strerror(errorCode));
}

FileError cannotRead(const QString& path, const QString& reason) {
    return FileError(path, QStringLiteral("cannot be read: %1").arg(reason));
}

FileError cannotWrite(const QString& path, const QString& reason) {
    return FileError(path, QStringLiteral("cannot be written: %1").arg(reason));
}

void refuseUnlessRegularSize(const QString& path, bool regular, qint64 size, qint64 maxBytes) {
    if (!regular)
        throw cannotRead(path, QStringLiteral("it is not a regular file"));
    if (size > maxBytes)
        throw cannotRead(
            path, QStringLiteral("it is %1 bytes long, more than the %2 bytes a file of its kind may have")
                      .arg(size)
                      .arg(maxBytes));
}

// Reads in chunks until the end and never more than maxBytes + 1, so a file that grows
// meanwhile still cannot fill the memory.
QByteArray readOpened(QFile& file, const QString& path, qint64 sizeSeen, qint64 maxBytes) {
    QByteArray bytes;
    const qint64 chunk = qMax<qint64>(sizeSeen + 1, 64 * 1024);
    for (;;) {
        const QByteArray part = file.read(qMin(chunk, maxBytes + 1 - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            throw cannotRead(path, file.errorString());
        if (part.isEmpty())
            return bytes;
        bytes += part;
        refuseUnlessRegularSize(path, true, bytes.size(), maxBytes);
    }
}

} // namespace

QByteArray readWholeFile(const QString& path, qint64 maxBytes) {
#ifdef Q_OS_UNIX
    // Opened without blocking and checked on the descriptor: a FIFO put in place of the file
    // neither hangs the open nor is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw cannotRead(path, reasonOf(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        throw cannotRead(path, reasonOf(error));
    }
    if (!S_ISREG(st.st_mode) || st.st_size > maxBytes) {
        ::close(fd);
        refuseUnlessRegularSize(path, S_ISREG(st.st_mode), st.st_size, maxBytes);
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw cannotRead(path, file.errorString());
    }
    return readOpened(file, path, st.st_size, maxBytes);
#else
    const QFileInfo info(path);
    if (info.exists())
        refuseUnlessRegularSize(path, info.isFile(), info.size(), maxBytes);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotRead(path, file.errorString());
    return readOpened(file, path, info.size(), maxBytes);
#endif
}

void writeFileAtomically(const QString& path, const QByteArray& bytes,
                         std::optional<QFileDevice::Permissions> permissions) {
    // A link would make the save replace its target, wherever it points; a device or FIFO
    // would be replaced by a regular file.
    const QFileInfo existing(path);
    if (existing.isSymLink())
        throw cannotWrite(path, QStringLiteral("it is a symbolic link, which is not replaced"));
    if (existing.exists() && !existing.isFile())
        throw cannotWrite(path, QStringLiteral("it is not a regular file, which is not replaced"));

    QSaveFile file(path);
    // Unbuffered, so that every write is checked here: Qt's commit() misses a failing final flush.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Qt's text may not say why ("is not writable"); the system's reason does.
        const int error = errno;
        throw cannotWrite(path, error == 0
                                    ? file.errorString()
                                    : QStringLiteral("%1 (%2)").arg(file.errorString(), reasonOf(error)));
    }
    if (permissions && !file.setPermissions(*permissions)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw cannotWrite(path, reason);
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written =
            g_injectedWriteError != 0 ? -1 : file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason =
                g_injectedWriteError != 0 ? reasonOf(g_injectedWriteError) : file.errorString();
            file.cancelWriting();
            throw cannotWrite(path, QStringLiteral("only %1 of %2 bytes were written (%3)")
                                        .arg(done)
                                        .arg(bytes.size())
                                        .arg(reason));
        }
        done += written;
    }
    if (!file.commit())
        throw cannotWrite(path, file.errorString());
}

void keepBrokenCopy(const QString& path) {
    writeFileAtomically(path + QStringLiteral(".bad"), readWholeFile(path), QFileInfo(path).permissions());
}

InjectedWriteFailure::InjectedWriteFailure(int errorCode) {
    g_injectedWriteError = errorCode;
}

InjectedWriteFailure::~InjectedWriteFailure() {
    g_injectedWriteError = 0;
}

void BrokenFileKeeper::keepBeforeReplacing(const QString& path) const {
    if (remembers(path) && QFileInfo::exists(path))
        keepBrokenCopy(path);
}

} // namespace zz
