#include "app/AppContext.h"
#include "app/ProgramOptions.h"
#include "app/QtSeams.h"
#include "app/UComon.h"
#include "app/UZevazerazueFirmWare.h"
#include "app/Workspace.h"
#include "app/WorkspaceLocation.h"
#include "options/HttpVersionChecker.h"
#include "update/IcmpEcho.h"
#include "update/ProcessUpdaterRunner.h"
#include "widgets/AppStyle.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>

namespace {

const char* const kUsage = "usage: zevazerazu [--workspace DIR] [--server URL] [--help]";

zz::WorkspaceLocation workspaceOf(const zz::ProgramOptions& options) {
    return zz::chooseWorkspace(QCoreApplication::applicationDirPath(), options.workspace,
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void printHelp(const zz::ProgramOptions& options) {
    std::printf("%s\n\n"
                "  --workspace DIR  keep MASTER, PROJECTS, LANGUAGE and Zevazerazu.xml in DIR\n"
                "  --server URL     the web server of the version check\n"
                "  --help           this text\n\n"
                "Without --workspace a copy run from its build or unpacked folder keeps them beside the\n"
                "executable; an installed copy (<prefix>/bin with <prefix>/share/zevazerazu) keeps them\n"
                "in the per-user data folder.\n%s\n",
                kUsage, qPrintable(zz::workspaceRuleDescription(workspaceOf(options))));
}

} // namespace

int main(int argc, char* argv[]) {
    // The per-user data folder is named after the program.
    QCoreApplication::setApplicationName(QStringLiteral("zevazerazu"));
    {
        // Parsed before the window system is reached, so --help works without a display.
        const QCoreApplication plain(argc, argv);
        QString error;
        const zz::ProgramOptions options = zz::parseProgramOptions(QCoreApplication::arguments(), &error);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "zevazerazu: %s\n%s\n", qPrintable(error), kUsage);
            return 2;
        }
        if (options.help) {
            printHelp(options);
            return 0;
        }
    }

    QApplication app(argc, argv);
    zz::style::applyApplicationStyle(app);
    QString error;
    const zz::ProgramOptions options = zz::parseProgramOptions(QApplication::arguments(), &error);

    const zz::WorkspaceLocation workspace = workspaceOf(options);
    // A fresh LANGUAGE folder gets English.lng and the flags, so English is always offered.
    zz::addMissingLanguageFiles(zz::joinPath(workspace.folder, QStringLiteral("LANGUAGE")),
                                workspace.shippedLanguageDir);

    zz::UComon state;
    zz::QtUserDialogs dialogs(zz::kMainTitle.trimmed(), &state.Texts);
    zz::DesktopUrlOpener urls;
    zz::HttpVersionChecker versionChecker(options.server);
    zz::ProcessUpdaterRunner updater(state.Texts);
    zz::AppContext context{
        state, dialogs, urls, versionChecker, options.server, {}, {}, zz::makeSystemIcmpEcho(), {}, updater};

    zz::TFZevazerazueFirmWare mainWindow(context, workspace.folder);
    mainWindow.show();
    return app.exec();
}
