// EnableFunctions.xml: reading never crashes, and the list is saved and read back unchanged.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "tables/EnabledFunctions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zz;
    EnabledFunctionsLoad load;
    try {
        load = readEnabledFunctionsFile(
            fuzz::writeInputFile(kEnabledFunctionsFileName, fuzz::asBytes(data, size)));
    } catch (const Error&) {
        return 0;
    }
    const QString saved = fuzz::freshPath(QStringLiteral("saved-") + kEnabledFunctionsFileName);
    try {
        writeEnabledFunctionsFile(load.list, saved);
    } catch (const Error&) {
        return 0; // a value XML cannot carry is refused, never written
    }
    fuzz::require(readEnabledFunctionsFile(saved).list == load.list, "the saved list reads back different");
    return 0;
}
