#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zz {
class TFZevazerazueFirmWare;
}

namespace zz::shots {

// Takes the pictures of the main window and of the dialogs it opens, as the user sees them,
// into `<outputDir>/<name>.png`. Whatever goes wrong is collected in failures().
class WindowShots {
public:
    WindowShots(TFZevazerazueFirmWare& mainWindow, QString outputDir);

    // The main window as it stands.
    void takeMainWindow(const QString& name);
    // Clicks the main window's button `buttonName`, pictures the modal dialog `dialogName` it
    // opens and then cancels that dialog, so that nothing is saved.
    void takeDialog(const QString& buttonName, const QString& dialogName, const QString& name);

    const QStringList& written() const { return m_written; }
    const QStringList& failures() const { return m_failures; }

private:
    void save(QWidget& window, const QString& name);

    TFZevazerazueFirmWare& m_mainWindow;
    QString m_outputDir;
    QStringList m_written;
    QStringList m_failures;
};

// Lets pending layouts, paints and zero-time timers run, so that a window is pictured as it
// settles after opening.
void settle();

} // namespace zz::shots
