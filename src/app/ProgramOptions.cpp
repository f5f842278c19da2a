#include "app/ProgramOptions.h"

namespace zz {

ProgramOptions parseProgramOptions(const QStringList& arguments, QString* error) {
    ProgramOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const auto value = [&](const QString& name, QString& target) {
            if (arg == name) {
                if (i + 1 >= arguments.size()) {
                    *error = QStringLiteral("%1 needs a value").arg(name);
                    return true;
                }
                target = arguments[++i];
                return true;
            }
            if (arg.startsWith(name + u'=')) {
                target = arg.mid(name.size() + 1);
                return true;
            }
            return false;
        };
        if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            options.help = true;
            continue;
        }
        if (value(QStringLiteral("--workspace"), options.workspace) ||
            value(QStringLiteral("--server"), options.server))
            continue;
        *error = QStringLiteral("unknown argument: %1").arg(arg);
    }
    return options;
}

} // namespace zz
