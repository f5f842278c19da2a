#include "lang/AltShortcuts.h"

#include <QSet>

namespace zz {

namespace {

bool canBeShortcut(QChar c) {
    return c.isLetterOrNumber() && !c.isSurrogate();
}

bool startsWord(const QString& caption, qsizetype at) {
    return at == 0 || !caption.at(at - 1).isLetterOrNumber();
}

} // namespace

qsizetype markedShortcutPosition(QStringView caption) {
    for (qsizetype at = 0; at + 1 < caption.size(); ++at) {
        if (caption.at(at) != u'&')
            continue;
        if (canBeShortcut(caption.at(at + 1)))
            return at + 1;
        if (caption.at(at + 1) == u'&')
            ++at; // an escaped ampersand
    }
    return -1;
}

QList<int> altShortcutPositions(const QStringList& captions, const QString& alreadyTaken) {
    QSet<QChar> taken;
    for (const QChar c : alreadyTaken)
        taken.insert(c.toCaseFolded());
    QList<int> positions;
    for (const QString& caption : captions) {
        int chosen = -1;
        for (const bool wordStartsOnly : {true, false}) {
            for (qsizetype at = 0; at < caption.size() && chosen < 0; ++at) {
                const QChar c = caption.at(at);
                if (canBeShortcut(c) && startsWord(caption, at) == wordStartsOnly &&
                    !taken.contains(c.toCaseFolded()))
                    chosen = static_cast<int>(at);
            }
        }
        if (chosen >= 0)
            taken.insert(caption.at(chosen).toCaseFolded());
        positions.append(chosen);
    }
    return positions;
}

} // namespace zz
