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

QString binDir() {
    const QByteArray fromEnv = qgetenv("ZZ_TEST_BIN_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(ZZ_BIN_DIR) : QString::fromLocal8Bit(fromEnv);
}

} // namespace zz::test
