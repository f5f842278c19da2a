#include "screenshots/OfflineServices.h"

#include <cstdio>

namespace zz::shots {

void NotedDialogs::showError(QWidget*, const QString& text) {
    noted.append(QStringLiteral("error: ") + text);
}

void NotedDialogs::showWarning(QWidget*, const QString& text) {
    noted.append(QStringLiteral("warning: ") + text);
}

bool NotedDialogs::askYesNo(QWidget*, const QString& text) {
    noted.append(QStringLiteral("question: ") + text);
    return false;
}

void NoUrlOpener::open(const QString& address) {
    refused.append(address);
}

void NoVersionCheck::checkForNewerVersion(std::function<void(bool newer)> done) {
    done(false);
}

EchoResult NoIcmpEcho::echo(const QString&, std::chrono::milliseconds) {
    return EchoResult::NoWayToPing;
}

bool NoUpdater::Start_Program(const QString& NomeSW, const QString&, bool) {
    throw UpdaterStartError(UpdaterStartError::Kind::NotStarted, NomeSW,
                            QStringLiteral("The screenshots never start the updater."));
}

} // namespace zz::shots
