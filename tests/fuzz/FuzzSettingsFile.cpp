// Zevazerazu.xml: reading never crashes, and what is read is saved and read back unchanged.
#include "FuzzSupport.h"
#include "app/SettingsFile.h"
#include "common/Errors.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zz;
    UComon read;
    try {
        readSettings(read, fuzz::writeInputFile(kSettingsFileName, fuzz::asBytes(data, size)));
    } catch (const Error&) {
        return 0;
    }
    // Save into the same folder, over the input.
    read.AppDir = QFileInfo(fuzz::freshPath(kSettingsFileName)).path();
    try {
        Save_Setting(read);
    } catch (const Error&) {
        return 0; // a value XML cannot carry is refused, never written
    }
    UComon again;
    readSettings(again, settingsFilePath(read));
    fuzz::require(again.LastProjectName == read.LastProjectName &&
                      again.LastIpAddress == read.LastIpAddress && again.LanguageName == read.LanguageName &&
                      again.EnableInternet == read.EnableInternet &&
                      again.EnableUpdateCheck == read.EnableUpdateCheck,
                  "the saved settings read back different");
    return 0;
}
