#pragma once

#include "app/AppContext.h"
#include "options/VersionChecker.h"
#include "support/QtPrinters.h"
#include "update/IcmpEcho.h"
#include "update/ProcessUpdaterRunner.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace zz::test {

// Records every box instead of showing it; questions take the queued answers (No when none).
class FakeUserDialogs : public UserDialogs {
public:
    void showError(QWidget*, const QString& text) override { errors.append(text); }
    void showWarning(QWidget*, const QString& text) override { warnings.append(text); }
    bool askYesNo(QWidget*, const QString& text) override {
        questions.append(text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList errors;
    QStringList warnings;
    QStringList questions;
    std::deque<bool> answers;
};

class FakeUrlOpener : public UrlOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

// Gives the paths the test queued, then `answer` (empty: the dialog was cancelled), and
// records what each showing asked.
class FakeFileChooser : public FileChooser {
public:
    struct Request {
        QString caption;
        QString folder;
        QString filter;
    };
    QString chooseFileToOpen(QWidget*, const QString& caption, const QString& folder,
                             const QString& filter) override {
        return next({caption, folder, filter});
    }
    QString chooseFileToSave(QWidget*, const QString& caption, const QString& folder,
                             const QString& filter) override {
        return next({caption, folder, filter});
    }

    QString answer;
    std::deque<QString> names;
    std::vector<Request> requests;
    QStringList captions;

private:
    QString next(const Request& request) {
        requests.push_back(request);
        captions.append(request.caption);
        if (names.empty())
            return answer;
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

// Answers when the test says so; counts the checks started.
class FakeVersionChecker : public VersionChecker {
public:
    void checkForNewerVersion(std::function<void(bool)> done) override {
        ++started;
        pending = std::move(done);
    }
    void answer(bool newer) {
        auto done = std::move(pending);
        pending = nullptr;
        if (done)
            done(newer);
    }
    int started = 0;
    std::function<void(bool)> pending;
};

// A device that answers as the test says, without any traffic. Requests come from the ping
// check's worker thread. An answer takes `answerDelay`; a request left unanswered takes the whole
// time-out, as a real one does.
class FakeIcmpEcho : public IcmpEcho {
public:
    EchoResult echo(const QString& host, std::chrono::milliseconds timeout) override;

    // Every request from now on gets `result`.
    void answerWith(EchoResult result) { answerInTurn({result}); }
    // Requests get these in turn; the last one repeats.
    void answerInTurn(std::vector<EchoResult> script);
    void setAnswerDelay(std::chrono::milliseconds delay);

    QStringList hosts() const;
    int requests() const { return static_cast<int>(hosts().size()); }

private:
    mutable std::mutex m_mutex;
    std::vector<EchoResult> m_script{EchoResult::Answered};
    std::size_t m_next = 0;
    std::chrono::milliseconds m_answerDelay{5};
    QStringList m_hosts;
};

// A workspace in a temporary folder with fake services around it. The ping check is short
// (attempts of 20 ms for 200 ms); the updater runner is the real one, which tests feed with the
// stand-in updater built by the test suite (installStandInUpdater).
struct GuiWorld {
    QTemporaryDir dir;
    UComon state;
    FakeUserDialogs dialogs;
    FakeUrlOpener urls;
    FakeVersionChecker versionChecker;
    std::shared_ptr<FakeIcmpEcho> echo = std::make_shared<FakeIcmpEcho>();
    ProcessUpdaterRunner updater{state.Texts, std::chrono::seconds(20)};
    FakeFileChooser fileChooser;
    AppContext context{state,
                       dialogs,
                       urls,
                       versionChecker,
                       QStringLiteral("http://127.0.0.1:9"),
                       {},
                       {},
                       echo,
                       PingLimits{std::chrono::milliseconds(200), std::chrono::milliseconds(20)},
                       updater,
                       fileChooser};

    QString path(const QString& relative) const { return dir.filePath(relative); }
    // Starts the workspace and makes a new configuration `name` the active one.
    void startWithConfiguration(const QString& name);

    // Copies the stand-in updater into the workspace as the updater program; it notes in
    // standin-run.txt there that it ran and what the job file said, and sleeps `sleepMs` first.
    // Also puts a firmware file MASTER/Sim883.sim in place, which the update needs.
    void installStandInUpdater(int sleepMs = 0);
    void installFirmwareFile();
    QByteArray standInRecord() const;
};

// Shows each error in a real modal box, which takes the focus from an open editor, notes
// whether the box held the focus, and closes it.
class RealErrorBoxDialogs : public FakeUserDialogs {
public:
    void showError(QWidget* parent, const QString& text) override;
    bool boxHadFocus = false;
};

// The world's context with other boxes and questions.
AppContext contextWithDialogs(GuiWorld& world, UserDialogs& dialogs);

// Runs `action` once the modal dialog `objectName` is active (it was opened by something the
// test then does); fails the test when it does not open within a few seconds.
void whenModalOpens(const QString& objectName, std::function<void(QWidget*)> action);

// While it lives, any modal window that opens fails the test and is closed, so a dialog that
// should not open cannot hang the test either.
class NoModalAllowed {
public:
    NoModalAllowed();
    ~NoModalAllowed();
    NoModalAllowed(const NoModalAllowed&) = delete;
    NoModalAllowed& operator=(const NoModalAllowed&) = delete;

private:
    QTimer* m_timer;
};

// Processes events until `condition` holds or `timeoutMs` passes; returns the condition.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

} // namespace zz::test
