#include "cli/CliOutput.h"

#include <cstdio>

namespace zz::cli {

void printOut(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

void printErr(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

bool parseFileAndJsonFlag(const QStringList& args, const QString& usage, QString* file, bool* json) {
    *json = false;
    file->clear();
    for (const QString& arg : args) {
        if (arg == QStringLiteral("--json") && !*json) {
            *json = true;
        } else if (file->isEmpty() && !arg.startsWith(QStringLiteral("--"))) {
            *file = arg;
        } else {
            printErr(usage);
            return false;
        }
    }
    if (file->isEmpty()) {
        printErr(usage);
        return false;
    }
    return true;
}

} // namespace zz::cli
