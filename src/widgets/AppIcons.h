#pragma once

#include <QIcon>
#include <QStyle>

namespace zz::icons {

// The pictures drawn for the program, compiled in as SVG; the SVG icon engine draws them
// afresh at every size and screen scale.
inline constexpr char kApplicationPath[] = ":/icons/zevazerazu.svg";
inline constexpr char kInformationPath[] = ":/icons/information.svg";
inline constexpr char kOptionsPath[] = ":/icons/options.svg";
inline constexpr char kClosePath[] = ":/icons/close.svg";

QIcon application();
QIcon information();
QIcon options();
QIcon close();

// The drawn picture at `path`, or the style's `fallback` where it cannot be drawn (a system
// without the SVG icon engine), so that no button is left blank.
QIcon drawnOr(const QString& path, QStyle::StandardPixmap fallback);

} // namespace zz::icons
