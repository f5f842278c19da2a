// var.xml: reading never crashes, and the table proper is saved and read back unchanged.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "tables/TranslateTableFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zz;
    TranslateTableLoad load;
    try {
        load =
            readTranslateTableFile(fuzz::writeInputFile(kTranslateTableFileName, fuzz::asBytes(data, size)));
    } catch (const Error&) {
        return 0;
    }
    fuzz::require(load.rows.size() <= kTranslateRowCount, "more rows than the table holds");
    TranslateTable table;
    table.assign(load.rows);
    const QString saved = fuzz::freshPath(QStringLiteral("saved-") + kTranslateTableFileName);
    try {
        writeTranslateTableFile(table, saved);
    } catch (const Error&) {
        return 0; // a value XML cannot carry is refused, never written
    }
    TranslateTable again;
    again.assign(readTranslateTableFile(saved).rows);
    fuzz::require(again.length() == table.length(), "the saved table reads back with another length");
    for (int number = 1; number <= table.length(); ++number)
        fuzz::require(again.row(number) == table.row(number), "a saved row reads back different");
    return 0;
}
