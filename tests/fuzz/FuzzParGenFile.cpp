// ParGen.xml: reading never crashes, and what is read is saved and read back unchanged. A list
// position outside its list is saved as "nothing selected", as the dialog saves it, so the
// property compares what is written: the saved file read back writes the same bytes.
#include "FuzzSupport.h"
#include "common/Errors.h"
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
    fuzz::require(parGenBytes(readParGen(saved)) == parGenBytes(values),
                  "the saved parameters read back different");
    return 0;
}
