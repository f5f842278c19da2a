#pragma once

#include "app/UComon.h"

#include <QString>

namespace zz {

inline const QString kSettingsFileName = QStringLiteral("Zevazerazu.xml");

QString settingsFilePath(const UComon& state);

// Reads Zevazerazu.xml into the remembered settings: each group and leaf on its own, a
// missing one giving its default. Throws XmlParseError or FileError when the file cannot
// be read; the settings then keep their defaults.
void readSettings(UComon& state, const QString& path);

// Gives the remembered settings the values of a missing settings file.
void setDefaultSettings(UComon& state);

// Writes Zevazerazu.xml from the shared state, atomically. Throws FileError naming the file
// when it cannot be written.
void Save_Setting(UComon& state);

} // namespace zz
