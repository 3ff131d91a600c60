// Selection, focus and navigation.
#include "argument_checks.h"
#include "tree_list_control.h"

namespace ArborkitLib {

void TreeListControl::SetAllowMultiSelection(bool bEnable) {
    Run<void>(
        "SetAllowMultiSelection", [&] { selection_.AllowMultiple(bEnable); }, bEnable);
}

void TreeListControl::SelectNode(std::int32_t row, bool bSelect) {
    Run<void>(
        "SelectNode",
        [&] {
            nodes_.Get(row);
            selection_.Select(row, bSelect);
        },
        row, bSelect);
}

void TreeListControl::SelectOffspring(std::int32_t row) {
    Run<void>(
        "SelectOffspring",
        [&] {
            std::vector<std::int32_t> offspring = nodes_.Descendants(row);
            if (!selection_.MultipleAllowed() && !offspring.empty()) {
                throw ComponentError("node " + std::to_string(row) +
                                     " has offspring to select and multiple selection is off");
            }
            selection_.SelectAlso(offspring);
        },
        row);
}

void TreeListControl::ClearSelection() {
    Run<void>("ClearSelection", [&] { selection_.Clear(); });
}

bool TreeListControl::IsSelected(std::int32_t row) {
    return Run<bool>(
        "IsSelected",
        [&] {
            nodes_.Get(row);
            return selection_.IsSelected(row);
        },
        row);
}

std::int32_t TreeListControl::GetSelectedNodesCount() {
    return Run<std::int32_t>("GetSelectedNodesCount", [&] { return selection_.Count(); });
}

std::int32_t TreeListControl::GetSelectedNodeId(std::int32_t iSelIdx) {
    return Run<std::int32_t>(
        "GetSelectedNodeId", [&] { return selection_.At(iSelIdx); }, iSelIdx);
}

void TreeListControl::SetFocusedRow(std::int32_t row) {
    Run<void>(
        "SetFocusedRow",
        [&] {
            if (row != kNoNode) nodes_.Get(row);
            FocusNode(row);
        },
        row);
}

std::int32_t TreeListControl::GetFocusedRow() {
    return Run<std::int32_t>("GetFocusedRow", [&] { return selection_.FocusedNode(); });
}

void TreeListControl::SetFocusedCol(std::int32_t col) {
    Run<void>(
        "SetFocusedCol",
        [&] {
            if (col != kNoColumn && columns_.VisibleIndex(col) == kNoColumn) {
                throw ComponentError("column " + std::to_string(col) +
                                     " is hidden and cannot take the focus");
            }
            selection_.FocusColumn(col);
        },
        col);
}

std::int32_t TreeListControl::GetFocusedCol() {
    return Run<std::int32_t>("GetFocusedCol", [&] { return selection_.FocusedColumn(); });
}

std::int32_t TreeListControl::GetTopVisibleNodeIndex() {
    return Run<std::int32_t>("GetTopVisibleNodeIndex",
                             [&] { return nodes_.Visible().empty() ? kNoNode : TopIndex(); });
}

void TreeListControl::SetTopVisibleNodeIndex(std::int32_t index) {
    Run<void>(
        "SetTopVisibleNodeIndex",
        [&] {
            topIndex_ = Check::NotNegative("the top visible index", index);
            topIndex_ = TopIndex();
        },
        index);
}

std::int32_t TreeListControl::GetVisibleNodesCount() {
    return Run<std::int32_t>("GetVisibleNodesCount",
                             [&] { return static_cast<std::int32_t>(nodes_.Visible().size()); });
}

std::int32_t TreeListControl::GetNodeVisibleIndex(std::int32_t row) {
    return Run<std::int32_t>(
        "GetNodeVisibleIndex", [&] { return nodes_.VisibleIndex(row); }, row);
}

std::int32_t TreeListControl::GetNextVisibleNodeId(std::int32_t nodeId) {
    return Run<std::int32_t>(
        "GetNextVisibleNodeId",
        [&] {
            const std::int32_t index = nodes_.VisibleIndex(nodeId);
            const std::vector<std::int32_t>& visible = nodes_.Visible();
            if (index == kNoNode || static_cast<std::size_t>(index) + 1 >= visible.size()) {
                return kNoNode;
            }
            return visible[static_cast<std::size_t>(index) + 1];
        },
        nodeId);
}

std::int32_t TreeListControl::GetPreVisibleNodeId(std::int32_t nodeId) {
    return Run<std::int32_t>(
        "GetPreVisibleNodeId",
        [&] {
            const std::int32_t index = nodes_.VisibleIndex(nodeId);
            if (index == kNoNode || index == 0) return kNoNode;
            return nodes_.Visible()[static_cast<std::size_t>(index) - 1];
        },
        nodeId);
}

std::int32_t TreeListControl::GetRowByPoint(std::int32_t x, std::int32_t y) {
    return Run<std::int32_t>(
        "GetRowByPoint", [&] { return CurrentLayout().RowAt(x, y); }, x, y);
}

std::int32_t TreeListControl::GetColByPoint(std::int32_t x, std::int32_t y) {
    return Run<std::int32_t>(
        "GetColByPoint", [&] { return CurrentLayout().ColumnAt(x, y); }, x, y);
}

} // namespace ArborkitLib
