#pragma once

#include <QStringList>

class QWidget;

namespace zz::shots {

// Every character that a visible control of `window` shows and its font has no glyph for, as
// lines naming the control: such a character would be drawn as an empty box.
QStringList charactersWithoutGlyph(const QWidget& window);

} // namespace zz::shots
