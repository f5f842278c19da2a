#pragma once

#include "tables/TranslateTable.h"

#include <QUndoCommand>

namespace zz {

class TranslateTableModel;

// One undo step of the translate grid: the whole table before and after it. Tables share their
// unchanged rows, so a step costs little more than what it changed.
class TableEditCommand : public QUndoCommand {
public:
    // `applied`: the model already holds `after`, so the first redo has nothing to do.
    TableEditCommand(TranslateTableModel* model, TranslateTable before, TranslateTable after,
                     const QString& text, bool applied);

    void undo() override;
    void redo() override;

private:
    TranslateTableModel* m_model;
    TranslateTable m_before;
    TranslateTable m_after;
    bool m_skipRedo;
};

} // namespace zz
