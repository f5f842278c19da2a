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
        {added::TranslateTableFlagUnreadable,
         u"The Translate Table step stays unavailable because the parameter file could not be read. "},
        {added::ParGenNotWellFormed,
         u"The communication parameters file could not be read, so the default values are shown. It will be "
         u"kept with the suffix .bad when the parameters are saved. "},
        {added::ParGenUnreadable,
         u"The communication parameters file could not be read, so the default values are shown. "},
        {added::ParGenNotSaved, u"The communication parameters could not be saved. "},
    };
    return texts;
}

} // namespace zz
