#include "tables/TableEditCommand.h"

#include "tables/TranslateTableModel.h"

#include <utility>

namespace zz {

TableEditCommand::TableEditCommand(TranslateTableModel* model, TranslateTable before, TranslateTable after,
                                   const QString& text, bool applied)
    : QUndoCommand(text)
    , m_model(model)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_skipRedo(applied) {}

void TableEditCommand::undo() {
    m_model->replaceTable(m_before);
}

void TableEditCommand::redo() {
    if (m_skipRedo) {
        m_skipRedo = false;
        return;
    }
    m_model->replaceTable(m_after);
}

} // namespace zz
