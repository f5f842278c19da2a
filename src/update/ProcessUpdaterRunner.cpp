#include "update/ProcessUpdaterRunner.h"

#include "app/Workspace.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <functional>
#include <utility>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <QWinEventNotifier>
#include <windows.h>
#else
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace zz {

QString updaterProgramPath(const QString& appDir) {
#ifdef Q_OS_WIN
    return joinPath(appDir, QStringLiteral("Ethernet_Update.exe"));
#else
    return joinPath(appDir, QStringLiteral("Ethernet_Update"));
#endif
}

UpdaterStartError::UpdaterStartError(Kind kind, QString program, QString message)
    : Error(std::move(message))
    , m_kind(kind)
    , m_program(std::move(program)) {}

namespace {

#ifndef Q_OS_WIN
// A process that is gone or a zombie has ended; the updater is not our child, so a zombie of
// it waits for a parent that may never come.
bool processRuns(qint64 pid) {
    if (::kill(static_cast<pid_t>(pid), 0) != 0)
        return errno == EPERM;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    if (nameEnd < 0 || nameEnd + 2 >= line.size())
        return true;
    const char state = line[nameEnd + 2];
    return state != 'Z' && state != 'X';
}
#endif

} // namespace

// Calls `ended` once when the process has ended, from the event loop.
class ProcessUpdaterRunner::EndWatch : public QObject {
public:
    EndWatch(qint64 pid, std::function<void()> ended, QObject* parent)
        : QObject(parent)
        , m_ended(std::move(ended)) {
#ifdef Q_OS_WIN
        m_process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
        if (!m_process) {
            // Already gone before it could be opened.
            QMetaObject::invokeMethod(
                this, [this] { fire(); }, Qt::QueuedConnection);
            return;
        }
        m_notifier = new QWinEventNotifier(m_process, this);
        connect(m_notifier, &QWinEventNotifier::activated, this, [this] { fire(); });
#else
#ifdef SYS_pidfd_open
        m_pidfd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
#endif
        if (m_pidfd >= 0) {
            // A pidfd turns readable when the process ends, whoever its parent is.
            m_notifier = new QSocketNotifier(m_pidfd, QSocketNotifier::Read, this);
            connect(m_notifier, &QSocketNotifier::activated, this, [this] { fire(); });
            return;
        }
        m_poll = new QTimer(this);
        m_poll->setInterval(50);
        connect(m_poll, &QTimer::timeout, this, [this, pid] {
            if (!processRuns(pid))
                fire();
        });
        m_poll->start();
#endif
    }

    ~EndWatch() override {
        stop();
#ifdef Q_OS_WIN
        if (m_process)
            CloseHandle(m_process);
#else
        if (m_pidfd >= 0)
            ::close(m_pidfd);
#endif
    }

    void stop() {
        m_ended = nullptr;
        if (m_notifier)
            m_notifier->setEnabled(false);
#ifndef Q_OS_WIN
        if (m_poll)
            m_poll->stop();
#endif
    }

private:
    void fire() {
        if (!m_ended)
            return;
        const std::function<void()> ended = std::move(m_ended);
        stop();
        ended();
    }

    std::function<void()> m_ended;
#ifdef Q_OS_WIN
    HANDLE m_process = nullptr;
    QWinEventNotifier* m_notifier = nullptr;
#else
    int m_pidfd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_poll = nullptr;
#endif
};

ProcessUpdaterRunner::ProcessUpdaterRunner(const TextTable& texts, std::chrono::milliseconds limit,
                                           QObject* parent)
    : UpdaterRunner(parent)
    , m_texts(texts)
    , m_limit(limit) {
    m_limitTimer.setSingleShot(true);
    m_limitTimer.setTimerType(Qt::PreciseTimer); // a coarse timer may fire a little early
    connect(&m_limitTimer, &QTimer::timeout, this, [this] { report(UpdaterEnd::TimeLimitReached); });
}

// The updater is left running: cutting off a device transfer could leave the device unusable.
ProcessUpdaterRunner::~ProcessUpdaterRunner() = default;

bool ProcessUpdaterRunner::Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo) {
    if (m_running || m_alive)
        return false;
    const QString shownPath = QDir::toNativeSeparators(NomeSW);
    if (!QFileInfo(NomeSW).isFile()) {
        throw UpdaterStartError(UpdaterStartError::Kind::Missing, NomeSW,
                                m_texts[added::UpdaterMissing] + shownPath);
    }

    QProcess process;
    process.setProgram(NomeSW);
#ifdef Q_OS_WIN
    process.setNativeArguments(Parameter);
    process.setCreateProcessArgumentsModifier([tipo](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = tipo ? SW_HIDE : SW_SHOWNORMAL;
    });
#else
    // Programs here have no window state to ask for.
    Q_UNUSED(tipo);
    process.setArguments(QProcess::splitCommand(Parameter));
#endif
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        throw UpdaterStartError(UpdaterStartError::Kind::NotStarted, NomeSW,
                                m_texts[added::UpdaterNotStarted] + shownPath + QStringLiteral(" (") +
                                    process.errorString() + u')');
    }

    m_pid = pid;
    m_running = true;
    m_alive = true;
    m_clock.start();
    m_watch = new EndWatch(
        pid, [this] { processEnded(); }, this);
    m_limitTimer.start(m_limit);
    return true;
}

std::chrono::milliseconds ProcessUpdaterRunner::elapsed() const {
    return m_running ? std::chrono::milliseconds(m_clock.elapsed()) : m_elapsedAtEnd;
}

void ProcessUpdaterRunner::report(UpdaterEnd how) {
    if (!m_running)
        return;
    m_elapsedAtEnd = std::chrono::milliseconds(m_clock.elapsed());
    m_running = false;
    m_limitTimer.stop();
    emit finished(how);
}

void ProcessUpdaterRunner::processEnded() {
    const std::chrono::milliseconds after(m_clock.elapsed());
    m_alive = false;
    if (m_watch) {
        // Not deleted at once: this runs inside the watch's own notification.
        m_watch->deleteLater();
        m_watch = nullptr;
    }
    report(UpdaterEnd::Ended);
    emit updaterEnded(after);
}

} // namespace zz
