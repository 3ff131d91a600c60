// Finding a node by the value of its key field.
//
// The key field is a column's field name (SetKeyFieldName); a node's key is
// the value of its cell in that column, as text (a string as it is, an
// integer in decimal; a cell holding nothing has no key). The display text
// plays no part.
//
//   * Without a delimiter (none set, or an empty one) the key value is
//     compared whole with every node's key, in tree order, and the first
//     node whose key equals it is found.
//   * With a delimiter the key value is a path: it is split at every
//     delimiter, the first part is looked for among the top-level nodes, each
//     further part among the children of the node found for the part before,
//     and the node found for the last part is the result. Among siblings the
//     first match counts. Parts are compared exactly, empty ones included.
// Nothing found gives kNoNode. Comparisons are exact, unit for unit.
#ifndef ARBORKIT_KEY_LOOKUP_H
#define ARBORKIT_KEY_LOOKUP_H

#include "column_set.h"
#include "node_tree.h"

#include <cstdint>
#include <string>

namespace ArborkitLib {

struct KeySettings {
    ComponentString fieldName; // absent: no key field
    ComponentString delimiter; // absent or empty: keys are not paths
};

// The node whose key is `key`, or kNoNode. A ComponentError when no key
// field is set or no column has that field name.
std::int32_t FindNodeByKey(const NodeTree& nodes, const ColumnSet& columns,
                           const KeySettings& settings, const std::u16string& key);

} // namespace ArborkitLib

#endif // ARBORKIT_KEY_LOOKUP_H
