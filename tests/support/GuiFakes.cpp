#include "support/GuiFakes.h"

#include "app/Workspace.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <thread>

namespace zz::test {

EchoResult FakeIcmpEcho::echo(const QString& host, std::chrono::milliseconds timeout) {
    EchoResult result;
    std::chrono::milliseconds delay{0};
    {
        std::lock_guard lock(m_mutex);
        m_hosts.append(host);
        result = m_script[std::min(m_next++, m_script.size() - 1)];
        if (result == EchoResult::Answered)
            delay = m_answerDelay;
        else if (result == EchoResult::NoAnswer)
            delay = timeout;
    }
    std::this_thread::sleep_for(delay);
    return result;
}

void FakeIcmpEcho::answerInTurn(std::vector<EchoResult> script) {
    std::lock_guard lock(m_mutex);
    m_script = script.empty() ? std::vector<EchoResult>{EchoResult::NoAnswer} : std::move(script);
    m_next = 0;
}

void FakeIcmpEcho::setAnswerDelay(std::chrono::milliseconds delay) {
    std::lock_guard lock(m_mutex);
    m_answerDelay = delay;
}

QStringList FakeIcmpEcho::hosts() const {
    std::lock_guard lock(m_mutex);
    return m_hosts;
}

void GuiWorld::installStandInUpdater(int sleepMs) {
    const QString program = updaterProgramPath(dir.path());
    QFile::remove(program);
    const QString built = QDir(binDir()).filePath(QStringLiteral("zz-standin-updater"));
    ASSERT_TRUE(QFile::copy(built, program)) << qPrintable(built);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile(path(QStringLiteral("standin-sleep-ms")), QByteArray::number(sleepMs));
    installFirmwareFile();
}

void GuiWorld::installFirmwareFile() {
    QDir().mkpath(path(QStringLiteral("MASTER")));
    writeFile(path(QStringLiteral("MASTER/Sim883.sim")), "firmware");
}

QByteArray GuiWorld::standInRecord() const {
    return readFile(path(QStringLiteral("standin-run.txt")));
}

void whenModalOpens(const QString& objectName, std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, objectName, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == objectName && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
            return;
        }
        if (elapsed->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "modal dialog " << objectName.toStdString() << " did not open";
            if (modal)
                modal->close();
        }
    });
    timer->start();
}

NoModalAllowed::NoModalAllowed()
    : m_timer(new QTimer) {
    m_timer->setInterval(5);
    QObject::connect(m_timer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal window " << modal->objectName().toStdString();
            modal->close();
        }
    });
    m_timer->start();
}

NoModalAllowed::~NoModalAllowed() {
    delete m_timer;
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void GuiWorld::startWithConfiguration(const QString& name) {
    runWorkspaceStartUp(state, dir.path());
    QDir().mkpath(path(QStringLiteral("PROJECTS/") + name));
    activateConfiguration(state, name);
}

void RealErrorBoxDialogs::showError(QWidget* parent, const QString& text) {
    errors.append(text);
    QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("Box_Error"));
    whenModalOpens(QStringLiteral("Box_Error"), [this](QWidget* modal) {
        boxHadFocus = QTest::qWaitFor([modal] { return modal->isAncestorOf(QApplication::focusWidget()); });
        static_cast<QDialog*>(modal)->accept();
    });
    box.exec();
}

AppContext contextWithDialogs(GuiWorld& world, UserDialogs& dialogs) {
    return AppContext{world.state,
                      dialogs,
                      world.urls,
                      world.versionChecker,
                      world.context.server,
                      {},
                      {},
                      world.echo,
                      world.context.pingLimits,
                      world.updater,
                      world.fileChooser};
}

} // namespace zz::test
