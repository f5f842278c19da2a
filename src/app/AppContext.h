#pragma once

#include "app/Seams.h"
#include "app/UComon.h"
#include "update/PingCheck.h"

#include <QString>
#include <functional>
#include <memory>

namespace zz {

class UpdaterRunner;
class VersionChecker;

// What every window of the program shares: the shared state and the ways out of the process.
// The program wires the real services; tests wire fakes.
struct AppContext {
    UComon& state;
    UserDialogs& dialogs;
    UrlOpener& urls;
    VersionChecker& versionChecker;
    QString server; // the maker's web server

    // Set by the main window: re-applies the texts of every window (the language broadcast).
    std::function<void()> changeLanguage;
    // Set by the main window: enables its update timer exactly when both internet flags are set.
    std::function<void()> applyUpdateTimerRule;

    // The device update: the echo the update dialog checks the device with, the limits of that
    // check, and the start of the external updater.
    std::shared_ptr<IcmpEcho> icmpEcho;
    PingLimits pingLimits;
    UpdaterRunner& updater;

    // Where the user picks a file to read, such as the bank file of a new configuration.
    FileChooser& fileChooser = platformFileChooser();
};

} // namespace zz
