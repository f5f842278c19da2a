// zevazerazu-screenshots OUTPUT_DIR: pictures the main window and every dialog it opens, in a
// throw-away workspace, as PNG files for the README. scripts/screenshots.sh runs it.

#include "app/AppContext.h"
#include "app/ProgramOptions.h"
#include "app/UZevazerazueFirmWare.h"
#include "app/Workspace.h"
#include "app/WorkspaceLocation.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "screenshots/DemoWorkspace.h"
#include "screenshots/OfflineServices.h"
#include "screenshots/WindowShots.h"
#include "widgets/AppStyle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

// One screen of 1920 x 1080 at 96 dpi and scale 1, whatever the machine has, so that every run
// gives the same pictures and no dialog is shrunk to a small screen.
constexpr char kScreenConfiguration[] =
    R"({"screens": [{"name": "Screenshots", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
    R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

bool useOffscreenScreen(const QTemporaryDir& scratch) {
    const QString path = scratch.filePath(QStringLiteral("screen.json"));
    try {
        zz::writeFileAtomically(path, kScreenConfiguration);
    } catch (const zz::Error& e) {
        std::fprintf(stderr, "zevazerazu-screenshots: %s\n", qPrintable(e.message()));
        return false;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    qputenv("QT_SCALE_FACTOR", "1");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    return true;
}

// The offscreen platform cannot pass fixed window sizes on and says so for every window.
void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support propagateSizeHints")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void printLines(const char* heading, const QStringList& lines) {
    for (const QString& line : lines)
        std::fprintf(stderr, "zevazerazu-screenshots: %s%s\n", heading, qPrintable(line));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zevazerazu-screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QTemporaryDir scratch;
    if (!scratch.isValid() || !useOffscreenScreen(scratch)) {
        std::fprintf(stderr, "zevazerazu-screenshots: no temporary folder for the screen settings\n");
        return 2;
    }
    qInstallMessageHandler(quietMessageHandler);
    QApplication app(argc, argv);
    zz::style::applyApplicationStyle(app);
    const QString outputDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(outputDir)) {
        std::fprintf(stderr, "zevazerazu-screenshots: %s cannot be created\n", qPrintable(outputDir));
        return 2;
    }

    const QString workspace = scratch.filePath(QStringLiteral("workspace"));
    try {
        const QStringList problems = zz::shots::writeDemoConfigurations(workspace);
        if (!problems.isEmpty()) {
            printLines("demo table: ", problems);
            return 1;
        }
    } catch (const zz::Error& e) {
        std::fprintf(stderr, "zevazerazu-screenshots: %s\n", qPrintable(e.message()));
        return 2;
    }
    const zz::WorkspaceLocation location =
        zz::chooseWorkspace(QCoreApplication::applicationDirPath(), workspace, {});
    zz::addMissingLanguageFiles(zz::joinPath(workspace, QStringLiteral("LANGUAGE")),
                                location.shippedLanguageDir);

    zz::UComon state;
    zz::shots::NotedDialogs dialogs;
    zz::shots::NoUrlOpener urls;
    zz::shots::NoVersionCheck versionCheck;
    zz::shots::NoUpdater updater;
    zz::shots::NoFileChooser fileChooser;
    zz::AppContext context{state,
                           dialogs,
                           urls,
                           versionCheck,
                           zz::kMakerServer,
                           {},
                           {},
                           std::make_shared<zz::shots::NoIcmpEcho>(),
                           {},
                           updater,
                           fileChooser};

    zz::TFZevazerazueFirmWare window(context, workspace);
    window.updateTimer().stop();
    zz::activateConfiguration(state, zz::shots::kDemoConfiguration);
    window.Set_Lang();
    window.show();

    zz::shots::WindowShots shots(window, outputDir);
    shots.takeMainWindow(QStringLiteral("main-window"));
    shots.takeDialog(QStringLiteral("Btn_New"), QStringLiteral("FNew_Project"),
                     QStringLiteral("new-configuration"));
    shots.takeDialog(QStringLiteral("Btn_Open"), QStringLiteral("FOpenConf"),
                     QStringLiteral("open-configuration"));
    shots.takeDialog(QStringLiteral("Btn_Prm_Gen"), QStringLiteral("FParGen2"),
                     QStringLiteral("set-communication"));
    shots.takeDialog(QStringLiteral("Btn_TranslateTable"), QStringLiteral("FTranslateTable_914"),
                     QStringLiteral("translate-table"));
    shots.takeDialog(QStringLiteral("Btn_Enable_Functions"), QStringLiteral("FEnableFunctions"),
                     QStringLiteral("enabled-functions"));
    shots.takeDialog(QStringLiteral("Btn_CreateBin_UDP"), QStringLiteral("FBootTCP"),
                     QStringLiteral("update-via-udp"));
    shots.takeDialog(QStringLiteral("Btn_Opz"), QStringLiteral("FSoftOptions"), QStringLiteral("options"));
    shots.takeDialog(QStringLiteral("Btn_Info"), QStringLiteral("FAbout"), QStringLiteral("about"));

    printLines("", shots.failures());
    printLines("a window said: ", dialogs.noted);
    printLines("a web address was asked for: ", urls.refused);
    for (const QString& path : shots.written())
        std::printf("%s\n", qPrintable(path));
    return shots.failures().isEmpty() && dialogs.noted.isEmpty() && urls.refused.isEmpty() ? 0 : 1;
}
