#pragma once

#include "common/Errors.h"

#include <QObject>
#include <QString>
#include <chrono>

namespace zz {

// How long the program waits for the updater before it gives the window back.
inline constexpr std::chrono::milliseconds kUpdaterTimeLimit{150000};

// Ethernet_Update.exe on Windows, Ethernet_Update elsewhere, in the application folder.
QString updaterProgramPath(const QString& appDir);

enum class UpdaterEnd {
    Ended,           // the updater has ended (its exit code is not examined)
    TimeLimitReached // it still runs; it is left alone and no longer watched
};

// The updater could not be started; message() is the text for the error box.
class UpdaterStartError : public Error {
public:
    enum class Kind { Missing, NotStarted };
    UpdaterStartError(Kind kind, QString program, QString message);
    Kind kind() const noexcept { return m_kind; }
    const QString& program() const noexcept { return m_program; }

private:
    Kind m_kind;
    QString m_program;
};

// Starts the external updater and tells when it has ended or the time limit has passed. The
// update dialog uses it behind a modal progress window; tests replace it.
class UpdaterRunner : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts `NomeSW` with the command line `Parameter`; `tipo` hides its window where the
    // platform has one. Throws UpdaterStartError when the program is missing or cannot be
    // started; `finished` then never comes. Otherwise `finished` follows exactly once.
    // False, and nothing started, while an earlier updater still runs.
    virtual bool Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo) = 0;

    // The window's wait is under way (until the end or the time limit).
    virtual bool isRunning() const = 0;
    // The last updater started has not been seen to end, even after the time limit; a second
    // one beside it would talk to the same boot loader.
    virtual bool isUpdaterAlive() const = 0;
    // Time since the last start, for the progress window.
    virtual std::chrono::milliseconds elapsed() const = 0;
    virtual std::chrono::milliseconds timeLimit() const = 0;

signals:
    void finished(zz::UpdaterEnd how);
    // The updater itself has ended, `after` its start; also when the wait had already given up.
    void updaterEnded(std::chrono::milliseconds after);
};

} // namespace zz

Q_DECLARE_METATYPE(zz::UpdaterEnd)
