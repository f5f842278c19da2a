#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace zz {

class TextTable;

// One failure or warning of a configuration folder: the file, a kind name, the rows it
// concerns (1-based, none for the whole file) and the message without the file name.
struct ConfigurationEntry {
    QString file;
    QString kind;
    QVector<int> rows;
    QString message;

    // "<file>: <message>", or "<file>: Warning: <message>" for a warning.
    QString line(bool warning) const;

    bool operator==(const ConfigurationEntry&) const = default;
};

// Everything `check` and the update step report about a configuration folder. The files
// are read as their dialogs read them; one that cannot be read adds its error message to
// `unreadable` and the others are still reviewed.
struct ConfigurationReview {
    QVector<ConfigurationEntry> failures; // in file order, then check order
    QVector<ConfigurationEntry> warnings; // the analysis of the table, in row order
    QStringList unreadable;
};

// ParGen.xml read as the Set Communication dialog reads it (missing = defaults), with the
// English text of every failing value check. Throws Error when it cannot be read.
QVector<ConfigurationEntry> parGenFailures(const QString& configDir);

// The analysis messages come from `texts`; the failures are in English, as `check` prints them.
ConfigurationReview reviewConfiguration(const QString& configDir, const TextTable& texts);

// What the update step asks about: every failure and the warnings of the kinds that can
// break the device's routing, as lines.
QStringList updateProblemLines(const ConfigurationReview& review);

// The question before writing the image: at most `shown` lines, then how many are left out.
QString updateQuestionText(const QStringList& lines, const TextTable& texts, int shown = 10);

} // namespace zz
