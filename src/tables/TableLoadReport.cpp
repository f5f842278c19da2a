#include "tables/TableLoadReport.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"

namespace zz {

QString TableLoadReport::notice(const TextTable& texts) const {
    if (rootNotFirst)
        return texts[added::RootNotFirst].arg(file);
    // A missing attribute stops the loading, so it also covers any rows beyond the limit.
    if (missing)
        return texts[added::RowLacksAttribute].arg(QString::number(missing->row), file, missing->attribute);
    if (tooManyRows())
        return texts[added::TooManyRows].arg(file, QString::number(rowsInFile), QString::number(rowLimit));
    return {};
}

} // namespace zz
