#include "screenshots/GlyphCheck.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>

namespace zz::shots {

namespace {

// The first rows are the ones a picture shows.
constexpr int kRowsLookedAt = 60;

QStringList textsOf(const QWidget& widget) {
    QStringList texts;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->textFormat() == Qt::PlainText) {
            texts.append(label->text());
        } else {
            QTextDocument document;
            document.setHtml(label->text());
            texts.append(document.toPlainText());
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        texts.append(button->text());
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        texts.append(edit->text());
    } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        texts.append(combo->currentText());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        texts.append(group->title());
    } else if (const auto* header = qobject_cast<const QHeaderView*>(&widget)) {
        if (const QAbstractItemModel* model = header->model()) {
            for (int section = 0; section < header->count(); ++section)
                texts.append(model->headerData(section, header->orientation()).toString());
        }
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget)) {
        if (const QAbstractItemModel* model = view->model()) {
            const QModelIndex root = view->rootIndex();
            for (int row = 0; row < std::min(model->rowCount(root), kRowsLookedAt); ++row)
                for (int column = 0; column < model->columnCount(root); ++column)
                    texts.append(model->index(row, column, root).data().toString());
        }
    }
    return texts;
}

} // namespace

QStringList charactersWithoutGlyph(const QWidget& window) {
    QStringList lines;
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>())
        widgets.append(child);
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&window) && widget != &window)
            continue;
        const QFontMetrics metrics(widget->font());
        for (const QString& text : textsOf(*widget)) {
            for (const char32_t character : text.toUcs4()) {
                if (character < 0x20 || character == 0x7f || QChar::isSpace(character) ||
                    metrics.inFontUcs4(character))
                    continue;
                lines.append(
                    QStringLiteral("%1 (%2): U+%3 in \"%4\"")
                        .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()))
                        .arg(static_cast<uint>(character), 4, 16, QLatin1Char('0'))
                        .arg(text));
            }
        }
    }
    return lines;
}

} // namespace zz::shots
