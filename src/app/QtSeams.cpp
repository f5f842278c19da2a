#include "app/QtSeams.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <utility>

namespace zz {

QtUserDialogs::QtUserDialogs(QString caption)
    : m_caption(std::move(caption)) {}

void QtUserDialogs::showError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, m_caption, text, QMessageBox::Ok);
}

void QtUserDialogs::showWarning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, m_caption, text, QMessageBox::Ok);
}

bool QtUserDialogs::askYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, m_caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void DesktopUrlOpener::open(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

} // namespace zz
