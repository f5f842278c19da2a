#pragma once

#include "lang/TextTable.h"

#include <QString>

namespace zz {

inline const QString ProgramVersion = QStringLiteral("1.002");
inline const QString kMainTitle =
    QStringLiteral("Ostrel - Configurator KT883 - Modbus TCP Slave / Modbus Master ");
inline const QString kSoftwareCode = QStringLiteral("KT883");
inline const QString kSoftwareDescription = QStringLiteral("Modbus TCP Slave / Modbus Master - Converter");
inline const QString kDefaultIpAddress = QStringLiteral("192.168.2.205");
inline const QString kDefaultLanguage = QStringLiteral("English");

// The program-wide shared state. Every window reads it; only the workspace start-up, the
// configuration lifecycle, the language loading, the options dialog and the Ethernet update
// dialog write it (each field says who).
struct UComon {
    // Workspace folders, set by the start-up.
    QString AppDir;
    QString MasterDir;
    QString ProjectsDir;
    QString LanguageDir;

    // Active configuration; ProjectDir empty means none is active. Written by the start-up
    // and by New and Open.
    QString LastProjectName;
    QString ProjectDir;

    // Remembered settings. LastIpAddress is also written by the Ethernet update dialog,
    // LanguageName by the language loading and by the options dialog's OK, the two flags by
    // the options dialog's OK.
    QString LastIpAddress = kDefaultIpAddress;
    QString LanguageName = kDefaultLanguage;
    bool EnableInternet = false;
    bool EnableUpdateCheck = false;

    // Enables the Translate Table step; written by the main window's re-evaluation.
    bool TranslateTableEnabled = false;

    // Titles, set by the start-up from the program constants.
    QString MainTitle;
    QString SoftwareCode;
    QString SoftwareDescription;

    // Files of the active configuration, derived from ProjectDir by Set_Files.
    QString ParGenFile;
    QString TranslateTableFile;
    QString EnableFunctionsFile;

    // The user-interface texts.
    TextTable Texts;

    // Set when the settings file existed but could not be parsed at start-up; the next save
    // keeps the broken file as Zevazerazu.xml.bad before replacing it.
    bool KeepBrokenSettingsOnSave = false;
};

} // namespace zz
