#pragma once

#include "app/AppContext.h"
#include "options/VersionChecker.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>

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

// A workspace in a temporary folder with fake services around it.
struct GuiWorld {
    QTemporaryDir dir;
    UComon state;
    FakeUserDialogs dialogs;
    FakeUrlOpener urls;
    FakeVersionChecker versionChecker;
    AppContext context{state, dialogs, urls, versionChecker, QStringLiteral("http://127.0.0.1:9"), {}, {}};

    QString path(const QString& relative) const { return dir.filePath(relative); }
};

// Runs `action` once the modal dialog `objectName` is active (it was opened by something the
// test then does); fails the test when it does not open within a few seconds.
void whenModalOpens(const QString& objectName, std::function<void(QWidget*)> action);

// Processes events until `condition` holds or `timeoutMs` passes; returns the condition.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

} // namespace zz::test
