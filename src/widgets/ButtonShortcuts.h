#pragma once

class QWidget;

namespace zz {

// Gives every captioned flat button of `window` (not those of windows above it) its Alt
// shortcut from the captions as they stand; called again after each change of language.
void assignAltShortcuts(QWidget* window);

} // namespace zz
