#include "common/FileIo.h"

#include "common/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zz {

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, QStringLiteral("cannot be read: %1").arg(file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, QStringLiteral("cannot be read: %1").arg(file.errorString()));
    return bytes;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, QStringLiteral("cannot be written: %1").arg(file.errorString()));
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw FileError(path, QStringLiteral("cannot be written: only %1 of %2 bytes were written (%3)")
                                  .arg(written < 0 ? 0 : written)
                                  .arg(bytes.size())
                                  .arg(reason));
    }
    if (!file.commit())
        throw FileError(path, QStringLiteral("cannot be written: %1").arg(file.errorString()));
}

void keepBrokenCopy(const QString& path) {
    writeFileAtomically(path + QStringLiteral(".bad"), readWholeFile(path));
}

void BrokenFileKeeper::keepBeforeReplacing(const QString& path) const {
    if (remembers(path) && QFileInfo::exists(path))
        keepBrokenCopy(path);
}

} // namespace zz
