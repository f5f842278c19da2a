#pragma once

#include <QIcon>
#include <QIdentityProxyModel>
#include <array>

namespace zz {

class EnabledFunctionsModel;
class TextTable;
class TranslateTable;

// Sits between the Enabled Functions grid and its model and marks a read function (1 to 4)
// that is switched off while rows of the translate table are read with it: an icon on its
// label, a soft background on its box, and the count of those rows as tooltip.
class FunctionsInUseProxy : public QIdentityProxyModel {
    Q_OBJECT
public:
    FunctionsInUseProxy(EnabledFunctionsModel* functions, const TextTable& texts, QObject* parent);

    // Counts the rows of `table` that each read function serves.
    void setTranslateTable(const TranslateTable& table);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The rows of the table read with the function of grid row `position` (0-based) while it is
    // switched off; 0 when it is on or serves no row.
    int rowsLeftUnread(int position) const;

private:
    void marksChanged(int first, int last);

    EnabledFunctionsModel* m_functions;
    const TextTable& m_texts;
    std::array<int, 4> m_rowsReadWith{}; // functions 1 to 4
    QIcon m_warningIcon;
};

} // namespace zz
