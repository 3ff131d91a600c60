// The text export of a control (ExportDataToTxt).
//
// The file is UTF-8 without a byte-order mark, with lines ended by "\n":
//   * first a header line: the header texts of the visible columns in
//     visible order (a column's caption, or its name when it has no
//     caption), separated by one TAB each;
//   * then one line per visible node, in visible order: the texts its cells
//     show in the visible columns (display text, or the value as text),
//     separated by one TAB each, with two blanks per level of the node
//     before the first text.
// Nodes below a collapsed node and hidden columns are not written. A TAB,
// line feed, carriage return or NUL inside a text is written as one blank,
// so that every line keeps its columns; an unpaired surrogate becomes
// U+FFFD.
//
// The file is written beside its final place under the name with
// ".partial" appended, then renamed over it: a failed export leaves an
// earlier file of that name as it was.
#ifndef ARBORKIT_TEXT_EXPORT_H
#define ARBORKIT_TEXT_EXPORT_H

#include "column_set.h"
#include "node_tree.h"

#include <string>

namespace ArborkitLib {

// The text of the export, as the file will hold it.
std::string ExportText(const NodeTree& nodes, const ColumnSet& columns);

// Writes `text` to the file `fileName`; a ComponentError naming the file
// when it cannot be written.
void WriteExportFile(const std::u16string& fileName, const std::string& text);

} // namespace ArborkitLib

#endif // ARBORKIT_TEXT_EXPORT_H
