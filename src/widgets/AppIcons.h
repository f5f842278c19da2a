#pragma once

#include <QIcon>
#include <QMessageBox>
#include <QStyle>

namespace zz::icons {

// The pictures drawn for the program, compiled in as SVG; the SVG icon engine draws them
// afresh at every size and screen scale.
inline constexpr char kApplicationPath[] = ":/icons/zevazerazu.svg";
inline constexpr char kInformationPath[] = ":/icons/information.svg";
inline constexpr char kOptionsPath[] = ":/icons/options.svg";
inline constexpr char kClosePath[] = ":/icons/close.svg";
inline constexpr char kWarningPath[] = ":/icons/warning.svg";
inline constexpr char kQuestionPath[] = ":/icons/question.svg";

QIcon application();
QIcon information();
QIcon options();
QIcon close();
QIcon warning();
// The error box shows the close button's red disc and cross: one picture for "stop" throughout.
QIcon error();
QIcon question();

// The drawn picture for a message box of kind `icon`; null for NoIcon.
QIcon messageBoxIcon(QMessageBox::Icon icon);

// The drawn picture at `path`, or the style's `fallback` where it cannot be drawn (a system
// without the SVG icon engine), so that no button is left blank.
QIcon drawnOr(const QString& path, QStyle::StandardPixmap fallback);

} // namespace zz::icons
