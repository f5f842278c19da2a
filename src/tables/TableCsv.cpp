#include "tables/TableCsv.h"

#include "common/TextRules.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/TableMessages.h"

#include <QStringList>
#include <array>

namespace zz {

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

bool needsQuotes(const QString& field) {
    if (field.isEmpty())
        return false;
    for (const QChar c : field) {
        if (c == u',' || c == u';' || c == u'"' || c == u'\t' || c == u'\r' || c == u'\n')
            return true;
    }
    // Blanks at either end would be lost by spreadsheets that trim unquoted fields.
    return field.front().unicode() <= 32 || field.back().unicode() <= 32;
}

void appendField(QString& out, const QString& field) {
    if (!needsQuotes(field)) {
        out += field;
        return;
    }
    out += u'"';
    for (const QChar c : field) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

// One record of the file with the line it starts on.
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// The delimiter for which the first line splits into the seven fields of a row; comma when
// none does.
QChar detectDelimiter(QStringView text) {
    for (const QChar candidate : {QChar(u','), QChar(u';'), QChar(u'\t')}) {
        int fields = 1;
        bool quoted = false;
        for (const QChar c : text) {
            if (c == u'"')
                quoted = !quoted;
            else if (!quoted && (c == u'\n' || c == u'\r'))
                break;
            else if (!quoted && c == candidate)
                ++fields;
        }
        if (fields == kTranslateFieldCount)
            return candidate;
    }
    return u',';
}

// RFC 4180 records; CR LF, LF or CR end a record outside quotes. False when a quote is left open.
bool splitRecords(QStringView text, QChar delimiter, QVector<CsvRecord>& records) {
    int line = 1;
    CsvRecord record{line, {}};
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < size && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n' || (c == u'\r' && !(i + 1 < size && text[i + 1] == u'\n')))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty() && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == delimiter) {
            record.fields.append(field);
            field.clear();
            fieldStarted = false;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            record.fields.append(field);
            records.append(record);
            field.clear();
            fieldStarted = false;
            record = CsvRecord{++line, {}};
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        records.append(CsvRecord{record.line, {}});
        return false;
    }
    if (fieldStarted || !field.isEmpty() || !record.fields.isEmpty()) {
        record.fields.append(field);
        records.append(record);
    }
    return true;
}

bool isHeader(const QStringList& fields) {
    const QStringList names = kTranslateCsvHeader.split(u',');
    if (fields.size() != names.size())
        return false;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!equalsFoldingAsciiLetters(trimBlanks(fields[i]), names[i]))
            return false;
    }
    return true;
}

bool holdsNothing(const QStringList& fields) {
    for (const QString& field : fields) {
        if (!trimBlanks(field).isEmpty())
            return false;
    }
    return true;
}

} // namespace

QString dataTypeCellOf(const QString& field) {
    if (const std::optional<int> code = toWholeNumber(trimBlanks(field)); code && *code >= 1 && *code <= 4)
        return dataTypeTextOfCode(*code);
    if (const std::optional<int> code = dataTypeCodeOfCell(field))
        return dataTypeTextOfCode(*code);
    return field;
}

QVector<QStringList> splitPastedText(QStringView text) {
    if (std::optional<QVector<QStringList>> records = splitTabSeparated(text))
        return *records;
    QString plain = text.toString();
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(u'\r', u'\n');
    if (plain.endsWith(u'\n'))
        plain.chop(1);
    QVector<QStringList> records;
    for (const QString& line : plain.split(u'\n'))
        records.append(line.split(u'\t'));
    return records;
}

std::optional<QVector<QStringList>> splitTabSeparated(QStringView text) {
    QVector<CsvRecord> records;
    if (!splitRecords(text, u'\t', records))
        return std::nullopt;
    QVector<QStringList> fields;
    fields.reserve(records.size());
    for (CsvRecord& record : records)
        fields.append(std::move(record.fields));
    return fields;
}

QString tabSeparatedField(const QString& field) {
    const bool quote =
        field.contains(u'\t') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
    if (!quote)
        return field;
    QString quoted = field;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray translateTableToCsv(const TranslateTable& table) {
    QString out = kTranslateCsvHeader + QStringLiteral("\r\n");
    const int length = table.length();
    out.reserve(out.size() + length * 64);
    for (int number = 1; number <= length; ++number) {
        const TranslateRow& row = table.row(number);
        const std::optional<int> code = dataTypeCodeOfCell(row.cell(ColDataType));
        appendField(out, code ? dataTypeTextOfCode(*code) : QString());
        for (int column = ColSlaveIdTcp; column <= ColMnemonic; ++column) {
            out += u',';
            appendField(out, row.cell(column));
        }
        out += QStringLiteral("\r\n");
    }
    return QByteArray(kBom) + out.toUtf8();
}

CsvImport translateTableFromCsv(const QByteArray& bytes, const TextTable& texts) {
    CsvImport result;
    QByteArray body = bytes;
    if (body.startsWith(kBom))
        body.remove(0, 3);
    const QString text = QString::fromUtf8(body);

    QVector<CsvRecord> records;
    if (!splitRecords(text, detectDelimiter(text), records)) {
        result.failures.append(CsvFailure{records.back().line, texts[added::CsvQuoteNotClosed]});
        return result;
    }
    if (!records.isEmpty() && isHeader(records.front().fields))
        records.removeFirst();
    while (!records.isEmpty() && holdsNothing(records.back().fields))
        records.removeLast();

    if (records.size() > kTranslateRowCount) {
        result.failures.append(
            CsvFailure{0, texts[added::TableTooManyRows].arg(QString::number(records.size()),
                                                             QString::number(kTranslateRowCount))});
        return result;
    }

    result.rows.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        const int number = static_cast<int>(i) + 1;
        TranslateRow row;
        if (record.fields.size() != kTranslateFieldCount) {
            result.failures.append(
                CsvFailure{record.line, texts[added::CsvWrongFieldCount].arg(
                                            QString::number(number), QString::number(record.fields.size()))});
            result.rows.append(row);
            continue;
        }
        for (int column = ColDataType; column <= ColMnemonic; ++column)
            row.cell(column) = record.fields[column - 1];
        row.cell(ColDataType) = dataTypeCellOf(row.cell(ColDataType));
        result.rows.append(row);

        // A row without its key would end the table and silently drop the rows after it.
        if (!row.hasKey() && i + 1 < records.size()) {
            result.failures.append(
                CsvFailure{record.line, texts[added::CsvRowWithoutKey].arg(QString::number(number))});
            continue;
        }
        if (const std::optional<int> failed = firstFailingCheck(row)) {
            result.failures.append(CsvFailure{record.line, RowFailure{number, *failed}.message(texts)});
            continue;
        }
        for (int column = ColDataType; column <= ColMnemonic; ++column) {
            if (auto refusal = cellCharacterRefusal(row.cell(column), number, column, texts)) {
                result.failures.append(CsvFailure{record.line, *refusal});
                break;
            }
        }
    }
    return result;
}

QStringList CsvImport::failureLines(const QString& file) const {
    QStringList lines;
    for (const CsvFailure& failure : failures)
        lines.append(failure.line > 0
                         ? QStringLiteral("%1:%2: %3").arg(file).arg(failure.line).arg(failure.message)
                         : QStringLiteral("%1: %2").arg(file, failure.message));
    return lines;
}

} // namespace zz
