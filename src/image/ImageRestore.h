#pragma once

#include "params/GeneralParameters.h"
#include "tables/EnabledFunctions.h"
#include "tables/TranslateTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zz::image {

// The configuration files from which Compose_Image gives back an image, as their dialogs hold them.
struct RestoredConfiguration {
    std::optional<GeneralParameters> parameters;  // ParGen.xml, only when the image shows one was read
    std::optional<EnabledFunctionList> functions; // EnableFunctions.xml, only when a function is off
    QVector<TranslateRow> rows;                   // var.xml, Table_Row_Count rows
    // What the image does not hold and so took the dialogs' defaults: "FILE: ELEMENT = VALUE".
    QStringList defaultsTaken;
};

struct RestoreAnalysis {
    std::optional<RestoredConfiguration> configuration; // set exactly when `refusals` is empty
    // Why no files in the dialogs' formats give these bytes back, one reason a line: first
    // every inconsistency, then the values only a hand-edited file could give.
    QStringList refusals;
};

// Works out the configuration files of an image (18432 bytes); nothing is written.
RestoreAnalysis analyseForRestore(const QByteArray& image);

// The three file names a restore may write or remove, in the order it handles them.
QStringList restoredFileNames();

// The files among restoredFileNames() that already exist in `configDir`.
QStringList existingRestoredFiles(const QString& configDir);

// Writes the files into `configDir` (created when missing), each atomically through its
// dialog's writer, and removes the file of the three that the image shows was not read, so
// that composing the folder gives the image back. Throws FileError when anything fails.
void writeRestoredConfiguration(const RestoredConfiguration& configuration, const QString& configDir);

} // namespace zz::image
