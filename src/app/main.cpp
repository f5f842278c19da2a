#include "app/ProgramOptions.h"
#include "app/UComon.h"
#include "app/UZevazerazueFirmWare.h"
#include "app/Workspace.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QString error;
    const zz::ProgramOptions options = zz::parseProgramOptions(QApplication::arguments(), &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "zevazerazu: %s\nusage: zevazerazu [--workspace DIR] [--server URL]\n",
                     qPrintable(error));
        return 2;
    }

    zz::UComon state;
    const QString appDir = options.workspace.isEmpty() ? QApplication::applicationDirPath() : options.workspace;
    const zz::StartupReport report = zz::runWorkspaceStartUp(state, appDir);

    zz::TFZevazerazueFirmWare mainWindow(state);
    for (const QString& problem : report.problems)
        QMessageBox::warning(nullptr, state.MainTitle, problem);
    mainWindow.show();
    return app.exec();
}
