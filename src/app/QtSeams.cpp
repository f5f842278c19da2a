#include "app/QtSeams.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <utility>

namespace zz {

QtUserDialogs::QtUserDialogs(QString caption)
    : m_caption(std::move(caption)) {}

namespace {

// Texts can hold file and language names; they are never read as markup.
int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void QtUserDialogs::showError(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Critical, m_caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtUserDialogs::showWarning(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Warning, m_caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtUserDialogs::askYesNo(QWidget* parent, const QString& text) {
    return showBox(parent, QMessageBox::Question, m_caption, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::No) == QMessageBox::Yes;
}

void DesktopUrlOpener::open(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace zz
