#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <string_view>
#include <vector>

namespace zz {

struct AddedText {
    int index;
    std::u16string_view text;
};

// The program's own messages at the reserved indices (AddedTexts.cpp).
const std::vector<AddedText>& addedTexts();

// A line of a language file that set no entry, with the reason, for translators.
struct SkippedLine {
    int lineNumber; // counted from 1
    QString reason;
    // False for a line that is no entry at all (a comment, a heading): a translator needs to
    // hear only of lines that begin with STR, in any letter case, and set nothing.
    bool entryLine = true;
};

struct LanguageFileReport {
    int appliedLines = 0;
    QVector<SkippedLine> skipped;
};

// The program-wide table of user-interface texts, addressed by index 0 to 699.
class TextTable {
public:
    TextTable();

    // Empties the table, appends the built-in texts in index order and sets TextCount to 700.
    void LoadDefaultTexts();

    // Applies the entries of one language file. Throws FileError when the file cannot be read;
    // the table is then unchanged.
    LanguageFileReport LoadLanguageFile(const QString& path);

    int TextCount() const { return m_textCount; }

    // Entry `index`; an index outside the table gives an empty text.
    QString operator[](int index) const;
    QString at(int index) const { return (*this)[index]; }

    void set(int index, const QString& text);
    const QStringList& entries() const { return m_texts; }

private:
    QStringList m_texts;
    int m_textCount = 0;
};

// Decodes a language file: a UTF-8 or UTF-16 (LE or BE) byte-order mark selects that
// encoding; without one the bytes are UTF-8 when valid, else Windows-1252. Lines end with
// CR LF, LF or CR.
QStringList decodeTextLines(const QByteArray& bytes);

struct LanguageLoadResult {
    QString fileUsed; // the language file applied, empty when the built-in texts stay
    QString failure;  // set when a language file exists but could not be read
};

// Rebuilds the table in English, then applies LanguageDir/LanguageName.lng. When that file
// does not exist, LanguageName becomes "English" and English.lng is applied if present.
LanguageLoadResult LoadLanguage(TextTable& table, const QString& languageDir, QString& languageName);

// The built-in English texts, built once: for messages that are always English (the command line).
const TextTable& englishTexts();

// At most `shown` of `lines`, then a line saying how many more there are, so that a message
// box listing them stays on the screen.
QStringList atMostLines(const QStringList& lines, const TextTable& texts, int shown);

} // namespace zz
