#include "widgets/AppIcons.h"

#include <QApplication>

namespace zz::icons {

QIcon application() {
    return QIcon(QString::fromLatin1(kApplicationPath));
}

QIcon information() {
    return drawnOr(QString::fromLatin1(kInformationPath), QStyle::SP_MessageBoxInformation);
}

QIcon options() {
    return drawnOr(QString::fromLatin1(kOptionsPath), QStyle::SP_FileDialogDetailedView);
}

QIcon close() {
    return drawnOr(QString::fromLatin1(kClosePath), QStyle::SP_DialogCloseButton);
}

QIcon warning() {
    return drawnOr(QString::fromLatin1(kWarningPath), QStyle::SP_MessageBoxWarning);
}

QIcon error() {
    return drawnOr(QString::fromLatin1(kClosePath), QStyle::SP_MessageBoxCritical);
}

QIcon question() {
    return drawnOr(QString::fromLatin1(kQuestionPath), QStyle::SP_MessageBoxQuestion);
}

QIcon messageBoxIcon(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Information:
        return information();
    case QMessageBox::Warning:
        return warning();
    case QMessageBox::Critical:
        return error();
    case QMessageBox::Question:
        return question();
    case QMessageBox::NoIcon:
        break;
    }
    return {};
}

QIcon drawnOr(const QString& path, QStyle::StandardPixmap fallback) {
    const QIcon drawn(path);
    return drawn.isNull() ? QApplication::style()->standardIcon(fallback) : drawn;
}

} // namespace zz::icons
