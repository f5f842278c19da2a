#pragma once

class QScrollArea;
class QWidget;

namespace zz {

// Puts `content` into a scroll area, so that the window around it can be smaller than the
// content and still reach every control. The content keeps its own minimum size, which keeps
// its controls readable; scroll bars appear only when the window is smaller than that.
QScrollArea* scrollingContent(QWidget* content, QWidget* parent);

// Shrinks a top-level window to the available area of its screen (never below its minimum
// size), so that no part of it, least of all its buttons, lies off the screen.
void fitToScreen(QWidget* window);

} // namespace zz
