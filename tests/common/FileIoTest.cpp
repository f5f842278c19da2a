#include "common/FileIo.h"

#include "common/Errors.h"
#include "support/SmallFileSystem.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>

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
    if (folderIsWritable) {
        // Rights that write into any folder: a read-only file system stops them.
        test::SmallFileSystem fs(64);
        const QString onFs = fs.filePath(QStringLiteral("a.xml"));
        test::writeFile(onFs, "previous");
        std::optional<InjectedWriteFailure> injected;
        if (!fs.makeReadOnly())
            injected.emplace(EROFS);
        EXPECT_THROW(writeFileAtomically(onFs, "new"), FileError);
        EXPECT_EQ(test::readFile(onFs), QByteArray("previous"));
    }
}

// Where the tests may mount, the failure is real; elsewhere the seam stands in for it.
struct SaveFault {
    const char* name;
    int errorCode;
};

class FailingSaveTest : public ::testing::TestWithParam<SaveFault> {};

TEST_P(FailingSaveTest, KeepsThePreviousFileLeavesNoTemporaryAndSaysWhy) {
    test::SmallFileSystem fs(64);
    QTemporaryDir fallback;
    const QString folder = fs.mounted() ? fs.path() : fallback.path();
    const QString path = folder + QStringLiteral("/ParGen.xml");
    test::writeFile(path, "<General_Parameter><MODE>0</MODE></General_Parameter>");
    std::optional<InjectedWriteFailure> injected;
    bool real = false;
    if (fs.mounted() && GetParam().errorCode == ENOSPC) {
        fs.fill();
        real = true;
    } else if (fs.mounted() && GetParam().errorCode == EROFS) {
        real = fs.makeReadOnly();
    }
    if (!real)
        injected.emplace(GetParam().errorCode);
    const QStringList before = QDir(folder).entryList(QDir::Files);

    // Small enough to sit in a write buffer: the case that used to pass for success.
    const QByteArray bytes(300, 'x');
    try {
        writeFileAtomically(path, bytes);
        FAIL() << "a failed save passed for success";
    } catch (const FileError& e) {
        EXPECT_EQ(e.file(), path);
        EXPECT_TRUE(e.message().contains(QString::fromLocal8Bit(std::strerror(GetParam().errorCode))))
            << e.what();
    }
    EXPECT_EQ(test::readFile(path), QByteArray("<General_Parameter><MODE>0</MODE></General_Parameter>"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, FailingSaveTest,
                         ::testing::Values(SaveFault{"FullDisk", ENOSPC}, SaveFault{"ReadOnly", EROFS},
                                           SaveFault{"NoRight", EACCES}),
                         [](const auto& info) { return std::string(info.param.name); });

// What a save must not replace, made in `folder` as `name`; false when the system refuses.
enum class NotAFile { LinkToFile, DanglingLink, Fifo, DeviceNode, Folder };

bool make(NotAFile kind, const QString& path, const QString& elsewhere) {
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case NotAFile::LinkToFile:
        return QFile::link(elsewhere, path);
    case NotAFile::DanglingLink:
        return QFile::link(elsewhere + QStringLiteral(".gone"), path);
    case NotAFile::Fifo:
        return ::mkfifo(name.constData(), 0600) == 0;
    case NotAFile::DeviceNode:
        // The null device made here, never the system's; a FIFO where nodes cannot be made.
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0 ||
               ::mkfifo(name.constData(), 0600) == 0;
    case NotAFile::Folder:
        return QDir().mkpath(path);
    }
    return false;
}

struct NotAFileCase {
    const char* name;
    NotAFile kind;
};

class NotAFileTest : public ::testing::TestWithParam<NotAFileCase> {
protected:
    void SetUp() override {
        elsewhere = other.filePath(QStringLiteral("private.txt"));
        test::writeFile(elsewhere, "the user's own file");
        path = dir.filePath(QStringLiteral("bank_k.bin"));
        ASSERT_TRUE(make(GetParam().kind, path, elsewhere));
    }
    QString kindOnDisk() const {
        const QFileInfo info(path);
        return QStringLiteral("%1 %2 %3").arg(info.isSymLink()).arg(info.isFile()).arg(info.isDir());
    }
    QTemporaryDir dir;
    QTemporaryDir other;
    QString path;
    QString elsewhere;
};

TEST_P(NotAFileTest, SaveRefusesToReplaceIt) {
    const QString kind = kindOnDisk();
    try {
        writeFileAtomically(path, QByteArray(18432, '\0'));
        FAIL() << "saved over it";
    } catch (const FileError& e) {
        EXPECT_EQ(e.file(), path);
        EXPECT_TRUE(e.message().contains(QStringLiteral("bank_k.bin"))) << e.what();
    }
    EXPECT_EQ(kindOnDisk(), kind);
    EXPECT_EQ(test::readFile(elsewhere), QByteArray("the user's own file"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList{QStringLiteral("bank_k.bin")});
}

TEST_P(NotAFileTest, ReadRefusesAtOnceUnlessItIsALinkToAFile) {
    if (GetParam().kind == NotAFile::LinkToFile) {
        EXPECT_EQ(readWholeFile(path), QByteArray("the user's own file"));
        return;
    }
    EXPECT_THROW(readWholeFile(path), FileError); // a FIFO would block here
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotAFileTest,
                         ::testing::Values(NotAFileCase{"LinkToFile", NotAFile::LinkToFile},
                                           NotAFileCase{"DanglingLink", NotAFile::DanglingLink},
                                           NotAFileCase{"Fifo", NotAFile::Fifo},
                                           NotAFileCase{"DeviceNode", NotAFile::DeviceNode},
                                           NotAFileCase{"Folder", NotAFile::Folder}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileIoTest, ReadingStopsAtTheBoundForItsKind) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("var.xml"));
    test::writeFile(path, "0123456789");
    EXPECT_EQ(readWholeFile(path, 10), QByteArray("0123456789"));
    EXPECT_THROW(readWholeFile(path, 9), FileError);

    // A sparse file past the bound is refused without reading its 64 MiB.
    QFile big(path);
    ASSERT_TRUE(big.resize(kMaxTextFileBytes + 1));
    try {
        readWholeFile(path);
        FAIL() << "read a file past the bound";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("67108865 bytes"))) << e.what();
    }

    const QString zeroes = dir.filePath(QStringLiteral("Zevazerazu.xml"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zeroes));
    EXPECT_THROW(readWholeFile(zeroes), FileError);
}

TEST(FileIoTest, BrokenCopyHasThePermissionsOfTheOriginal) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    test::writeFile(path, "<broken");
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileDevice::Permissions kOwnerGroupOther(0x7077); // without the "user" flags
    ASSERT_TRUE(QFile::setPermissions(path, ownerOnly));
    keepBrokenCopy(path);
    EXPECT_EQ(QFileInfo(path + QStringLiteral(".bad")).permissions() & kOwnerGroupOther, ownerOnly);

    // An older, world-readable copy is replaced by one as private as the original.
    QFile::setPermissions(path + QStringLiteral(".bad"),
                          ownerOnly | QFileDevice::ReadOther | QFileDevice::ReadGroup);
    keepBrokenCopy(path);
    EXPECT_EQ(QFileInfo(path + QStringLiteral(".bad")).permissions() & kOwnerGroupOther, ownerOnly);
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
