#pragma once

#include <QByteArray>
#include <QString>

namespace zz {

struct UComon;

namespace image {

// projectDir/bin/bank_k.bin: the one bank file of a configuration.
QString bankFilePath(const QString& projectDir);

// Writes `image` (exactly 18432 bytes) as the configuration's bank file, atomically, creating
// the "bin" folder when it is missing. Throws FileError naming the file when the folder cannot
// be created or the file cannot be written whole; the previous bank file then stays as it was.
void Write_Bank_File(const QString& projectDir, const QByteArray& image);

} // namespace image

// What the device update does first: composes the image of the active configuration from its
// three files and writes its bank file. Throws on any failure, before anything is written when
// composing fails, so the update must not go on.
void composeAndWriteBankFile(const UComon& state);

} // namespace zz
