#include "support/SmallFileSystem.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace zz::test {

SmallFileSystem::SmallFileSystem(int kibibytes) {
#ifdef Q_OS_LINUX
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    m_mounted = m_dir.isValid() && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                                           options.constData()) == 0;
#else
    Q_UNUSED(kibibytes);
#endif
}

SmallFileSystem::~SmallFileSystem() {
#ifdef Q_OS_LINUX
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
}

void SmallFileSystem::fill() {
    QFile filler(filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) > 0) {
    }
}

bool SmallFileSystem::makeReadOnly() {
#ifdef Q_OS_LINUX
    return m_mounted && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                                MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
    return false;
#endif
}

} // namespace zz::test
