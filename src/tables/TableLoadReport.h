#pragma once

#include <QString>
#include <optional>

namespace zz {

class TextTable;

// A `row` element that lacks an attribute the loading needs; rows are counted from 1.
struct MissingAttribute {
    int row = 0;
    QString attribute;

    bool operator==(const MissingAttribute&) const = default;
};

// What a table loading could not take over from its file. When it is not complete, saving
// would not keep the file as it is, so the user is told and the file is kept as ".bad" first.
struct TableLoadReport {
    QString file;
    int rowsInFile = 0; // child elements of the root
    int rowLimit = 0;   // rows the table holds; 0 means no limit
    std::optional<MissingAttribute> missing;
    bool rootNotFirst = false; // another node precedes the element that holds the rows

    bool tooManyRows() const { return rowLimit > 0 && rowsInFile > rowLimit; }
    bool complete() const { return !missing && !tooManyRows() && !rootNotFirst; }

    // The message for the user; empty when the loading was complete.
    QString notice(const TextTable& texts) const;
};

} // namespace zz
