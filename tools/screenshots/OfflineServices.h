#pragma once

#include "app/Seams.h"
#include "options/VersionChecker.h"
#include "update/IcmpEcho.h"
#include "update/UpdaterRunner.h"

#include <QStringList>

namespace zz::shots {

// Every way out of the process, closed: the screenshots never reach the network, never start
// the updater and never wait on a person. What would have been shown or asked is kept, so that
// the run can fail when a window it pictures said something.
class NotedDialogs : public UserDialogs {
public:
    void showError(QWidget* parent, const QString& text) override;
    void showWarning(QWidget* parent, const QString& text) override;
    // Answers No.
    bool askYesNo(QWidget* parent, const QString& text) override;

    QStringList noted;
};

class NoUrlOpener : public UrlOpener {
public:
    void open(const QString& address) override;
    QStringList refused;
};

// Never asks the server; there is never a newer version.
class NoVersionCheck : public VersionChecker {
public:
    void checkForNewerVersion(std::function<void(bool newer)> done) override;
};

// No echo request is ever sent.
class NoIcmpEcho : public IcmpEcho {
public:
    EchoResult echo(const QString& host, std::chrono::milliseconds timeout) override;
};

// Refuses to start any program.
class NoUpdater : public UpdaterRunner {
public:
    bool Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo) override;
    bool isRunning() const override { return false; }
    bool isUpdaterAlive() const override { return false; }
    std::chrono::milliseconds elapsed() const override { return {}; }
    std::chrono::milliseconds timeLimit() const override { return kUpdaterTimeLimit; }
};

// Every file dialog is cancelled.
class NoFileChooser : public FileChooser {
public:
    QString chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFileToSave(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace zz::shots
