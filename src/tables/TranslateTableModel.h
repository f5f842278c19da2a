#pragma once

#include "common/FileIo.h"
#include "tables/TableLoadReport.h"
#include "tables/TranslateTable.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>

namespace zz {

class TextTable;

// The translate grid as a model: 2000 rows, column 0 the fixed row number, columns 1 to 7
// the fields, kept exactly as typed. Rows in the operations below are numbers 1 to 2000
// (model row + 1), as the grid shows them and the messages name them.
class TranslateTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TranslateTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Column headers 0 to 7.
    void setHeaderTexts(const QStringList& headers);
    // Headers from texts 168 to 175.
    void applyTexts(const TextTable& texts);

    const TranslateTable& table() const { return m_table; }
    // Replaces every row; one model reset.
    void setTable(const TranslateTable& table);
    // Replaces every row in place, so a view keeps its current cell and selection.
    void replaceTable(const TranslateTable& table);

    // Rebuilds the grid from `path` with one model reset; a missing file gives an empty grid.
    // When the file cannot be read or parsed the grid is left empty and the error is
    // rethrown; the report says what an incomplete loading left out.
    TableLoadReport loadFile(const QString& path);

    // Writes the table proper to `path`. When the last loading of that file was incomplete or
    // found it not well-formed, the file as it was is first kept as `path` + ".bad"; a file that
    // could not be read is simply replaced. Throws FileError.
    void saveFile(const QString& path);

    std::optional<RowFailure> Controllo_dati() const { return m_table.Controllo_dati(); }
    void Insert_Row(int Num_Row);
    void Delete_Row(int Num_Row);

    bool lastRowHoldsData() const { return m_table.lastRowHoldsData(); }
    int rowsHoldingDataBeyondTable() const { return m_table.rowsHoldingDataBeyondTable(); }

private:
    void shiftedFrom(int number);
    void clearTable();

    TranslateTable m_table;
    QStringList m_headers;
    // The file whose content the grid does not fully hold; saving over it keeps a copy.
    BrokenFileKeeper m_brokenFile;
};

} // namespace zz
