#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <array>
#include <optional>

namespace zz {

class TextTable;

// Columns of the translate grid. Column 0 only shows the row number; 1 to 7 are the fields.
enum TranslateColumn : int {
    ColRowNumber = 0,
    ColDataType = 1,
    ColSlaveIdTcp = 2,
    ColAddressTcp = 3,
    ColSlaveId = 4,
    ColAddress = 5,
    ColNPoint = 6,
    ColMnemonic = 7,
};

inline constexpr int kTranslateRowCount = 2000;
inline constexpr int kTranslateColumnCount = 8;
inline constexpr int kTranslateFieldCount = 7;

// Indices into the string table.
inline constexpr int kTranslateCaptionText = 162;     // 162-167: caption, description, four buttons
inline constexpr int kTranslateFirstHeaderText = 168; // headers of columns 0 to 7: 168-175
inline constexpr int kErrorInRowText = 176;           // "Error in Row "
inline constexpr int kDeleteRowQuestionText = 184;    // "Are you sure to delete the Row number "

// The messages of the row checks, in the order the checks run.
inline constexpr int kDataTypeMessage = 177;
inline constexpr int kSlaveIdTcpMessage = 178;
inline constexpr int kAddressTcpMessage = 179;
inline constexpr int kSlaveIdMessage = 180;
inline constexpr int kAddressMessage = 181;
inline constexpr int kRegisterCountMessage = 182;
inline constexpr int kBitCountMessage = 183;

// One row: seven texts, exactly as typed or loaded; numbers are converted only to check them.
struct TranslateRow {
    std::array<QString, kTranslateFieldCount> fields;

    // `column` is 1 to 7.
    const QString& cell(int column) const { return fields[static_cast<size_t>(column - 1)]; }
    QString& cell(int column) { return fields[static_cast<size_t>(column - 1)]; }

    // True when any field holds more than blanks.
    bool holdsData() const;
    // True when the key column, trimmed, is not empty.
    bool hasKey() const;

    bool operator==(const TranslateRow&) const = default;
};

// The data types in the order the drop-down offers them; these texts never come from the
// string table. Their file codes are 1 to 4 in the same order.
const QStringList& dataTypeTexts();

// The grid text of a file code 1 to 4; empty for any other value.
QString dataTypeTextOfCode(int code);

// The file code of a Data Type cell, ignoring blanks at both ends and letter case; nothing
// when the cell names none of the four types.
std::optional<int> dataTypeCodeOfCell(QStringView cell);

// A check that a row's cell fails: the grid column and the text index of its message.
struct CellFailure {
    int column = 0;
    int textIndex = 0;

    bool operator==(const CellFailure&) const = default;
};

// Every check that `row` fails, in the order the checks run. NPoint is not checked while the
// data type is unknown, since its range follows from the type.
QVector<CellFailure> failingChecks(const TranslateRow& row);

// The text index of the first check that `row` fails, or nothing when it passes.
std::optional<int> firstFailingCheck(const TranslateRow& row);

// A failed check: the row number (1 to 2000) and the text index of its message.
struct RowFailure {
    int row = 0;
    int textIndex = 0;

    // "Error in Row " + row + message, as the error box shows it.
    QString message(const TextTable& texts) const;

    bool operator==(const RowFailure&) const = default;
};

// The 2000 rows of the grid. Rows are addressed by their number, 1 to 2000, as shown in
// column 0; a number outside that range is ignored by every operation.
class TranslateTable {
public:
    TranslateTable();

    const TranslateRow& row(int number) const;
    void setRow(int number, const TranslateRow& row);

    // The text of a cell; column 0 gives the row number.
    QString cell(int number, int column) const;
    // Stores `text` unchanged in column 1 to 7.
    void setCell(int number, int column, const QString& text);

    // Takes the first 2000 of `rows`; the rest of the grid becomes empty.
    void assign(const QVector<TranslateRow>& rows);
    void clear();

    // The table proper ends at the first row whose Slave ID TCP, trimmed, is empty: the
    // number of rows before it.
    int length() const;

    // The checks of every row of the table proper, in order; the first failure, or nothing
    // when the table may be saved.
    std::optional<RowFailure> Controllo_dati() const;

    // The first failure of every failing row of the table proper.
    QVector<RowFailure> allFailures() const;

    // Opens an empty row at `Num_Row` by shifting it and the rows below down; row 2000 is lost.
    void Insert_Row(int Num_Row);
    // Removes row `Num_Row` by shifting the rows below up; row 2000 becomes empty.
    void Delete_Row(int Num_Row);

    // True when row 2000 holds data, which an insertion would lose.
    bool lastRowHoldsData() const;
    // The rows from the end of the table proper on that hold data: saving drops them.
    int rowsHoldingDataBeyondTable() const;

private:
    static bool isRowNumber(int number) { return number >= 1 && number <= kTranslateRowCount; }

    QVector<TranslateRow> m_rows;
};

} // namespace zz
