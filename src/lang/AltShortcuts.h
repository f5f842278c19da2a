#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zz {

// The position of the character a caption marks as its own Alt shortcut ("B&rowse" marks the
// "r"), or -1. Only a letter or digit can be marked: "&&" is an ampersand, and so is a "&"
// before anything else ("Save & close").
qsizetype markedShortcutPosition(QStringView caption);

// The Alt shortcut of each caption of one window, as the position of its letter in the caption,
// or -1 when every letter or digit it holds is taken. `taken` holds the letters other controls
// of the window already use. Captions are served in order: each takes the first word start not
// yet taken, else any other letter or digit not yet taken (letter case ignored), so the same
// captions always get the same letters.
QList<int> altShortcutPositions(const QStringList& captions, const QString& taken = {});

} // namespace zz
