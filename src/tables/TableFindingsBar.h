#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace zz {

class TableFindingsProxy;
class TableGrid;
class TextTable;
struct GridCell;

// The line that says how many findings the translate table has and steps through them: a
// click on the count or F8 goes to the next, Shift+F8 to the previous. The findings about the
// whole table are shown as their messages. Hidden when there is nothing to say.
class TableFindingsBar : public QWidget {
    Q_OBJECT
public:
    // The shortcuts act anywhere in `window`.
    TableFindingsBar(TableFindingsProxy* findings, TableGrid* grid, const TextTable& texts, QWidget* window);

    void goToNextFinding();
    void goToPreviousFinding();

private:
    void refresh();
    void goTo(bool forward);

    TableFindingsProxy* m_findings;
    TableGrid* m_grid;
    const TextTable& m_texts;
    QLabel* m_icon;
    QPushButton* m_count;
    QLabel* m_tableMessages;
};

} // namespace zz
