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

QIcon drawnOr(const QString& path, QStyle::StandardPixmap fallback) {
    const QIcon drawn(path);
    return drawn.isNull() ? QApplication::style()->standardIcon(fallback) : drawn;
}

} // namespace zz::icons
