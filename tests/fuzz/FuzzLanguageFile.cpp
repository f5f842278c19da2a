// A language file: decoding and applying it never crashes, and a file that cannot be read
// leaves the table as it was.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "lang/TextTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zz;
    const QByteArray bytes = fuzz::asBytes(data, size);
    decodeTextLines(bytes);

    TextTable texts;
    texts.LoadDefaultTexts();
    const QStringList defaults = texts.entries();
    try {
        const LanguageFileReport report =
            texts.LoadLanguageFile(fuzz::writeInputFile(QStringLiteral("English.lng"), bytes));
        fuzz::require(report.appliedLines >= 0, "a negative count of applied lines");
    } catch (const Error&) {
        fuzz::require(texts.entries() == defaults, "a file that could not be read changed the table");
    }
    fuzz::require(texts.TextCount() == 700 && texts.entries().size() == 700,
                  "the table lost its 700 entries");
    return 0;
}
