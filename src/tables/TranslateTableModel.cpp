#include "tables/TranslateTableModel.h"

#include "common/Errors.h"
#include "common/FileIo.h"
#include "lang/TextTable.h"
#include "tables/TranslateTableFile.h"

#include <QFileInfo>

namespace zz {

TranslateTableModel::TranslateTableModel(QObject* parent)
    : QAbstractTableModel(parent) {
    TextTable english;
    english.LoadDefaultTexts();
    applyTexts(english);
}

int TranslateTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTranslateRowCount;
}

int TranslateTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTranslateColumnCount;
}

QVariant TranslateTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_table.cell(index.row() + 1, index.column());
    return {};
}

bool TranslateTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        index.column() == ColRowNumber)
        return false;
    const QString text = value.toString();
    if (m_table.cell(index.row() + 1, index.column()) == text)
        return true;
    m_table.setCell(index.row() + 1, index.column(), text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TranslateTableModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    if (index.column() == ColRowNumber)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TranslateTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_headers.size() ? QVariant(m_headers[section]) : QVariant();
    return section + 1;
}

void TranslateTableModel::setHeaderTexts(const QStringList& headers) {
    m_headers = headers.mid(0, kTranslateColumnCount);
    while (m_headers.size() < kTranslateColumnCount)
        m_headers.append(QString());
    emit headerDataChanged(Qt::Horizontal, 0, kTranslateColumnCount - 1);
}

void TranslateTableModel::applyTexts(const TextTable& texts) {
    QStringList headers;
    for (int column = 0; column < kTranslateColumnCount; ++column)
        headers.append(texts[kTranslateFirstHeaderText + column]);
    setHeaderTexts(headers);
}

void TranslateTableModel::setTable(const TranslateTable& table) {
    beginResetModel();
    m_table = table;
    endResetModel();
}

void TranslateTableModel::replaceTable(const TranslateTable& table) {
    m_table = table;
    emit dataChanged(index(0, ColDataType), index(kTranslateRowCount - 1, ColMnemonic),
                     {Qt::DisplayRole, Qt::EditRole});
}

TableLoadReport TranslateTableModel::loadFile(const QString& path) {
    m_brokenFile.forget();
    TranslateTableLoad load;
    try {
        load = readTranslateTableFile(path);
    } catch (const XmlParseError&) {
        // Never show the rows of an earlier showing, and never save over a broken file unseen.
        clearTable();
        m_brokenFile.remember(path);
        throw;
    } catch (...) {
        // A file that cannot be read cannot be kept either; saving replaces it.
        clearTable();
        throw;
    }
    beginResetModel();
    m_table.assign(load.rows);
    endResetModel();
    if (!load.report.complete())
        m_brokenFile.remember(path);
    return load.report;
}

void TranslateTableModel::clearTable() {
    beginResetModel();
    m_table.clear();
    endResetModel();
}

void TranslateTableModel::saveFile(const QString& path) {
    m_brokenFile.keepBeforeReplacing(path);
    writeTranslateTableFile(m_table, path);
    m_brokenFile.forget();
}

void TranslateTableModel::Insert_Row(int Num_Row) {
    m_table.Insert_Row(Num_Row);
    shiftedFrom(Num_Row);
}

void TranslateTableModel::Delete_Row(int Num_Row) {
    m_table.Delete_Row(Num_Row);
    shiftedFrom(Num_Row);
}

// A shift changes the fields of `number` and every row below it; the row numbers stay.
void TranslateTableModel::shiftedFrom(int number) {
    if (number < 1 || number > kTranslateRowCount)
        return;
    emit dataChanged(index(number - 1, ColDataType), index(kTranslateRowCount - 1, ColMnemonic),
                     {Qt::DisplayRole, Qt::EditRole});
}

} // namespace zz
