#include "app/AppContext.h"
#include "app/ProgramOptions.h"
#include "app/QtSeams.h"
#include "app/UComon.h"
#include "app/UZevazerazueFirmWare.h"
#include "options/HttpVersionChecker.h"
#include "update/IcmpEcho.h"
#include "update/ProcessUpdaterRunner.h"
#include "widgets/AppStyle.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zz::style::applyApplicationStyle(app);

    QString error;
    const zz::ProgramOptions options = zz::parseProgramOptions(QApplication::arguments(), &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "zevazerazu: %s\nusage: zevazerazu [--workspace DIR] [--server URL]\n",
                     qPrintable(error));
        return 2;
    }

    zz::UComon state;
    zz::QtUserDialogs dialogs(zz::kMainTitle.trimmed());
    zz::DesktopUrlOpener urls;
    zz::HttpVersionChecker versionChecker(options.server);
    zz::ProcessUpdaterRunner updater(state.Texts);
    zz::AppContext context{
        state, dialogs, urls, versionChecker, options.server, {}, {}, zz::makeSystemIcmpEcho(), {}, updater};

    const QString appDir =
        options.workspace.isEmpty() ? QApplication::applicationDirPath() : options.workspace;
    zz::TFZevazerazueFirmWare mainWindow(context, appDir);
    mainWindow.show();
    return app.exec();
}
