// Nodes, tags and keys.
#include "argument_checks.h"
#include "tree_list_control.h"

namespace ArborkitLib {

std::int32_t TreeListControl::AddNode(const ComponentString& ItemText, std::int32_t parentNodeId) {
    return Run<std::int32_t>(
        "AddNode",
        [&] {
            // The node's text is the value of its first cell.
            RowContent content;
            content.Cell(0).value = Value::FromString(ItemText);
            const std::int32_t id = nodes_.Add(parentNodeId);
            nodes_.Get(id).content = std::move(content);
            return id;
        },
        ItemText, parentNodeId);
}

std::int32_t TreeListControl::AddNodeEx(const RowInfoRecord& rowInfo, std::int32_t ParentId) {
    return Run<std::int32_t>(
        "AddNodeEx",
        [&] {
            RowContent content;
            content.style.fontName = rowInfo.fontName;
            content.style.fontSize = Check::FontSize(rowInfo.fontSize);
            for (std::size_t i = 0; i < rowInfo.cells.size(); ++i) {
                const CellInfoRecord& given = rowInfo.cells[i];
                CellData& cell = content.Cell(static_cast<std::int32_t>(i));
                cell.value = Value::FromString(given.value);
                cell.foreColor = given.foreColor;
                cell.backColor = given.backColor;
                cell.picture = given.picture;
                cell.displayText = given.displayText;
            }
            const std::int32_t id = nodes_.Add(ParentId);
            Node& node = nodes_.Get(id);
            node.tag = rowInfo.nodeTag;
            node.content = std::move(content);
            return id;
        },
        rowInfo, ParentId);
}

void TreeListControl::RemoveNode(std::int32_t row) {
    Run<void>(
        "RemoveNode",
        [&] {
            selection_.NodesRemoved(nodes_.Remove(row));
            topIndex_ = TopIndex();
        },
        row);
}

void TreeListControl::ClearNodes() {
    Run<void>("ClearNodes", [&] {
        nodes_.Clear();
        selection_.AllNodesRemoved();
        topIndex_ = 0;
    });
}

std::int32_t TreeListControl::GetNodeCount() {
    return Run<std::int32_t>("GetNodeCount", [&] { return nodes_.Count(); });
}

std::int32_t TreeListControl::GetNodeLevel(std::int32_t row) {
    return Run<std::int32_t>(
        "GetNodeLevel", [&] { return nodes_.Level(row); }, row);
}

std::int32_t TreeListControl::GetParentNode(std::int32_t row) {
    return Run<std::int32_t>(
        "GetParentNode", [&] { return nodes_.Get(row).parent; }, row);
}

std::int32_t TreeListControl::GetNextSiblingNode(std::int32_t row) {
    return Run<std::int32_t>(
        "GetNextSiblingNode", [&] { return nodes_.NextSibling(row); }, row);
}

std::int32_t TreeListControl::GetNodeIndexById(std::int32_t row) {
    return Run<std::int32_t>(
        "GetNodeIndexById", [&] { return nodes_.IndexAmongSiblings(row); }, row);
}

void TreeListControl::SetNodeTag(std::int32_t index, const Value& newValue) {
    Run<void>(
        "SetNodeTag",
        [&] {
            Node& node = nodes_.Get(index);
            node.tag = Check::IntPtrValue("a node tag", newValue);
        },
        index, newValue);
}

Value TreeListControl::GetNodeTag(std::int32_t row) {
    return Run<Value>(
        "GetNodeTag", [&] { return Value::FromIntPtr(nodes_.Get(row).tag); }, row);
}

void TreeListControl::SetDelimiter(const ComponentString& delimeter) {
    Run<void>(
        "SetDelimiter", [&] { keys_.delimiter = delimeter; }, delimeter);
}

void TreeListControl::SetKeyFieldName(const ComponentString& keyFieldName) {
    Run<void>(
        "SetKeyFieldName", [&] { keys_.fieldName = keyFieldName; }, keyFieldName);
}

std::int32_t TreeListControl::GetNodeIdByKeyValue(const Value& keyValue) {
    return Run<std::int32_t>(
        "GetNodeIdByKeyValue",
        [&] {
            return FindNodeByKey(nodes_, columns_, keys_,
                                 Check::StringValue("the key value", keyValue));
        },
        keyValue);
}

void TreeListControl::ExpandTlistAll() {
    Run<void>("ExpandTlistAll", [&] { nodes_.ExpandAll(); });
}

void TreeListControl::FullExpandNode(std::int32_t row) {
    Run<void>(
        "FullExpandNode", [&] { nodes_.ExpandSubtree(row); }, row);
}

void TreeListControl::SetAutoExpand(bool bAutoExpand) {
    Run<void>(
        "SetAutoExpand", [&] { view_.autoExpand = bAutoExpand; }, bAutoExpand);
}

} // namespace ArborkitLib
