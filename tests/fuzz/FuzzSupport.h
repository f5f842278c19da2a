#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a Qt application object, a private folder for the files an
// input becomes, and the way a broken property stops the run.
namespace zz::fuzz {

// Writes `bytes` as the file `name` in the target's own folder and returns its path.
QString writeInputFile(const QString& name, const QByteArray& bytes);

// The path of `name` in the target's own folder, removed first when it exists.
QString freshPath(const QString& name);

QByteArray asBytes(const std::uint8_t* data, std::size_t size);

// A property that must hold for every input failed: print it and abort, so that libFuzzer
// keeps the input as a crash.
[[noreturn]] void propertyFailed(const char* what);

inline void require(bool holds, const char* what) {
    if (!holds)
        propertyFailed(what);
}

} // namespace zz::fuzz
