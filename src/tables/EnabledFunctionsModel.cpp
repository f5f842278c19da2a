#include "tables/EnabledFunctionsModel.h"

#include "common/Errors.h"
#include "common/FileIo.h"
#include "lang/TextTable.h"

#include <QFileInfo>

namespace zz {

EnabledFunctionsModel::EnabledFunctionsModel(QObject* parent)
    : QAbstractTableModel(parent) {
    TextTable english;
    english.LoadDefaultTexts();
    applyTexts(english);
}

int EnabledFunctionsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFunctionCount;
}

int EnabledFunctionsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kEnabledFunctionsColumnCount;
}

QVariant EnabledFunctionsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const FunctionEntry& entry = m_list.at(index.row());
    switch (index.column()) {
    case ColFunction:
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(m_labels[index.row()]) : QVariant();
    case ColEnable:
        if (role == Qt::CheckStateRole)
            return int(entry.isEnabled() ? Qt::Checked : Qt::Unchecked);
        if (role == Qt::EditRole)
            return entry.enabled;
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    case ColFunctionMnemonic:
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(entry.mnemonic) : QVariant();
    default:
        return {};
    }
}

bool EnabledFunctionsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    FunctionEntry& entry = m_list.at(index.row());
    if (index.column() == ColEnable && (role == Qt::CheckStateRole || role == Qt::EditRole)) {
        entry.enabled = role == Qt::CheckStateRole
                            ? (value.toInt() == Qt::Checked ? QStringLiteral("Y") : QStringLiteral("N"))
                            : value.toString();
        emit dataChanged(index, index, {Qt::CheckStateRole, Qt::EditRole});
        return true;
    }
    if (index.column() == ColFunctionMnemonic && role == Qt::EditRole) {
        entry.mnemonic = value.toString();
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }
    return false;
}

Qt::ItemFlags EnabledFunctionsModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    switch (index.column()) {
    case ColEnable:
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    case ColFunctionMnemonic:
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    default:
        return Qt::ItemIsEnabled;
    }
}

QVariant EnabledFunctionsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_headers.size() ? QVariant(m_headers[section]) : QVariant();
    return section + 1;
}

void EnabledFunctionsModel::applyTexts(const TextTable& texts) {
    m_headers.clear();
    for (int column = 0; column < kEnabledFunctionsColumnCount; ++column)
        m_headers.append(texts[kEnabledFunctionsFirstHeaderText + column]);
    m_labels.clear();
    for (int row = 0; row < kFunctionCount; ++row)
        m_labels.append(texts[kFirstFunctionLabelText + row]);
    emit headerDataChanged(Qt::Horizontal, 0, kEnabledFunctionsColumnCount - 1);
    emit dataChanged(index(0, ColFunction), index(kFunctionCount - 1, ColFunction), {Qt::DisplayRole});
}

void EnabledFunctionsModel::setList(const EnabledFunctionList& list) {
    beginResetModel();
    m_list = list;
    endResetModel();
}

void EnabledFunctionsModel::replaceList(const EnabledFunctionList& list) {
    m_list = list;
    emit dataChanged(index(0, ColEnable), index(kFunctionCount - 1, ColFunctionMnemonic),
                     {Qt::DisplayRole, Qt::EditRole, Qt::CheckStateRole});
}

TableLoadReport EnabledFunctionsModel::loadFile(const QString& path) {
    m_brokenFile.forget();
    EnabledFunctionsLoad load;
    try {
        load = readEnabledFunctionsFile(path);
    } catch (const XmlParseError&) {
        setList(EnabledFunctionList{});
        m_brokenFile.remember(path); // broken: kept as .bad before it is replaced
        throw;
    } catch (...) {
        setList(EnabledFunctionList{});
        throw; // unreadable: there is nothing to keep, and saving replaces it
    }
    setList(load.list);
    if (!load.report.complete())
        m_brokenFile.remember(path);
    return load.report;
}

void EnabledFunctionsModel::saveFile(const QString& path) {
    m_brokenFile.keepBeforeReplacing(path);
    writeEnabledFunctionsFile(m_list, path);
    m_brokenFile.forget();
}

} // namespace zz
