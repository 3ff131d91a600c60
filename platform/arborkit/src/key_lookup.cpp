#include "key_lookup.h"

#include "utf16_text.h"

#include <string_view>

namespace ArborkitLib {

namespace {

bool hasKey(const NodeTree& nodes, std::int32_t node, std::int32_t column,
            std::u16string_view key) {
    const CellData& cell = nodes.Get(node).content.CellOrEmpty(column);
    return !cell.value.IsNothing() && ValueText(cell.value) == key;
}

std::int32_t findAnywhere(const NodeTree& nodes, std::int32_t column, std::u16string_view key) {
    for (std::int32_t node : nodes.InTreeOrder()) {
        if (hasKey(nodes, node, column, key)) return node;
    }
    return kNoNode;
}

std::int32_t findByPath(const NodeTree& nodes, std::int32_t column, std::u16string_view path,
                        std::u16string_view delimiter) {
    std::int32_t found = kNoNode;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = path.find(delimiter, start);
        const std::u16string_view part =
            path.substr(start, end == std::u16string_view::npos ? path.npos : end - start);
        std::int32_t next = kNoNode;
        for (std::int32_t child : nodes.ChildrenOf(found)) {
            if (hasKey(nodes, child, column, part)) {
                next = child;
                break;
            }
        }
        if (next == kNoNode) return kNoNode;
        found = next;
        if (end == std::u16string_view::npos) return found;
        start = end + delimiter.size();
    }
}

} // namespace

std::int32_t FindNodeByKey(const NodeTree& nodes, const ColumnSet& columns,
                           const KeySettings& settings, const std::u16string& key) {
    if (settings.fieldName.IsAbsent()) {
        throw ComponentError("no key field is set (SetKeyFieldName)");
    }
    const std::int32_t column = columns.FindByFieldName(settings.fieldName.Text());
    if (column == kNoColumn) {
        throw ComponentError("no column has the key field name \"" +
                             Utf16Text::ToUtf8(settings.fieldName.Text()) + "\"");
    }
    if (settings.delimiter.IsAbsent() || settings.delimiter.Text().empty()) {
        return findAnywhere(nodes, column, key);
    }
    return findByPath(nodes, column, key, settings.delimiter.Text());
}

} // namespace ArborkitLib
