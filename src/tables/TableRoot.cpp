#include "tables/TableRoot.h"

#include "common/Xml.h"

namespace zz {

pugi::xml_node tableRoot(const pugi::xml_document& doc, TableLoadReport& report) {
    const pugi::xml_node root = xml::firstTopLevelNode(doc);
    if (root.type() != pugi::node_element) {
        for (pugi::xml_node node = root; node; node = node.next_sibling()) {
            if (node.type() == pugi::node_element &&
                node.find_child([](pugi::xml_node child) { return child.type() == pugi::node_element; })) {
                report.rootNotFirst = true;
                break;
            }
        }
    }
    return root;
}

} // namespace zz
