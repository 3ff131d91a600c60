// Which nodes are selected, and where the focus is.
//
//   * The selection is a list in the order the nodes were selected; a node
//     is in it at most once. With single selection it holds one node at
//     most: selecting a node replaces the selection.
//   * Switching multiple selection off keeps the node selected last.
//   * The focus is one node (kNoNode: none) and one column (kNoColumn:
//     none), kept apart from the selection.
//   * Node ids and column indexes are checked by the control before they
//     get here; this only keeps the lists.
#ifndef ARBORKIT_SELECTION_H
#define ARBORKIT_SELECTION_H

#include "column_set.h"
#include "node_tree.h"

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace ArborkitLib {

class Selection {
public:
    bool MultipleAllowed() const noexcept { return multiple_; }
    void AllowMultiple(bool allow);

    // Adds or takes away one node; false when the selection did not change.
    bool Select(std::int32_t id, bool selected);
    // Makes `id` the only selected node; false when it already was.
    bool SelectOnly(std::int32_t id);
    // Adds the nodes not yet selected, in the given order (multiple
    // selection only).
    void SelectAlso(const std::vector<std::int32_t>& ids);
    void Clear() noexcept {
        selected_.clear();
        members_.clear();
    }

    bool IsSelected(std::int32_t id) const;
    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(selected_.size()); }
    // The node at `position`; a ComponentError past the end.
    std::int32_t At(std::int32_t position) const;
    const std::vector<std::int32_t>& Nodes() const noexcept { return selected_; }

    std::int32_t FocusedNode() const noexcept { return focusedNode_; }
    std::int32_t FocusedColumn() const noexcept { return focusedColumn_; }
    void FocusNode(std::int32_t id) noexcept { focusedNode_ = id; }
    void FocusColumn(std::int32_t index) noexcept { focusedColumn_ = index; }

    // The nodes are gone: they leave the selection and the focus.
    void NodesRemoved(const std::vector<std::int32_t>& ids);
    void AllNodesRemoved() noexcept;
    // The column at `index` is gone and the later ones moved down.
    void ColumnRemoved(std::int32_t index) noexcept;

private:
    // Rebuilds members_ from selected_.
    void Reindex();

    bool multiple_ = false;
    std::vector<std::int32_t> selected_;
    // The same nodes, for quick membership tests.
    std::unordered_set<std::int32_t> members_;
    std::int32_t focusedNode_ = kNoNode;
    std::int32_t focusedColumn_ = kNoColumn;
};

} // namespace ArborkitLib

#endif // ARBORKIT_SELECTION_H
