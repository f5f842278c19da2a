#pragma once

#include "params/GeneralParameters.h"

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

namespace zz {

class TextTable;

inline const QString kParGenFileName = QStringLiteral("ParGen.xml");

// The values of a parsed ParGen.xml as the Set Communication dialog reads them: the first
// top-level node is the parameter element whatever its name, and each element is read on its
// own, a missing or unusable one giving its default.
GeneralParameters parametersFromDocument(const pugi::xml_document& doc);

// The values held by one parameter element, read by the same rules.
GeneralParameters parametersFromElement(pugi::xml_node element);

// True when the document does not begin with an element although it holds one (a declaration
// or a comment comes first): the dialog then shows the defaults while the image is composed
// from the element found by name, so the file must not be replaced unnoticed.
bool beginsWithoutItsElement(const pugi::xml_document& doc);

// Reads ParGen.xml; a missing file gives the defaults. Throws XmlParseError when the file is
// not well-formed and FileError when it cannot be read.
GeneralParameters readParGen(const QString& path);

// What the dialog shows when it opens, and what it must do about a file it could not use.
struct ParGenReading {
    GeneralParameters values; // the defaults when the file could not be used
    QString failure;          // the error's message (names the file, and the line for XML); empty on success
    bool keepBrokenFile = false; // keep it as ParGen.xml.bad before the next save
    bool rootNotFirst = false;   // well-formed, but its values stand behind a declaration or comment
};

// readParGen for the dialog: never throws, reports the failure instead.
ParGenReading readParGenForDialog(const QString& path);

// The text of the error box for a reading that failed (reading.failure must be set).
QString readFailureText(const TextTable& texts, const ParGenReading& reading);

// The text of the error box for a save that failed with `errorMessage`.
QString saveFailureText(const TextTable& texts, const QString& errorMessage);

// The whole file: root General_Parameter with its 33 elements, then the version comment;
// raw UTF-8 without declaration or indentation.
QByteArray parGenBytes(const GeneralParameters& values);

// Replaces ParGen.xml atomically. With `keepBrokenFileFirst` an existing file is first kept as
// ParGen.xml.bad. Throws FileError when anything fails; the old file is then left as it was.
void writeParGen(const GeneralParameters& values, const QString& path, bool keepBrokenFileFirst = false);

} // namespace zz
