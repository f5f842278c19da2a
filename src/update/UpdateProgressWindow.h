#pragma once

#include <QDialog>
#include <QTimer>
#include <chrono>

class QLabel;

namespace zz {

class TextTable;
class UpdaterRunner;

// Shown modally while the external updater runs, so that the rest of the program takes no
// input meanwhile; tells how long it has been running and closes by itself when the updater
// ends or the runner's time limit passes. The user cannot close it.
class UpdateProgressWindow : public QDialog {
    Q_OBJECT
public:
    UpdateProgressWindow(const TextTable& texts, UpdaterRunner& runner, QWidget* parent,
                         std::chrono::milliseconds refresh = std::chrono::seconds(1));

    // Runs modally until the updater started by `runner` ends; returns at once when it is not
    // running (any more).
    void waitForUpdater();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showElapsed();
    void updaterEnded();

    const TextTable& m_texts;
    UpdaterRunner& m_runner;
    QLabel* m_label;
    QTimer m_refresh;
    bool m_ended = false;
};

} // namespace zz
