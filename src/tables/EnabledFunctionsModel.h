#pragma once

#include "common/FileIo.h"
#include "tables/EnabledFunctions.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace zz {

class TextTable;

enum EnabledFunctionsColumn : int {
    ColFunction = 0, // the row label; fixed
    ColEnable = 1,   // "Y" or "N", shown as a check box
    ColFunctionMnemonic = 2,
};

inline constexpr int kEnabledFunctionsColumnCount = 3;

// The eleven enabled-function entries as a model. The Enable column gives its text as
// EditRole and its state as CheckStateRole (no DisplayRole, so a view shows only the box);
// ticking stores "Y", unticking "N".
class EnabledFunctionsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit EnabledFunctionsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Headers from texts 504 to 506, row labels from 507 to 517.
    void applyTexts(const TextTable& texts);

    const EnabledFunctionList& list() const { return m_list; }
    void setList(const EnabledFunctionList& list);
    // Puts in every entry of `list` as a change of the cells, so a view keeps its selection.
    void replaceList(const EnabledFunctionList& list);

    // Rebuilds the entries from `path` (defaults first); when the file cannot be read or
    // parsed the defaults stay and the error is rethrown.
    TableLoadReport loadFile(const QString& path);

    // Writes all eleven entries. When the last loading of that file was incomplete or found it
    // not well-formed, the file as it was is first kept as `path` + ".bad"; a file that could not
    // be read is simply replaced. Throws FileError.
    void saveFile(const QString& path);

private:
    EnabledFunctionList m_list;
    QStringList m_headers;
    QStringList m_labels;
    BrokenFileKeeper m_brokenFile; // kept as .bad before it is replaced
};

} // namespace zz
