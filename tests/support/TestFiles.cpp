#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace zz::test {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    ASSERT_EQ(file.write(bytes), bytes.size()) << qPrintable(path);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

namespace {

bool readingFails(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    file.readAll();
    return file.error() != QFileDevice::NoError;
}

} // namespace

bool makeUnreadableFile(const QString& path) {
    QFile::remove(path);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("<Conf_Settings/>");
    }
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    if (readingFails(path))
        return true;
    // Rights that read any file: reading /proc/self/mem from its start fails.
    QFile::remove(path);
    return QFile::link(QStringLiteral("/proc/self/mem"), path) && readingFails(path);
}

QString binDir() {
    const QByteArray fromEnv = qgetenv("ZZ_TEST_BIN_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(ZZ_BIN_DIR) : QString::fromLocal8Bit(fromEnv);
}

} // namespace zz::test
