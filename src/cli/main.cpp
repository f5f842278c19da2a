#include "app/UComon.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"

#include <QCoreApplication>
#include <functional>

namespace {

struct Command {
    const char* name;
    const char* usage;
    std::function<int(const QStringList&)> run;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"lang", "lang [--json] FILE      apply a language file to the English texts and print the result",
         zz::cli::runLang},
        {"check", "check CONFIG_DIR        check the configuration files of a configuration folder",
         zz::cli::runCheck},
        {"compose",
         "compose CONFIG_DIR [--output FILE|-]\n"
         "                          compose the configuration image into CONFIG_DIR/bin/bank_k.bin or FILE\n"
         "                          (\"-\": the image to standard output, the summary to standard error)",
         zz::cli::runCompose},
        {"decode",
         "decode BANK_FILE [--json]\n"
         "                          print the header fields, checksums and non-zero entries of an image",
         zz::cli::runDecode},
        {"table",
         "table export CONFIG_DIR [--output FILE]\n"
         "                          write the translate table of CONFIG_DIR as CSV to standard output or "
         "FILE\n"
         "  table import CONFIG_DIR FILE\n"
         "                          check the CSV FILE and write its rows to CONFIG_DIR/var.xml",
         zz::cli::runTable},
        {"diff",
         "diff A B [--json]\n"
         "                          print what differs between two bank files or configuration folders",
         zz::cli::runDiff},
        {"restore",
         "restore BANK_FILE CONFIG_DIR [--force]\n"
         "                          write the configuration files that compose into BANK_FILE",
         zz::cli::runRestore},
    };
    return list;
}

void printHelp() {
    zz::cli::printOut(QStringLiteral("usage: zevazerazu-cli COMMAND [ARGS]\n\ncommands:"));
    for (const Command& command : commands())
        zz::cli::printOut(QStringLiteral("  ") + QString::fromUtf8(command.usage));
    zz::cli::printOut(QStringLiteral(
        "\n  --help                  this text\n  --version               the program version"));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        printHelp();
        return zz::cli::kExitError;
    }
    const QString name = args.takeFirst();
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
        printHelp();
        return zz::cli::kExitOk;
    }
    if (name == QStringLiteral("--version")) {
        zz::cli::printOut(
            QStringLiteral("zevazerazu-cli %1 (%2)").arg(zz::ProgramVersion, zz::kSoftwareCode));
        return zz::cli::kExitOk;
    }
    for (const Command& command : commands()) {
        if (name == QString::fromUtf8(command.name))
            return command.run(args);
    }
    zz::cli::printErr(QStringLiteral("zevazerazu-cli: unknown command '%1'; see --help").arg(name));
    return zz::cli::kExitError;
}
