// ParGen.xml: reading never crashes, and what is read is saved and read back unchanged. A list
// position outside its list is saved as "nothing selected", as the dialog saves it, so the
// property compares what is written: the saved file read back writes the same bytes. An idle
// time that is not a whole number above 0 is saved switched off, so it reads back as "0".
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "common/TextRules.h"
#include "params/ParGenFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zz;
    const QString path = fuzz::writeInputFile(kParGenFileName, fuzz::asBytes(data, size));
    GeneralParameters values;
    try {
        values = readParGen(path);
    } catch (const Error&) {
        return 0;
    }
    const QString saved = fuzz::freshPath(QStringLiteral("saved-") + kParGenFileName);
    try {
        writeParGen(values, saved);
    } catch (const Error&) {
        return 0; // a value XML cannot carry is refused, never written
    }
    GeneralParameters readBack = readParGen(saved);
    if (wholeNumberOr(values.idleTime, -1) <= 0) {
        fuzz::require(readBack.idleTime == QStringLiteral("0"),
                      "a switched-off idle time read back other than 0");
        readBack.idleTime = values.idleTime;
    }
    fuzz::require(parGenBytes(readBack) == parGenBytes(values), "the saved parameters read back different");
    return 0;
}
