#pragma once

#include "tables/TableLoadReport.h"

#include <pugixml.hpp>

namespace zz {

// The root of a table file: the document's first top-level node, whatever it is. When that is
// not the element holding the rows (a declaration or a comment comes first), the rows are not
// read, and the report says so, so that saving does not drop them unseen.
pugi::xml_node tableRoot(const pugi::xml_document& doc, TableLoadReport& report);

} // namespace zz
