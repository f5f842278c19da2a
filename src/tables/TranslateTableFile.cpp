#include "tables/TranslateTableFile.h"

#include "common/TextRules.h"
#include "common/Xml.h"
#include "tables/TableRoot.h"

#include <QFileInfo>
#include <array>

namespace zz {

namespace {

constexpr const char* kRootName = "TCP_TO_RTU";
constexpr const char* kRowName = "row";
constexpr const char* kVersionComment = "SW_VERSION = 1.002";

// File attributes of columns 1 to 7, in the order they are written.
constexpr std::array<const char*, kTranslateFieldCount> kAttributes = {
    "DATA_TYPE", "TCP_ADD_DEV", "TCP_ADDRESS", "RTU_ADD_DEV", "RTU_ADDRESS", "N_POINT", "MNEMONIC",
};

// Fills `row` from one element; returns the first attribute it lacks, or nothing.
std::optional<QString> parseRow(pugi::xml_node element, TranslateRow& row) {
    for (int column = ColDataType; column <= ColMnemonic; ++column) {
        const char* name = kAttributes[static_cast<size_t>(column - 1)];
        std::optional<QString> value = xml::attribute(element, name);
        if (!value) {
            if (column != ColSlaveIdTcp)
                return QString::fromLatin1(name);
            value = QStringLiteral("1");
        }
        row.cell(column) = column == ColDataType ? dataTypeTextOfCode(wholeNumberOr(*value, -1)) : *value;
    }
    return std::nullopt;
}

} // namespace

TranslateTableLoad readTranslateTableFile(const QString& path) {
    TranslateTableLoad load;
    load.report.file = path;
    load.report.rowLimit = kTranslateRowCount;
    if (!QFileInfo::exists(path))
        return load;

    pugi::xml_document doc;
    xml::load(doc, path);
    const pugi::xml_node root = tableRoot(doc, load.report);
    load.rows.reserve(kTranslateRowCount);
    for (pugi::xml_node element = root.first_child(); element; element = element.next_sibling()) {
        if (element.type() != pugi::node_element)
            continue;
        ++load.report.rowsInFile;
        if (load.report.missing || load.rows.size() >= kTranslateRowCount)
            continue;
        TranslateRow row;
        if (std::optional<QString> missing = parseRow(element, row)) {
            load.report.missing = MissingAttribute{load.report.rowsInFile, *missing};
            continue;
        }
        load.rows.append(std::move(row));
    }
    return load;
}

void writeTranslateTableFile(const TranslateTable& table, const QString& path) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child(kRootName);
    xml::appendComment(doc, QString::fromLatin1(kVersionComment));
    const int length = table.length();
    for (int number = 1; number <= length; ++number) {
        const TranslateRow& row = table.row(number);
        pugi::xml_node element = root.append_child(kRowName);
        // Saved only after the checks, so the type is always one of the four.
        const std::optional<int> code = dataTypeCodeOfCell(row.cell(ColDataType));
        xml::appendAttribute(element, kAttributes[0], code ? QString::number(*code) : QString());
        for (int column = ColSlaveIdTcp; column <= ColMnemonic; ++column)
            xml::appendAttribute(element, kAttributes[static_cast<size_t>(column - 1)], row.cell(column));
    }
    xml::save(doc, path);
}

} // namespace zz
