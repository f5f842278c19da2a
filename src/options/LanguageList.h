#pragma once

#include "lang/TextTable.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zz {

inline constexpr int kLanguageSlotsPerPage = 6;

// The language files of `languageDir`: names ending in ".lng" (the extension kept) of plain
// files, sorted by the user's locale without regard to letter case. Directories, links and read-only files
// are left out; hidden files are listed (on Linux a hidden name starts with "."). A file named just
// ".lng" names no language and is left out too.
QStringList languageFileNames(const QString& languageDir);

// What the options dialog offers: the language files, or, when the folder holds none,
// "English.lng" alone, which stands for the built-in English texts (picking it loads them).
QStringList languageChoices(const QString& languageDir);

// The language a list entry names: the entry without its last four characters (".lng").
QString languageNameOfEntry(const QString& entry);

// The least number of six-slot pages that holds `count` languages.
int languagePageCount(int count);

// The entry that slot `slot` (1 to 6) of page `page` (from 1) shows, if any.
std::optional<QString> entryAtSlot(const QStringList& entries, int page, int slot);

// The flag of a language: LanguageDir/<name>.bmp, else LanguageDir/DefaultFlag.bmp, else
// empty (the flag is hidden). Only existing plain files count.
QString flagPicture(const QString& languageDir, const QString& name);

// The page the Next and Previous buttons lead to; they never leave 1 to pageCount.
int nextLanguagePage(int showPage, int pageCount);
int previousLanguagePage(int showPage);

struct LanguageSlot {
    QString name;     // the name label
    QString flagPath; // the picture; empty hides the flag
};

// Everything one page of the Language tab shows.
struct LanguagePageView {
    int page = 1; // the page drawn; kept within 1 to pageCount
    int pageCount = 0;
    QString selectedLabel; // text 42 + the language in use
    QString pageLabel;     // text 43 + page + text 44 + pageCount
    bool previousVisible = false;
    bool nextVisible = false;
    // The slots that show a language, from slot 1; the other slots are hidden, except that
    // slot 1 stays visible (without a name) on a page with no language.
    QVector<LanguageSlot> languages;
};

LanguagePageView languagePage(const QStringList& entries, int page, const TextTable& texts,
                              const QString& languageDir, const QString& languageInUse);

// The question before a language change: text 54 + old + text 55 + new + text 56.
QString languageChangeQuestion(const TextTable& texts, const QString& from, const QString& to);

} // namespace zz
