#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zz::test {

// A small tmpfs mounted on a temporary folder, for saves on a full or read-only file system.
// Mounting needs rights the tests may lack: then mounted() is false and the test injects the
// failure through the file-writing seam instead.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kibibytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // Fills the free space with a filler file, so that the next write fails with ENOSPC.
    void fill();
    // Remounts read-only (writes then fail with EROFS); false when that is refused.
    bool makeReadOnly();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace zz::test
