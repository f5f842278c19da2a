#include "common/FileIo.h"

#include "common/Errors.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

TEST(FileIoTest, AtomicWriteReplacesTheFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    test::writeFile(path, "old content that is longer");
    writeFileAtomically(path, "new");
    EXPECT_EQ(test::readFile(path), QByteArray("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.xml")});
}

TEST(FileIoTest, FailedWriteNamesTheFile) {
    QTemporaryDir dir;
    const QString missingFolderPath = dir.filePath(QStringLiteral("no/such/folder/a.xml"));
    try {
        writeFileAtomically(missingFolderPath, "x");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.file(), missingFolderPath);
        EXPECT_TRUE(e.message().contains(QStringLiteral("a.xml")));
    }
}

TEST(FileIoTest, FailedReplaceKeepsThePreviousFile) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("ro"));
    const QString path = folder + QStringLiteral("/a.xml");
    test::writeFile(path, "previous");
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool folderIsWritable = QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    if (!folderIsWritable) {
        EXPECT_THROW(writeFileAtomically(path, "new"), FileError);
        EXPECT_EQ(test::readFile(path), QByteArray("previous"));
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (folderIsWritable)
        GTEST_SKIP() << "running with rights that write into any folder";
}

TEST(FileIoTest, KeepsABrokenFileBesideItself) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    test::writeFile(path, "<broken");
    keepBrokenCopy(path);
    EXPECT_EQ(test::readFile(path + QStringLiteral(".bad")), QByteArray("<broken"));
    EXPECT_THROW(readWholeFile(dir.filePath(QStringLiteral("missing"))), FileError);
}

} // namespace
} // namespace zz
