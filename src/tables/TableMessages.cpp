#include "tables/TableMessages.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/TranslateTable.h"

namespace zz {

QString deleteRowQuestion(const TextTable& texts, int row) {
    return texts[kDeleteRowQuestionText] + QString::number(row);
}

QString insertLosesLastRowQuestion(const TextTable& texts) {
    return texts[added::InsertLosesLastRow];
}

QString deleteRowsQuestion(const TextTable& texts, int count) {
    return texts[added::DeleteRowsQuestion].arg(count);
}

QString insertLosesRowsQuestion(const TextTable& texts, int lost, int inserted) {
    return texts[added::InsertLosesRows].arg(lost).arg(inserted);
}

QString rowsNotSavedQuestion(const TextTable& texts, const TranslateTable& table) {
    return texts[added::RowsNotSaved].arg(QString::number(table.length() + 1),
                                          QString::number(table.rowsHoldingDataBeyondTable()));
}

} // namespace zz
