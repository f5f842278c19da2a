#include "tables/TableAnalysis.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "params/GeneralParameters.h"
#include "tables/EnabledFunctions.h"
#include "tables/TranslateTable.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace zz {

namespace {

inline constexpr int kLastAddress = 65535;

// The values of one row that the cross-row checks use; a field is unset when its cell is
// invalid, which keeps the row out of every check that needs it.
struct RowValues {
    int row = 0;
    std::optional<int> type;
    std::optional<int> slaveIdTcp;
    std::optional<int> addressTcp;
    std::optional<int> address;
    std::optional<int> points;
};

RowValues valuesOf(int number, const TranslateRow& row, const QVector<CellFailure>& failures) {
    const auto failed = [&failures](int column) {
        return std::any_of(failures.begin(), failures.end(),
                           [column](const CellFailure& f) { return f.column == column; });
    };
    // A cell that passed its check is a whole number in range.
    const auto numberOf = [&](int column) -> std::optional<int> {
        if (failed(column))
            return std::nullopt;
        return row.cell(column).toInt();
    };
    RowValues values;
    values.row = number;
    values.type = dataTypeCodeOfCell(row.cell(ColDataType));
    values.slaveIdTcp = numberOf(ColSlaveIdTcp);
    values.addressTcp = numberOf(ColAddressTcp);
    values.address = numberOf(ColAddress);
    // NPoint is only checked once the type is known.
    if (values.type)
        values.points = numberOf(ColNPoint);
    return values;
}

QString typeText(int code) {
    return dataTypeTextOfCode(code);
}

void findOverflows(const RowValues& v, const TextTable& texts, QVector<Finding>& out) {
    if (!v.points)
        return;
    if (v.addressTcp && *v.addressTcp + *v.points - 1 > kLastAddress)
        out.append({FindingKind::AddressOverflow,
                    {v.row},
                    {ColAddressTcp, ColNPoint},
                    texts[added::AnalysisTcpOverflow].arg(QString::number(v.row),
                                                          QString::number(*v.addressTcp + *v.points - 1))});
    if (v.address && *v.address + *v.points - 1 > kLastAddress)
        out.append({FindingKind::AddressOverflow,
                    {v.row},
                    {ColAddress, ColNPoint},
                    texts[added::AnalysisSerialOverflow].arg(QString::number(v.row),
                                                             QString::number(*v.address + *v.points - 1))});
}

// Sort by (type, slave, start) and sweep: each block meets only the blocks still open when it
// starts, so the work follows the rows and the overlaps found, never all pairs.
void findOverlaps(const QVector<RowValues>& rows, const TextTable& texts, QVector<Finding>& out) {
    struct Block {
        int type, slave, first, last, row;
    };
    std::vector<Block> blocks;
    blocks.reserve(static_cast<size_t>(rows.size()));
    for (const RowValues& v : rows) {
        if (v.type && v.slaveIdTcp && v.addressTcp && v.points)
            blocks.push_back({*v.type, *v.slaveIdTcp, *v.addressTcp, *v.addressTcp + *v.points - 1, v.row});
    }
    std::sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) {
        return std::tie(a.type, a.slave, a.first, a.row) < std::tie(b.type, b.slave, b.first, b.row);
    });
    std::vector<const Block*> open;
    for (const Block& block : blocks) {
        std::erase_if(open, [&block](const Block* o) {
            return o->type != block.type || o->slave != block.slave || o->last < block.first;
        });
        for (const Block* o : open) {
            const Block& earlier = o->row < block.row ? *o : block;
            const Block& later = o->row < block.row ? block : *o;
            out.append({FindingKind::Overlap,
                        {earlier.row, later.row},
                        {ColDataType, ColSlaveIdTcp, ColAddressTcp, ColNPoint},
                        texts[added::AnalysisOverlap].arg(
                            QString::number(earlier.row), QString::number(later.row), typeText(block.type),
                            QString::number(block.slave), QString::number(block.first),
                            QString::number(std::min(o->last, block.last)))});
        }
        open.push_back(&block);
    }
}

int kindOrder(FindingKind kind) {
    return static_cast<int>(kind);
}

} // namespace

QString findingKindName(FindingKind kind) {
    switch (kind) {
    case FindingKind::Invalid:
        return QStringLiteral("invalid");
    case FindingKind::Overlap:
        return QStringLiteral("overlap");
    case FindingKind::AddressOverflow:
        return QStringLiteral("address-overflow");
    case FindingKind::FunctionDisabled:
        return QStringLiteral("function-disabled");
    case FindingKind::UnusedTable:
        return QStringLiteral("unused-table");
    case FindingKind::EmptyTable:
        return QStringLiteral("empty-table");
    }
    return {};
}

bool blocksUpdateSilently(FindingKind kind) {
    return kind == FindingKind::Overlap || kind == FindingKind::AddressOverflow ||
           kind == FindingKind::FunctionDisabled;
}

QVector<Finding> analyseConfiguration(const TranslateTable& table, const EnabledFunctionList& functions,
                                      int operationMode, const TextTable& texts) {
    QVector<Finding> findings;
    const int length = table.length();
    QVector<RowValues> values;
    values.reserve(length);
    for (int number = 1; number <= length; ++number) {
        const TranslateRow& row = table.row(number);
        const QVector<CellFailure> failures = failingChecks(row);
        for (const CellFailure& f : failures)
            findings.append(
                {FindingKind::Invalid, {number}, {f.column}, RowFailure{number, f.textIndex}.message(texts)});
        const RowValues v = valuesOf(number, row, failures);
        findOverflows(v, texts, findings);
        // Function codes 1 to 4 read the data types of the same codes.
        if (v.type && !functions.at(EnabledFunctionList::positionOfCode(*v.type)).isEnabled())
            findings.append({FindingKind::FunctionDisabled,
                             {number},
                             {ColDataType},
                             texts[added::AnalysisFunctionDisabled].arg(
                                 QString::number(number), typeText(*v.type), QString::number(*v.type))});
        values.append(v);
    }
    findOverlaps(values, texts, findings);
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return std::make_tuple(a.rows.front(), a.rows.back(), kindOrder(a.kind)) <
               std::make_tuple(b.rows.front(), b.rows.back(), kindOrder(b.kind));
    });

    if (operationMode == kRoutingMode && length > 0)
        findings.append({FindingKind::UnusedTable,
                         {},
                         {},
                         texts[added::AnalysisUnusedTable].arg(QString::number(length))});
    if (operationMode == kNatMode && length == 0)
        findings.append({FindingKind::EmptyTable, {}, {}, texts[added::AnalysisEmptyTable]});
    return findings;
}

int rowsReadWithFunction(const TranslateTable& table, int code) {
    int count = 0;
    for (int number = 1, length = table.length(); number <= length; ++number) {
        if (dataTypeCodeOfCell(table.row(number).cell(ColDataType)) == code)
            ++count;
    }
    return count;
}

} // namespace zz
