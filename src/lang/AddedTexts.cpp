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
        {added::LanguageFileUnreadable,
         u"The language file could not be read, so the English texts are used. "},
        {added::FileUnreadableReplacedOnSave, u"The file could not be read, so nothing is taken from it and "
                                              u"the defaults are shown. Saving replaces "
                                              u"it. "},
        {added::ParGenFieldCannotBeHeld,
         u"%1: the text holds a character that the communication parameters file cannot hold."},
        {added::FunctionRowWrongFieldCount, u"Row %1 has %2 fields; a row of this grid has %3."},
        {added::SettingsUnreadable,
         u"The settings file could not be read, so the default settings are used. They replace it when the "
         u"settings are saved. "},
        {added::TranslateTableFlagUnreadable,
         u"The Translate Table step stays unavailable because the parameter file could not be read. "},
        {added::DeviceNotUpdated,
         u"The configuration image could not be written, so the device was not updated. "},
        {added::NameReservedByWindows, u"The name %1 is reserved by Windows."},
        {added::NameBeginsWithDot,
         u"A name cannot begin with a dot: on Linux such a folder is hidden and could not be opened again."},
        {added::NameHoldsCharacter, u"A name cannot hold the character %1."},
        {added::NameEndsWithDotOrBlank, u"A name cannot end with a dot or a blank."},
        {added::ParGenNotWellFormed,
         u"The communication parameters file could not be read, so the default values are shown. It will be "
         u"kept with the suffix .bad when the parameters are saved. "},
        {added::ParGenUnreadable,
         u"The communication parameters file could not be read, so the default values are shown. "},
        {added::ParGenNotSaved, u"The communication parameters could not be saved. "},
        {added::ParGenRootNotFirst, u"The communication parameters file does not begin with its parameter "
                                    u"element, so the default values "
                                    u"are shown, while the device would be sent the values the file holds. "
                                    u"It will be kept with the suffix "
                                    u".bad when the parameters are saved. "},
        {added::CheckParGenRootNotFirst, u"does not begin with its parameter element, so the dialog shows "
                                         u"the defaults; the values the device "
                                         u"would be sent are checked below"},
        {added::TableTooManyRows, u"%1 rows are more than the table holds (%2), so nothing is taken."},
        {added::CsvRowWithoutKey,
         u"Row %1 has an empty Slave ID TCP, which would end the table there, yet rows "
         u"follow it, so nothing is taken."},
        {added::CellCharacterNotSaved,
         u"Row %1, %2: the text holds a character that the table file cannot hold."},
        {added::CsvWrongFieldCount, u"Row %1 has %2 fields; a table row has 7."},
        {added::CsvQuoteNotClosed, u"A quoted field is not closed before the end of the file."},
        {added::InsertLosesLastRow,
         u"Row 2000 holds data, which is lost when a row is inserted. Insert the row anyway?"},
        {added::RowsNotSaved, u"The table ends at Row %1, whose Slave ID TCP is empty, so %2 row(s) holding "
                              u"data from there on will "
                              u"not be saved. Save anyway?"},
        {added::TooManyRows, u"The file %1 holds %2 rows; only the first %3 are shown. The others will not "
                             u"be kept if the table is "
                             u"saved; the file as it is now is then kept with the suffix .bad."},
        {added::RowLacksAttribute,
         u"Row %1 of the file %2 has no attribute %3, so it and the rows after it are not loaded. Saving "
         u"replaces them with what is shown; the file as it is now is then kept with the suffix .bad."},
        {added::CheckRowLacksAttribute, u"Row %1 has no attribute %2"},
        {added::CheckTooManyRows, u"holds %1 rows; only the first %2 are used"},
        {added::CheckRowsBeyondTable,
         u"the table ends at Row %1, whose Slave ID TCP is empty, yet %2 row(s) from there on hold data"},
        {added::RootNotFirst,
         u"The file %1 does not begin with the element that holds its rows, so none of them are read. Saving "
         u"replaces them with what is shown; the file as it is now is then kept with the suffix .bad."},
        {added::CheckRootNotFirst,
         u"does not begin with the element that holds its rows, so none of them are used"},
        {added::TableFileUnreadable, u"The table file could not be read, so nothing is taken from it and the "
                                     u"table shows its defaults. It "
                                     u"will be kept with the suffix .bad when the table is saved. "},
        {added::BankFileCaption, u"Start from a &bank file (optional)"},
        {added::BankFileBrowse, u"B&rowse..."},
        {added::BankFileChooserCaption, u"Choose the bank file to start from"},
        {added::BankFileChooserFilter, u"Bank files (*.bin);;All files (*)"},
        {added::BankFileUnreadable, u"The bank file %1 could not be read, so no configuration was created:"},
        {added::BankFileRefused, u"No configuration can be made from the bank file %1, so none was created:"},
        {added::RestoredFilesNotWritten,
         u"The files of the new configuration could not be written, so it was not created:"},
        {added::RestoredDefaultsTaken,
         u"The bank file does not hold these values, so the new configuration has the defaults:"},
        {added::NoWayToPing,
         u"This computer allows no way to send a ping (no ICMP socket and no ping program), so the device "
         u"cannot be checked. "},
        {added::UpdaterMissing, u"The update program was not found: "},
        {added::UpdaterNotStarted, u"The update program could not be started: "},
        {added::UpdateProgressCaption, u"Updating the device"},
        {added::UpdateProgressLabel, u"The update program is running... %1 s"},
        {added::JobFileNotSaved, u"The update job file could not be saved, so the update was not started. "},
        {added::ButtonYes, u"&Yes"},
        {added::ButtonNo, u"&No"},
        {added::ButtonOk, u"OK"},
        {added::AnalysisOverlap, u"Rows %1 and %2 both claim %3 addresses %5 to %6 of Slave ID TCP %4"},
        {added::AnalysisTcpOverflow, u"Row %1: the TCP block runs past address 65535 (to %2)"},
        {added::AnalysisSerialOverflow, u"Row %1: the serial block runs past address 65535 (to %2)"},
        {added::AnalysisFunctionDisabled,
         u"Row %1: %2 is read with function %3, which is switched off in Enabled Functions"},
        {added::AnalysisUnusedTable,
         u"The operation mode is Routing, so the %1 row(s) of the translate table are not used"},
        {added::AnalysisEmptyTable, u"The operation mode is NAT, yet the translate table has no row"},
        {added::AnalysisRowsNeedFunction,
         u"%1 row(s) of the translate table need this function, which is switched off"},
        {added::AnalysisUpdateProblems, u"The configuration has these problems:"},
        {added::AnalysisMoreLines, u"and %1 more"},
        {added::AnalysisWriteAnyway, u"Write the image anyway?"},
        {added::GridCopy, u"Copy"},
        {added::GridCut, u"Cut"},
        {added::GridPaste, u"Paste"},
        {added::GridClear, u"Clear"},
        {added::GridUndo, u"Undo"},
        {added::GridRedo, u"Redo"},
        {added::GridImportCsv, u"Import CSV..."},
        {added::GridExportCsv, u"Export CSV..."},
        {added::DeleteRowsQuestion, u"Are you sure to delete the %1 selected rows?"},
        {added::InsertLosesRows,
         u"%1 of the last rows hold data, which is lost when %2 rows are inserted. Insert the rows anyway?"},
        {added::FindingsCount, u"%1 finding(s) in the table"},
        {added::FindingsGoToNext, u"Go to the next finding (F8); Shift+F8 goes back"},
        {added::UpdaterStillRunning,
         u"The previous update is still running. Nothing was started; try again once it has ended."},
        {added::UpdaterEndedAfter, u"The update program ended after %1 s."},
        {added::FirmwareFileMissing,
         u"The firmware file does not exist, so nothing was written or started: "},
        {added::PingChecking, u"Checking the device..."},
    };
    return texts;
}

} // namespace zz
