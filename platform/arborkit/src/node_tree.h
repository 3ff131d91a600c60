// The nodes of a control and their structure.
//
//   * A node id is given out once per control: ids count up from 0 and are
//     never reused, not even after the node is removed or the tree cleared.
//   * kNoNode (-1) is the parent of a top-level node, and what a lookup
//     gives when it finds nothing.
//   * A node's level is its number of ancestors (0 at the top level); its
//     index is its position among its parent's children, from 0.
//   * Tree order is depth first: a node, then its children's subtrees in
//     order.
//   * Only a node with children can be expanded; a node whose last child
//     goes is collapsed again, and a new node starts collapsed. A node is
//     shown when every ancestor is expanded; the shown nodes in tree order
//     are the visible nodes, and a node's visible index is its position
//     among them.
#ifndef ARBORKIT_NODE_TREE_H
#define ARBORKIT_NODE_TREE_H

#include "arborkit/arborkit.h"
#include "row_content.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace ArborkitLib {

constexpr std::int32_t kNoNode = -1;

struct Node {
    std::int32_t parent = kNoNode;
    // The node's position among its parent's children.
    std::int32_t index = 0;
    std::vector<std::int32_t> children;
    bool expanded = false;
    IntPtr tag;
    RowContent content;
};

class NodeTree {
public:
    // A new node, last among the children of `parent` (kNoNode: at the top
    // level). A ComponentError when the parent is unknown or no id is left.
    std::int32_t Add(std::int32_t parent);
    // Removes the node and its subtree; returns their ids.
    std::vector<std::int32_t> Remove(std::int32_t id);
    // Removes every node. Ids already given stay used.
    void Clear();

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(nodes_.size()); }
    bool Contains(std::int32_t id) const { return nodes_.count(id) != 0; }
    // The node; a ComponentError naming the id when there is none.
    const Node& Get(std::int32_t id) const;
    Node& Get(std::int32_t id);

    std::int32_t Level(std::int32_t id) const;
    std::int32_t IndexAmongSiblings(std::int32_t id) const;
    std::int32_t NextSibling(std::int32_t id) const;
    // The children of `parent`, or the top-level nodes for kNoNode.
    const std::vector<std::int32_t>& ChildrenOf(std::int32_t parent) const;
    // Every node in tree order.
    std::vector<std::int32_t> InTreeOrder() const;
    // The node's descendants in tree order, without the node itself.
    std::vector<std::int32_t> Descendants(std::int32_t id) const;
    // True when `ancestor` is a proper ancestor of `id`.
    bool IsAncestor(std::int32_t ancestor, std::int32_t id) const;

    // Expands or collapses one node; false when nothing changed (a node
    // without children stays collapsed).
    bool SetExpanded(std::int32_t id, bool expanded);
    // Expands the node and every node below it.
    void ExpandSubtree(std::int32_t id);
    void ExpandAll();
    bool IsShown(std::int32_t id) const;

    // The visible nodes in order, and a node's position among them (kNoNode
    // when it is not shown).
    const std::vector<std::int32_t>& Visible() const;
    std::int32_t VisibleIndex(std::int32_t id) const;

    // Puts every child list (the top level included) in the order `less`
    // gives, keeping equal nodes in their order.
    template <class Less> void SortChildren(Less&& less);

private:
    // The nodes from `top` down, depth first in tree order; with
    // `expandedOnly`, without the children of a collapsed node.
    std::vector<std::int32_t> Walk(const std::vector<std::int32_t>& top, bool expandedOnly) const;
    std::vector<std::int32_t>& SiblingsOf(std::int32_t id);
    // Gives the siblings from `first` on their positions again.
    void Renumber(const std::vector<std::int32_t>& siblings, std::size_t first);
    void Changed() noexcept { visibleValid_ = false; }

    std::unordered_map<std::int32_t, Node> nodes_;
    std::vector<std::int32_t> topLevel_;
    std::int64_t nextId_ = 0;

    // The visible nodes, worked out again after a change of the structure
    // or of an expansion.
    mutable bool visibleValid_ = false;
    mutable std::vector<std::int32_t> visible_;
    mutable std::unordered_map<std::int32_t, std::int32_t> visibleIndex_;
};

} // namespace ArborkitLib

#include <algorithm>

template <class Less> void ArborkitLib::NodeTree::SortChildren(Less&& less) {
    std::stable_sort(topLevel_.begin(), topLevel_.end(), less);
    Renumber(topLevel_, 0);
    for (auto& entry : nodes_) {
        std::stable_sort(entry.second.children.begin(), entry.second.children.end(), less);
        Renumber(entry.second.children, 0);
    }
    Changed();
}

#endif // ARBORKIT_NODE_TREE_H
