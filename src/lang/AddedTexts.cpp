#include "lang/AddedTexts.h"

#include "lang/TextTable.h"

namespace zz {

// Kept beside the built-in table so that a translator finds every entry in one place.
const std::vector<AddedText>& addedTexts() {
    static const std::vector<AddedText> texts = {
        {added::SettingsNotWellFormed,
         u"The settings file could not be read, so the default settings are used. It will be kept with the "
         u"suffix .bad when the settings are saved. "},
        {added::SettingsNotSaved, u"The settings could not be saved. "},
        {added::LanguageFileUnreadable, u"The language file could not be read, so the English texts are used. "},
        {added::NoWayToPing,
         u"This computer allows no way to send a ping (no ICMP socket and no ping program), so the device "
         u"cannot be checked. "},
        {added::UpdaterMissing, u"The update program was not found: "},
        {added::UpdaterNotStarted, u"The update program could not be started: "},
        {added::UpdateProgressCaption, u"Updating the device"},
        {added::UpdateProgressLabel, u"The update program is running... %1 s"},
        {added::JobFileNotSaved, u"The update job file could not be saved, so the update was not started. "},
    };
    return texts;
}

} // namespace zz
