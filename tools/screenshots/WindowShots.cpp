#include "screenshots/WindowShots.h"

#include "app/UZevazerazueFirmWare.h"
#include "app/Workspace.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "screenshots/GlyphCheck.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <utility>

namespace zz::shots {

namespace {

constexpr int kOpeningTimeLimitMs = 5000;

} // namespace

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

WindowShots::WindowShots(TFZevazerazueFirmWare& mainWindow, QString outputDir)
    : m_mainWindow(mainWindow)
    , m_outputDir(std::move(outputDir)) {}

void WindowShots::takeMainWindow(const QString& name) {
    settle();
    save(m_mainWindow, name);
}

void WindowShots::takeDialog(const QString& buttonName, const QString& dialogName, const QString& name) {
    auto* button = m_mainWindow.findChild<FlatButton*>(buttonName);
    if (!button || !button->isEnabled()) {
        m_failures.append(QStringLiteral("%1: the button %2 is missing or disabled").arg(name, buttonName));
        return;
    }
    // The dialog runs its own event loop inside the click; the timer finds it there.
    bool pictured = false;
    QTimer watch;
    QElapsedTimer waited;
    waited.start();
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == dialogName && modal->isVisible()) {
            watch.stop();
            settle();
            save(*modal, name);
            pictured = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        } else if (waited.elapsed() > kOpeningTimeLimitMs) {
            watch.stop();
            if (modal)
                modal->close();
        }
    });
    watch.start();
    // A click as the keyboard gives it: no pointer is left over the button.
    button->click();
    watch.stop();
    if (!pictured)
        m_failures.append(
            QStringLiteral("%1: %2 did not open the dialog %3").arg(name, buttonName, dialogName));
}

void WindowShots::save(QWidget& window, const QString& name) {
    for (const QString& line : charactersWithoutGlyph(window))
        m_failures.append(QStringLiteral("%1: no glyph for %2").arg(name, line));
    const QImage image = window.grab().toImage();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        m_failures.append(QStringLiteral("%1: the window could not be pictured").arg(name));
        return;
    }
    const QString path = joinPath(m_outputDir, name + QStringLiteral(".png"));
    try {
        writeFileAtomically(path, png);
        m_written.append(path);
    } catch (const Error& e) {
        m_failures.append(e.message());
    }
}

} // namespace zz::shots
