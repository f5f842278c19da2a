#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace zz::fuzz {

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    if (!dir.isValid())
        propertyFailed("no private folder for the fuzz inputs");
    return dir;
}

} // namespace

QString freshPath(const QString& name) {
    const QString path = folder().filePath(name);
    QFile::remove(path);
    return path;
}

QString writeInputFile(const QString& name, const QByteArray& bytes) {
    const QString path = freshPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        propertyFailed("the fuzz input could not be written to its folder");
    return path;
}

QByteArray asBytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void propertyFailed(const char* what) {
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

} // namespace zz::fuzz

// Parts of the core use Qt's application services (text codecs, standard paths).
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static auto app = std::make_unique<QCoreApplication>(*argc, *argv);
    return 0;
}
