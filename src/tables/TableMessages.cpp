#include "tables/TableMessages.h"

#include "common/TextRules.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/TranslateTable.h"

namespace zz {

std::optional<QString> cellCharacterRefusal(QStringView text, int row, int column, const TextTable& texts) {
    if (firstCharacterXmlCannotCarry(text) < 0)
        return std::nullopt;
    return texts[added::CellCharacterNotSaved].arg(QString::number(row),
                                                   texts[kTranslateFirstHeaderText + column]);
}

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
