#include "lang/TextTable.h"

#include "common/Errors.h"
#include "common/FileIo.h"
#include "common/TextRules.h"
#include "lang/AddedTexts.h"
#include "lang/DefaultTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace zz {

namespace {

constexpr char16_t kProtectedBlank = u'\u00B6'; // ¶

// Windows-1252 code points for the bytes 0x80 to 0x9F; the five unassigned bytes map to
// the C1 control of the same value, as Windows itself decodes them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out += QChar(b >= 0x80 && b <= 0x9F ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

QString decodeText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringConverter::Utf16LE);
        return decoder(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(QStringConverter::Utf16BE);
        return decoder(bytes.mid(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

bool isPlainFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace

QStringList decodeTextLines(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines.append(text.mid(start, i - start));
            if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

TextTable::TextTable() = default;

void TextTable::LoadDefaultTexts() {
    m_texts.clear();
    m_texts.reserve(kTextCount);
    for (const std::u16string_view text : kDefaultTexts)
        m_texts.append(QStringView(text).toString());
    for (const AddedText& added : addedTexts())
        m_texts[added.index] = QStringView(added.text).toString();
    m_textCount = kTextCount;
}

QString TextTable::operator[](int index) const {
    if (index < 0 || index >= m_texts.size())
        return {};
    return m_texts[index];
}

void TextTable::set(int index, const QString& text) {
    if (index >= 0 && index < m_texts.size())
        m_texts[index] = text;
}

LanguageFileReport TextTable::LoadLanguageFile(const QString& path) {
    const QStringList lines = decodeTextLines(readWholeFile(path));
    LanguageFileReport report;
    int lineNumber = 0;
    for (const QString& rawLine : lines) {
        ++lineNumber;
        const auto skip = [&](const QString& reason, bool entryLine = true) {
            report.skipped.append({lineNumber, reason, entryLine});
        };

        const QString line = trimBlanks(rawLine);
        if (!line.startsWith(QStringLiteral("STR"))) {
            if (!line.isEmpty())
                skip(QStringLiteral("does not start with \"STR\""),
                     line.startsWith(QStringLiteral("STR"), Qt::CaseInsensitive));
            continue;
        }
        // p is the 1-based position of the first "="; the index is at positions 4 to p - 2,
        // since the character just before "=" is a separator.
        const qsizetype p = line.indexOf(u'=') + 1;
        if (p == 0) {
            skip(QStringLiteral("has no \"=\""));
            continue;
        }
        const QString indexText = p <= 5 ? QString() : trimBlanks(QStringView(line).mid(3, p - 5));
        const auto index = toWholeNumber(indexText);
        if (!index) {
            skip(QStringLiteral("index is not a number"));
            continue;
        }
        if (*index < 0 || *index >= m_textCount) {
            skip(QStringLiteral("index %1 is out of range 0 to %2").arg(*index).arg(m_textCount - 1));
            continue;
        }
        QString text = trimBlanks(QStringView(line).mid(p));
        if (text.isEmpty()) {
            skip(QStringLiteral("empty text"));
            continue;
        }
        const qsizetype comment = text.indexOf(QStringLiteral("/#/"));
        if (comment >= 0) {
            text = trimBlanks(QStringView(text).left(comment));
            if (text.isEmpty()) {
                skip(QStringLiteral("empty text once the comment is removed"));
                continue;
            }
        }
        if (text.startsWith(QChar(kProtectedBlank)))
            text.remove(0, 1);
        const qsizetype mark = text.indexOf(QChar(kProtectedBlank));
        if (mark >= 0)
            text.truncate(mark);

        m_texts[*index] = text;
        ++report.appliedLines;
    }
    return report;
}

LanguageLoadResult LoadLanguage(TextTable& table, const QString& languageDir, QString& languageName) {
    table.LoadDefaultTexts();
    QString path = languageDir + QDir::separator() + languageName + QStringLiteral(".lng");
    if (!isPlainFile(path)) {
        languageName = QStringLiteral("English");
        path = languageDir + QDir::separator() + QStringLiteral("English.lng");
        if (!isPlainFile(path))
            return {};
    }
    LanguageLoadResult result;
    try {
        table.LoadLanguageFile(path);
        result.fileUsed = path;
    } catch (const FileError& e) {
        table.LoadDefaultTexts();
        result.failure = e.message();
    }
    return result;
}

const TextTable& englishTexts() {
    static const TextTable table = [] {
        TextTable t;
        t.LoadDefaultTexts();
        return t;
    }();
    return table;
}

QStringList atMostLines(const QStringList& lines, const TextTable& texts, int shown) {
    QStringList kept = lines.mid(0, shown);
    if (lines.size() > shown)
        kept.append(texts[added::AnalysisMoreLines].arg(QString::number(lines.size() - shown)));
    return kept;
}

} // namespace zz
