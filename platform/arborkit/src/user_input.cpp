// The user's side of the control: what clicks, double clicks, context
// clicks, expanding and collapsing do, and the events they raise. The
// StandIn functions that drive them are at the end.
//
// A handler may do anything while an event is raised: call operations, drop
// the node that was clicked, dispose the control. So an action looks again
// after every event: it ends when the control is disposed, and it does not
// act on a node that is gone.
#include "control_registry.h"
#include "node_order.h"
#include "tree_list_control.h"

#include <string>

namespace ArborkitLib {

bool TreeListControl::RaiseUserEvent(TreeEventType type, std::shared_ptr<EventArgs> data) {
    if (disposed_) return false;
    RaiseTreeEvent(type, data);
    return !disposed_;
}

bool TreeListControl::CellStillThere(std::int32_t row, std::int32_t column) const {
    return column != kNoColumn && nodes_.Contains(row) && column < columns_.Count();
}

bool TreeListControl::UserFocus(std::int32_t node, std::int32_t column, bool keepSelection) {
    const std::int32_t focusedColumn = column == kNoColumn ? selection_.FocusedColumn() : column;
    const bool focusMoves =
        node != selection_.FocusedNode() || focusedColumn != selection_.FocusedColumn();
    const std::vector<std::int32_t> selectedBefore = selection_.Nodes();

    selection_.FocusColumn(focusedColumn);
    const bool expanded = FocusNode(node, keepSelection);
    if (focusMoves && !RaiseUserEvent(TreeEventType::CellB,
                                      std::make_shared<CellPositionArgs>(node, focusedColumn))) {
        return false;
    }
    if (selection_.Nodes() != selectedBefore && !RaiseUserEvent(TreeEventType::NotifyA, nullptr)) {
        return false;
    }
    if (expanded && nodes_.Contains(node) &&
        !RaiseUserEvent(TreeEventType::ExpandCollapseA,
                        std::make_shared<ExpandCollapseArgs>(node))) {
        return false;
    }
    return true;
}

bool TreeListControl::UserToggle(std::int32_t node, bool expand) {
    if (!nodes_.SetExpanded(node, expand)) return true;
    if (expand) {
        return RaiseUserEvent(TreeEventType::ExpandCollapseA,
                              std::make_shared<ExpandCollapseArgs>(node));
    }
    topIndex_ = TopIndex();
    // A focus hidden by the collapse moves up to the collapsed node.
    const std::int32_t focused = selection_.FocusedNode();
    const bool focusHidden = focused != kNoNode && nodes_.IsAncestor(node, focused);
    if (focusHidden) selection_.FocusNode(node);
    if (!RaiseUserEvent(TreeEventType::ExpandCollapseB,
                        std::make_shared<ExpandCollapseArgs>(node))) {
        return false;
    }
    // Unless a handler has moved the focus on in the meantime.
    if (focusHidden && selection_.FocusedNode() == node) {
        return RaiseUserEvent(TreeEventType::CellB,
                              std::make_shared<CellPositionArgs>(node, selection_.FocusedColumn()));
    }
    return true;
}

bool TreeListControl::UserSort(std::int32_t column) {
    if (!columns_.Get(column).sortEnabled) return true;
    // Ascending first; the same header again turns the order round.
    const bool descending = sortColumn_ == column && !sortDescending_;
    SortNodes(nodes_, column, descending);
    sortColumn_ = column;
    sortDescending_ = descending;
    return RaiseUserEvent(TreeEventType::NotifyB, nullptr);
}

void TreeListControl::UserClick(std::int32_t x, std::int32_t y) {
    RequireLive();
    if (!RaiseUserEvent(TreeEventType::MouseA, std::make_shared<MousePositionArgs>(x, y))) return;

    const Layout layout = CurrentLayout();
    const std::int32_t button = layout.ExpandButtonAt(x, y);
    if (button != kNoNode) {
        if (!UserToggle(button, !nodes_.Get(button).expanded)) return;
    } else if (const std::int32_t header = layout.HeaderAt(x, y); header != kNoColumn) {
        if (!UserSort(header)) return;
    } else if (const std::int32_t row = layout.RowAt(x, y); row != kNoNode) {
        const std::int32_t column = layout.ColumnAt(x, y);
        if (!UserFocus(row, column, false)) return;
        if (CellStillThere(row, column) &&
            !RaiseUserEvent(TreeEventType::CellA,
                            std::make_shared<CellPositionArgs>(row, column))) {
            return;
        }
    }
    RaiseUserEvent(TreeEventType::MouseB, std::make_shared<MousePositionArgs>(x, y));
}

void TreeListControl::UserDoubleClick(std::int32_t x, std::int32_t y) {
    RequireLive();
    // The first click of the two does what a click does.
    const std::int32_t button = CurrentLayout().ExpandButtonAt(x, y);
    UserClick(x, y);
    if (disposed_ || button != kNoNode) return;

    const Layout layout = CurrentLayout();
    const std::int32_t row = layout.RowAt(x, y);
    const std::int32_t column = layout.ColumnAt(x, y);
    if (row == kNoNode || column == kNoColumn) return;
    if (!RaiseUserEvent(TreeEventType::CellLeftDoubleClick,
                        std::make_shared<CellLeftDoubleClickArgs>(x, y, row, column))) {
        return;
    }
    // Double-clicking a node with children opens or closes it (a node
    // without children stays as it is).
    if (nodes_.Contains(row)) UserToggle(row, !nodes_.Get(row).expanded);
}

void TreeListControl::UserRightClick(std::int32_t x, std::int32_t y, TreeMouseButton button) {
    RequireLive();
    if (!RaiseUserEvent(TreeEventType::MouseA, std::make_shared<MousePositionArgs>(x, y))) return;

    const Layout layout = CurrentLayout();
    const std::int32_t row = layout.RowAt(x, y);
    const std::int32_t column = layout.ColumnAt(x, y);
    if (row != kNoNode) {
        // A context click on a selected node keeps the selection it belongs
        // to; on any other node it selects that node alone.
        if (!UserFocus(row, column, true)) return;
        if (CellStillThere(row, column) &&
            !RaiseUserEvent(TreeEventType::CellRightClick,
                            std::make_shared<CellRightClickArgs>(x, y, button, row, column))) {
            return;
        }
    }
    RaiseUserEvent(TreeEventType::MouseB, std::make_shared<MousePositionArgs>(x, y));
}

void TreeListControl::UserExpand(std::int32_t node, bool expand) {
    RequireLive();
    const std::string action = expand ? "Expand: " : "Collapse: ";
    if (!nodes_.Contains(node)) {
        throw ComponentError(action + "no node has the id " + std::to_string(node));
    }
    if (!nodes_.IsShown(node)) {
        throw ComponentError(action + "node " + std::to_string(node) +
                             " is below a collapsed node, out of the user's reach");
    }
    UserToggle(node, expand);
}

// ---------------------------------------------------------------------------
// The driver
// ---------------------------------------------------------------------------

void StandIn::Click(HWND control, int x, int y) {
    ControlRegistry::FindLive(control)->UserClick(x, y);
}

void StandIn::DoubleClick(HWND control, int x, int y) {
    ControlRegistry::FindLive(control)->UserDoubleClick(x, y);
}

void StandIn::RightClick(HWND control, int x, int y, TreeMouseButton button) {
    ControlRegistry::FindLive(control)->UserRightClick(x, y, button);
}

void StandIn::Expand(HWND control, int nodeId) {
    ControlRegistry::FindLive(control)->UserExpand(nodeId, true);
}

void StandIn::Collapse(HWND control, int nodeId) {
    ControlRegistry::FindLive(control)->UserExpand(nodeId, false);
}

} // namespace ArborkitLib
