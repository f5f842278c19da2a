#pragma once

#include "tables/TableLoadReport.h"

#include <functional>

class QWidget;

namespace zz {

struct AppContext;

// Runs the loading of a table for `dialog` as it is being shown. What the loading left out
// becomes a warning and a failure (zz::Error) an error box; either comes once the dialog is on
// the screen, above it.
void loadTableForDialog(QWidget* dialog, AppContext& context, const std::function<TableLoadReport()>& load);

} // namespace zz
