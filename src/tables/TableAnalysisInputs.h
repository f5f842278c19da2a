#pragma once

#include "tables/EnabledFunctions.h"

#include <QString>

namespace zz {

// What the analysis of a translate table needs besides its rows, read from the configuration
// folder as `check` reads it. A file that cannot be read gives the defaults: its own dialog
// reports it.
struct TableAnalysisInputs {
    EnabledFunctionList functions;
    int operationMode = -1; // NAT or Routing; -1 while ParGen.xml is missing or refused
};

TableAnalysisInputs readTableAnalysisInputs(const QString& configDir);

} // namespace zz
