#include "update/UpdateProgressWindow.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "update/UpdaterRunner.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace zz {

UpdateProgressWindow::UpdateProgressWindow(const TextTable& texts, UpdaterRunner& runner, QWidget* parent,
                                           std::chrono::milliseconds refresh)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_texts(texts)
    , m_runner(runner)
    , m_label(new QLabel(this)) {
    setObjectName(QStringLiteral("FUpdateProgress"));
    setWindowTitle(texts[added::UpdateProgressCaption]);
    setModal(true);

    m_label->setObjectName(QStringLiteral("L_Progress"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setMinimumWidth(300);
    auto* busy = new QProgressBar(this);
    busy->setObjectName(QStringLiteral("PB_Busy"));
    busy->setRange(0, 0); // how long the updater takes is not known
    busy->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(m_label);
    layout->addWidget(busy);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_refresh.setInterval(refresh);
    connect(&m_refresh, &QTimer::timeout, this, &UpdateProgressWindow::showElapsed);
    connect(&m_runner, &UpdaterRunner::finished, this, &UpdateProgressWindow::updaterEnded);
    showElapsed();
}

void UpdateProgressWindow::waitForUpdater() {
    if (m_ended || !m_runner.isRunning())
        return;
    m_refresh.start();
    exec();
    m_refresh.stop();
}

void UpdateProgressWindow::showElapsed() {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(m_runner.elapsed()).count();
    m_label->setText(m_texts[added::UpdateProgressLabel].arg(seconds));
}

void UpdateProgressWindow::updaterEnded() {
    m_ended = true;
    showElapsed();
    if (isVisible())
        accept();
}

// Escape does not close it: the wait ends only with the updater or the time limit.
void UpdateProgressWindow::reject() {
    if (m_ended)
        QDialog::reject();
}

void UpdateProgressWindow::closeEvent(QCloseEvent* event) {
    if (m_ended)
        event->accept();
    else
        event->ignore();
}

} // namespace zz
