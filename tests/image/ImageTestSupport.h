#pragma once

#include "image/ImageComposer.h"
#include "support/TestFiles.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <array>
#include <cstdint>

namespace zz::test {

// Little-endian value of `size` bytes at `offset`, read independently of the code under test.
inline std::uint32_t le(const QByteArray& bytes, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

inline std::array<int, 4> bytesAt(const QByteArray& bytes, int offset) {
    return {static_cast<unsigned char>(bytes[offset]), static_cast<unsigned char>(bytes[offset + 1]),
            static_cast<unsigned char>(bytes[offset + 2]), static_cast<unsigned char>(bytes[offset + 3])};
}

// The files as the dialogs write them: root, children, version comment after the root.
inline QByteArray parGenXml(const QByteArray& children) {
    return "<General_Parameter>" + children + "</General_Parameter><!--SW_VERSION = 1.002-->";
}
inline QByteArray enableFunctionsXml(const QByteArray& rows) {
    return "<EnabledFunctions>" + rows + "</EnabledFunctions><!--SW_VERSION = 2.713-->";
}
inline QByteArray translateTableXml(const QByteArray& rows) {
    return "<TCP_TO_RTU>" + rows + "</TCP_TO_RTU><!--SW_VERSION = 1.002-->";
}

// A configuration folder in a temporary directory.
class ConfigFolder {
public:
    QString path(const QString& name = {}) const { return name.isEmpty() ? dir.path() : dir.filePath(name); }
    QString parGen() const { return path(QStringLiteral("ParGen.xml")); }
    QString enableFunctions() const { return path(QStringLiteral("EnableFunctions.xml")); }
    QString translateTable() const { return path(QStringLiteral("var.xml")); }
    QString bankFile() const { return path(QStringLiteral("bin/bank_k.bin")); }

    void writeParGen(const QByteArray& children) const { writeFile(parGen(), parGenXml(children)); }
    void writeEnableFunctions(const QByteArray& rows) const {
        writeFile(enableFunctions(), enableFunctionsXml(rows));
    }
    void writeTranslateTable(const QByteArray& rows) const {
        writeFile(translateTable(), translateTableXml(rows));
    }

    image::ImageSources sources() const { return {parGen(), enableFunctions(), translateTable()}; }
    QByteArray compose() const { return image::Compose_Image(sources()); }

private:
    QTemporaryDir dir;
};

} // namespace zz::test
