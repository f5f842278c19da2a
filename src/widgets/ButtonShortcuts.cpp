#include "widgets/ButtonShortcuts.h"

#include "lang/AltShortcuts.h"
#include "widgets/FlatButton.h"

#include <QLabel>
#include <QWidget>

namespace zz {

void assignAltShortcuts(QWidget* window) {
    // Letters that captions mark themselves (labels of fields, a translated "B&rowse...") stay.
    QString taken;
    const auto keepMarked = [&taken](const QString& caption) {
        const qsizetype marked = markedShortcutPosition(caption);
        if (marked >= 0)
            taken += caption.at(marked);
        return marked >= 0;
    };
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->window() == window && label->buddy() && label->textFormat() != Qt::RichText)
            keepMarked(label->text());
    }
    QList<FlatButton*> buttons;
    QStringList captions;
    for (FlatButton* button : window->findChildren<FlatButton*>()) {
        if (button->window() != window || button->text().isEmpty() || keepMarked(button->text()))
            continue;
        buttons.append(button);
        captions.append(button->text());
    }
    const QList<int> positions = altShortcutPositions(captions, taken);
    for (qsizetype i = 0; i < buttons.size(); ++i)
        buttons[i]->setAltShortcut(positions[i]);
}

} // namespace zz
