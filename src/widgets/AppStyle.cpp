#include "widgets/AppStyle.h"

#include "widgets/AppIcons.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace zz::style {

QFont applicationFont() {
    const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                               ? QStringLiteral("Verdana")
                               : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont font(family);
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void applyApplicationStyle(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(applicationFont());
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, kFillColor);
    palette.setColor(QPalette::Button, kFillColor);
    palette.setColor(QPalette::Link, kLinkColor);
    QApplication::setPalette(palette);
    app.setApplicationDisplayName(QString());
    // Set once here, every window and message box shows it.
    QApplication::setWindowIcon(icons::application());
    // Wayland ignores the window icon and takes the installed desktop entry's instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zevazerazu.Zevazerazu"));
}

QFont titleFont(int points) {
    QFont font = applicationFont();
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

void centerOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(available.center());
    window->move(frame.topLeft());
}

} // namespace zz::style
