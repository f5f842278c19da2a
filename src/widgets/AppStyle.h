#pragma once

#include <QColor>
#include <QFont>

class QApplication;
class QWidget;

namespace zz::style {

inline const QColor kFillColor{248, 247, 237};
inline const QColor kPressedColor{255, 128, 0};
inline const QColor kHotColor{255, 224, 178};
inline const QColor kFrameColor{160, 156, 140};
inline const QColor kDisabledFrameColor{200, 198, 190};
inline const QColor kDisabledTextColor{160, 160, 160};
inline const QColor kFocusColor{90, 90, 90};
inline const QColor kStepLabelColor{128, 128, 128};
inline const QColor kTitleBandColor{255, 255, 255};
inline const QColor kLinkColor{0, 0, 255};

// Verdana 8 pt where the system has it, else the platform's sans-serif at the same size.
QFont applicationFont();

// The look every window shares: the font, the fill colour, a style that draws alike on
// every platform and the program's icon.
void applyApplicationStyle(QApplication& app);

// A bold font `points` in size for titles.
QFont titleFont(int points);

// Places a top-level window in the middle of the screen it is on.
void centerOnScreen(QWidget* window);

} // namespace zz::style
