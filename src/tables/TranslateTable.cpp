#include "tables/TranslateTable.h"

#include "common/TextRules.h"
#include "lang/TextTable.h"

#include <algorithm>

namespace zz {

namespace {

// Cells are converted untrimmed: a trailing blank makes a cell "not a number", which fails
// every range.
bool cellIn(const TranslateRow& row, int column, int low, int high) {
    return isWholeNumberIn(row.cell(column), low, high);
}

bool isRegisterType(int code) {
    return code == 3 || code == 4;
}

} // namespace

bool TranslateRow::holdsData() const {
    return std::any_of(fields.begin(), fields.end(),
                       [](const QString& f) { return !trimBlanks(f).isEmpty(); });
}

bool TranslateRow::hasKey() const {
    return !trimBlanks(cell(ColSlaveIdTcp)).isEmpty();
}

const QStringList& dataTypeTexts() {
    static const QStringList texts = {QStringLiteral("Coil Status"), QStringLiteral("Input Status"),
                                      QStringLiteral("Holding Register"), QStringLiteral("Input Register")};
    return texts;
}

QString dataTypeTextOfCode(int code) {
    if (code < 1 || code > 4)
        return {};
    return dataTypeTexts()[code - 1];
}

std::optional<int> dataTypeCodeOfCell(QStringView cell) {
    const QString normalised = upperAsciiLetters(trimBlanks(cell));
    const QStringList& texts = dataTypeTexts();
    for (int i = 0; i < texts.size(); ++i) {
        if (normalised == upperAsciiLetters(texts[i]))
            return i + 1;
    }
    return std::nullopt;
}

namespace {

// Runs the checks in their order; `visit` gets each failure and returns false to stop.
template <typename Visit> void walkFailingChecks(const TranslateRow& row, Visit visit) {
    const std::optional<int> type = dataTypeCodeOfCell(row.cell(ColDataType));
    if (!type && !visit(CellFailure{ColDataType, kDataTypeMessage}))
        return;
    if (!cellIn(row, ColSlaveIdTcp, 1, 247) && !visit(CellFailure{ColSlaveIdTcp, kSlaveIdTcpMessage}))
        return;
    if (!cellIn(row, ColAddressTcp, 0, 65535) && !visit(CellFailure{ColAddressTcp, kAddressTcpMessage}))
        return;
    if (!cellIn(row, ColSlaveId, 1, 247) && !visit(CellFailure{ColSlaveId, kSlaveIdMessage}))
        return;
    if (!cellIn(row, ColAddress, 0, 65535) && !visit(CellFailure{ColAddress, kAddressMessage}))
        return;
    if (!type)
        return;
    if (isRegisterType(*type)) {
        if (!cellIn(row, ColNPoint, 1, 127))
            visit(CellFailure{ColNPoint, kRegisterCountMessage});
    } else if (!cellIn(row, ColNPoint, 1, 255)) {
        visit(CellFailure{ColNPoint, kBitCountMessage});
    }
}

} // namespace

QVector<CellFailure> failingChecks(const TranslateRow& row) {
    QVector<CellFailure> failures;
    walkFailingChecks(row, [&failures](const CellFailure& f) {
        failures.append(f);
        return true;
    });
    return failures;
}

std::optional<int> firstFailingCheck(const TranslateRow& row) {
    std::optional<int> first;
    walkFailingChecks(row, [&first](const CellFailure& f) {
        first = f.textIndex;
        return false;
    });
    return first;
}

QString RowFailure::message(const TextTable& texts) const {
    return texts[kErrorInRowText] + QString::number(row) + texts[textIndex];
}

TranslateTable::TranslateTable()
    : m_rows(kTranslateRowCount) {}

const TranslateRow& TranslateTable::row(int number) const {
    static const TranslateRow empty;
    return isRowNumber(number) ? m_rows[number - 1] : empty;
}

void TranslateTable::setRow(int number, const TranslateRow& row) {
    if (isRowNumber(number))
        m_rows[number - 1] = row;
}

QString TranslateTable::cell(int number, int column) const {
    if (!isRowNumber(number) || column < 0 || column >= kTranslateColumnCount)
        return {};
    if (column == ColRowNumber)
        return QString::number(number);
    return m_rows[number - 1].cell(column);
}

void TranslateTable::setCell(int number, int column, const QString& text) {
    if (isRowNumber(number) && column >= 1 && column < kTranslateColumnCount)
        m_rows[number - 1].cell(column) = text;
}

void TranslateTable::assign(const QVector<TranslateRow>& rows) {
    const qsizetype kept = std::min<qsizetype>(rows.size(), kTranslateRowCount);
    std::copy(rows.begin(), rows.begin() + kept, m_rows.begin());
    std::fill(m_rows.begin() + kept, m_rows.end(), TranslateRow{});
}

void TranslateTable::clear() {
    std::fill(m_rows.begin(), m_rows.end(), TranslateRow{});
}

int TranslateTable::length() const {
    const auto end =
        std::find_if(m_rows.begin(), m_rows.end(), [](const TranslateRow& r) { return !r.hasKey(); });
    return static_cast<int>(end - m_rows.begin());
}

std::optional<RowFailure> TranslateTable::Controllo_dati() const {
    const int n = length();
    for (int i = 0; i < n; ++i) {
        if (const std::optional<int> failed = firstFailingCheck(m_rows[i]))
            return RowFailure{i + 1, *failed};
    }
    return std::nullopt;
}

QVector<RowFailure> TranslateTable::allFailures() const {
    QVector<RowFailure> failures;
    const int n = length();
    for (int i = 0; i < n; ++i) {
        if (const std::optional<int> failed = firstFailingCheck(m_rows[i]))
            failures.append(RowFailure{i + 1, *failed});
    }
    return failures;
}

void TranslateTable::Insert_Row(int Num_Row) {
    if (!isRowNumber(Num_Row))
        return;
    std::move_backward(m_rows.begin() + (Num_Row - 1), m_rows.end() - 1, m_rows.end());
    m_rows[Num_Row - 1] = TranslateRow{};
}

void TranslateTable::Delete_Row(int Num_Row) {
    if (!isRowNumber(Num_Row))
        return;
    std::move(m_rows.begin() + Num_Row, m_rows.end(), m_rows.begin() + (Num_Row - 1));
    m_rows.back() = TranslateRow{};
}

bool TranslateTable::lastRowHoldsData() const {
    return m_rows.back().holdsData();
}

int TranslateTable::rowsHoldingDataBeyondTable() const {
    return static_cast<int>(std::count_if(m_rows.begin() + length(), m_rows.end(),
                                          [](const TranslateRow& r) { return r.holdsData(); }));
}

} // namespace zz
