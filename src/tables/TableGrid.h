#pragma once

#include <QTableView>

class QAbstractButton;

namespace zz {

// The grid of the table dialogs. Its buttons act on what the user typed, so an edit still open
// in a cell can be ended on demand; the corner above the row numbers can carry a caption.
class TableGrid : public QTableView {
    Q_OBJECT
public:
    TableGrid(const QString& objectName, QWidget* parent);

    // Writes the open cell editor to the model and closes it; nothing when no cell is edited.
    void commitOpenEditor();

    // The grid row of the current cell (model row + 1), or 0 when there is none.
    int currentRowNumber() const;

    // The caption drawn in the corner button above the vertical header, which then is at least
    // as wide as the caption.
    void setCornerText(const QString& text);
    QString cornerText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape that ends a cell edit is often pressed twice; the second one must not close the
    // dialog and throw away the table, so the grid keeps it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintCorner();

    QAbstractButton* m_corner = nullptr;
};

} // namespace zz
