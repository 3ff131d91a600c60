// Sorting the nodes by the cells of one column: what a click on a sortable
// column header does.
//
// Cells compare by value: first the cells without a value, then numbers (a
// 32-bit or pointer-sized integer, or a text that is a whole decimal number
// such as "-12") by size, then other texts unit by unit. Each list of
// siblings is sorted on its own, the top level included; equal cells keep
// their order, in either direction. The nodes move once: nodes added or
// changed later are not moved into place.
#ifndef ARBORKIT_NODE_ORDER_H
#define ARBORKIT_NODE_ORDER_H

#include "node_tree.h"

#include <cstdint>

namespace ArborkitLib {

void SortNodes(NodeTree& nodes, std::int32_t column, bool descending);

} // namespace ArborkitLib

#endif // ARBORKIT_NODE_ORDER_H
