#pragma once

// Messages the program adds for the cases it handles beyond the classic behaviour. They take
// the reserved indices from 612 upward, are English when built in and translatable like any
// other entry. Each subsystem owns a block of ten.
namespace zz::added {

// 612-619: files that cannot be read or saved, and values or pastes they cannot take
inline constexpr int SettingsNotWellFormed = 612;
inline constexpr int SettingsNotSaved = 613;
inline constexpr int LanguageFileUnreadable = 614;
inline constexpr int SettingsUnreadable = 615;
inline constexpr int FileUnreadableReplacedOnSave = 616;
inline constexpr int ParGenFieldCannotBeHeld = 617;    // %1 the field's caption
inline constexpr int FunctionRowWrongFieldCount = 618; // %1 row, %2 its fields, %3 the grid's columns

// 620-629: main window and configurations
inline constexpr int TranslateTableFlagUnreadable = 620;
inline constexpr int DeviceNotUpdated = 621;
// 623-626: why a new configuration name is refused (the second line under text 30)
inline constexpr int NameReservedByWindows = 623; // %1 the reserved name as typed
inline constexpr int NameBeginsWithDot = 624;
inline constexpr int NameHoldsCharacter = 625; // %1 the character
inline constexpr int NameEndsWithDotOrBlank = 626;
// 630-639: communication parameters
inline constexpr int ParGenNotWellFormed = 630;
inline constexpr int ParGenUnreadable = 631;
inline constexpr int ParGenNotSaved = 632;
inline constexpr int ParGenRootNotFirst = 633;
inline constexpr int CheckParGenRootNotFirst = 634;
// 635-639: translate table CSV and editing
inline constexpr int TableTooManyRows = 635;      // %1 rows offered, %2 rows the grid holds
inline constexpr int CsvRowWithoutKey = 636;      // %1 the row with an empty Slave ID TCP
inline constexpr int CellCharacterNotSaved = 637; // %1 row, %2 column header
inline constexpr int CsvWrongFieldCount = 638;    // %1 row, %2 fields on it
inline constexpr int CsvQuoteNotClosed = 639;
// 640-649: translate table and enabled functions
inline constexpr int InsertLosesLastRow = 640;
inline constexpr int RowsNotSaved = 641;           // %1 the row that ends the table, %2 rows lost
inline constexpr int TooManyRows = 642;            // %1 file, %2 rows in it, %3 rows kept
inline constexpr int RowLacksAttribute = 643;      // %1 row, %2 file, %3 attribute
inline constexpr int CheckRowLacksAttribute = 644; // %1 row, %2 attribute
inline constexpr int CheckTooManyRows = 645;       // %1 rows in the file, %2 rows used
inline constexpr int CheckRowsBeyondTable = 646;   // %1 the row that ends the table, %2 rows after it
inline constexpr int RootNotFirst = 647;           // %1 file
inline constexpr int CheckRootNotFirst = 648;
inline constexpr int TableFileUnreadable = 649;
// 650-659: configuration image and bank file
// 650-657: a new configuration started from a bank file
inline constexpr int BankFileCaption = 650; // the field's label
inline constexpr int BankFileBrowse = 651;
inline constexpr int BankFileChooserCaption = 652;
inline constexpr int BankFileChooserFilter = 653;
inline constexpr int BankFileUnreadable = 654;      // %1 file; the problem follows on the next line
inline constexpr int BankFileRefused = 655;         // %1 file; the reasons follow, one a line
inline constexpr int RestoredFilesNotWritten = 656; // the file and the problem follow
inline constexpr int RestoredDefaultsTaken = 657;   // the values follow, one a line
// 660-669: device update
inline constexpr int NoWayToPing = 660;
inline constexpr int UpdaterMissing = 661;
inline constexpr int UpdaterNotStarted = 662;
inline constexpr int UpdateProgressCaption = 663;
inline constexpr int UpdateProgressLabel = 664; // %1: whole seconds since the start
inline constexpr int JobFileNotSaved = 665;
inline constexpr int UpdaterStillRunning = 666;
inline constexpr int UpdaterEndedAfter = 667;   // %1: whole seconds from its start
inline constexpr int FirmwareFileMissing = 668; // followed by the file
inline constexpr int PingChecking = 669;

// 627-629: message-box buttons
inline constexpr int ButtonYes = 627;
inline constexpr int ButtonNo = 628;
inline constexpr int ButtonOk = 629;
// 670-679, 690-694: consistency analysis of a configuration
inline constexpr int AnalysisOverlap = 670;        // %1, %2 rows, %3 data type, %4 Slave ID TCP, %5-%6 range
inline constexpr int AnalysisTcpOverflow = 671;    // %1 row, %2 last address
inline constexpr int AnalysisSerialOverflow = 672; // %1 row, %2 last address
inline constexpr int AnalysisFunctionDisabled = 673; // %1 row, %2 data type, %3 function code
inline constexpr int AnalysisUnusedTable = 674;      // %1 rows
inline constexpr int AnalysisEmptyTable = 675;
inline constexpr int AnalysisRowsNeedFunction = 676; // %1 rows
inline constexpr int AnalysisUpdateProblems = 677;
inline constexpr int AnalysisMoreLines = 678; // %1 lines not listed
inline constexpr int AnalysisWriteAnyway = 679;
// 680-689: editing the translate table grid
inline constexpr int GridCopy = 680;
inline constexpr int GridCut = 681;
inline constexpr int GridPaste = 682;
inline constexpr int GridClear = 683;
inline constexpr int GridUndo = 684;
inline constexpr int GridRedo = 685;
inline constexpr int GridImportCsv = 686;
inline constexpr int GridExportCsv = 687;
inline constexpr int DeleteRowsQuestion = 688; // %1 rows selected
inline constexpr int InsertLosesRows = 689;    // %1 rows holding data that fall off, %2 rows inserted
inline constexpr int FindingsCount = 690;      // %1 findings that mark cells of the translate table
inline constexpr int FindingsGoToNext = 691;   // tooltip of that count

// Blocks of the additions beyond the classic behaviour:
//   617-619, 622-626  file safety, grid pastes and configuration names
//   627-629           message-box buttons
//   635-639, 680-689  translate table editing and CSV
//   650-659           configuration restored from a bank file
//   666-669, 695-699  desktop windows and the device update
//   670-679, 690-694  consistency analysis of a configuration

} // namespace zz::added
