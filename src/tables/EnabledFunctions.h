#pragma once

#include "tables/TableLoadReport.h"

#include <QString>
#include <array>

namespace zz {

inline constexpr int kFunctionCount = 11;

// The function codes the converter accepts, in the fixed order of the list.
inline constexpr std::array<int, kFunctionCount> kFunctionCodes = {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 23};

// Indices into the string table.
inline constexpr int kEnabledFunctionsCaptionText = 500;     // 500-503: caption, description, OK, Cancel
inline constexpr int kEnabledFunctionsFirstHeaderText = 504; // headers of columns 0 to 2: 504-506
inline constexpr int kFirstFunctionLabelText = 507;          // row labels: 507-517

inline const QString kEnabledFunctionsFileName = QStringLiteral("EnableFunctions.xml");

struct FunctionEntry {
    QString enabled = QStringLiteral("Y"); // "Y" enables; any other text disables
    QString mnemonic;

    bool isEnabled() const { return enabled == QStringLiteral("Y"); }
    bool operator==(const FunctionEntry&) const = default;
};

// The eleven entries, addressed by their position 0 to 10 in the fixed order; every function
// starts enabled with an empty comment.
class EnabledFunctionList {
public:
    // The position of a function code, or -1 when the converter does not know the code.
    static int positionOfCode(int code);
    static int codeAt(int position) { return kFunctionCodes[static_cast<size_t>(position)]; }

    const FunctionEntry& at(int position) const { return m_entries[static_cast<size_t>(position)]; }
    FunctionEntry& at(int position) { return m_entries[static_cast<size_t>(position)]; }

    // Takes one loaded entry: `En` counts only when exactly "Y"; an unknown code is ignored.
    void Compile_Row(int FunNum, const QString& En, const QString& Mne);

    bool operator==(const EnabledFunctionList&) const = default;

private:
    std::array<FunctionEntry, kFunctionCount> m_entries;
};

struct EnabledFunctionsLoad {
    EnabledFunctionList list;
    TableLoadReport report;
};

// Reads EnableFunctions.xml: the first top-level node is the root and each child element an
// entry, identified by FunNum; later entries overwrite earlier ones. A missing file gives the
// defaults. A row lacking FunNum, Enabled or Mnemonic ends the loading there (the entries
// before it stay, the report names it). Throws FileError or XmlParseError.
EnabledFunctionsLoad readEnabledFunctionsFile(const QString& path);

// Writes all eleven entries, atomically. Throws FileError when it cannot be written.
void writeEnabledFunctionsFile(const EnabledFunctionList& list, const QString& path);

} // namespace zz
