#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zz::cli {

// One configuration file that `check` examines. `check` gets the configuration folder and
// returns one line per failing check, in check order, each starting with "<fileName>: ". It
// throws zz::Error when the file cannot be read or parsed.
struct FileChecker {
    QString fileName;
    std::function<QStringList(const QString& configDir)> check;
};

// The files `check` examines, in the order it reports them.
const std::vector<FileChecker>& fileCheckers();

// ParGen.xml read as the Set Communication dialog reads it (missing = defaults), with the
// English text of every failing value check.
QStringList checkParGen(const QString& configDir);

} // namespace zz::cli
