#include "common/FileIo.h"

#include "common/Errors.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

TEST(FileIoTest, BrokenFileKeeperKeepsOnlyTheRememberedFileOnce) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("var.xml"));
    const QString other = dir.filePath(QStringLiteral("other.xml"));
    test::writeFile(broken, "<broken");
    test::writeFile(other, "<fine/>");
    BrokenFileKeeper keeper;
    keeper.keepBeforeReplacing(broken); // nothing remembered yet
    EXPECT_FALSE(QFileInfo::exists(broken + QStringLiteral(".bad")));
    keeper.remember(broken);
    keeper.keepBeforeReplacing(other);
    EXPECT_FALSE(QFileInfo::exists(other + QStringLiteral(".bad")));
    keeper.keepBeforeReplacing(broken);
    EXPECT_EQ(test::readFile(broken + QStringLiteral(".bad")), QByteArray("<broken"));
    keeper.forget();
    EXPECT_FALSE(keeper.remembers(broken));
    // A remembered file that is gone meanwhile has nothing to keep.
    keeper.remember(dir.filePath(QStringLiteral("gone.xml")));
    EXPECT_NO_THROW(keeper.keepBeforeReplacing(dir.filePath(QStringLiteral("gone.xml"))));
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
