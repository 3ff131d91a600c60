#include "node_tree.h"

#include <algorithm>
#include <limits>
#include <string>

namespace ArborkitLib {

std::int32_t NodeTree::Add(std::int32_t parent) {
    if (parent != kNoNode) Get(parent);
    if (nextId_ > std::numeric_limits<std::int32_t>::max()) {
        throw ComponentError("every node id of the control has been used");
    }
    const auto id = static_cast<std::int32_t>(nextId_);
    // Both containers grow before anything is committed, so a failed
    // allocation leaves the tree as it was.
    std::vector<std::int32_t>& siblings = parent == kNoNode ? topLevel_ : Get(parent).children;
    siblings.reserve(siblings.size() + 1);
    Node node;
    node.parent = parent;
    node.index = static_cast<std::int32_t>(siblings.size());
    nodes_.emplace(id, std::move(node));
    siblings.push_back(id);
    ++nextId_;
    Changed();
    return id;
}

std::vector<std::int32_t> NodeTree::Remove(std::int32_t id) {
    const std::int32_t parent = Get(id).parent;
    std::vector<std::int32_t> removed = Descendants(id);
    removed.insert(removed.begin(), id);

    std::vector<std::int32_t>& siblings = SiblingsOf(id);
    const auto index = static_cast<std::size_t>(Get(id).index);
    siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(index));
    Renumber(siblings, index);
    if (parent != kNoNode && siblings.empty()) Get(parent).expanded = false;
    for (std::int32_t gone : removed)
        nodes_.erase(gone);
    Changed();
    return removed;
}

void NodeTree::Clear() {
    nodes_.clear();
    topLevel_.clear();
    Changed();
}

const Node& NodeTree::Get(std::int32_t id) const {
    auto it = nodes_.find(id);
    if (it == nodes_.end()) throw ComponentError("no node has the id " + std::to_string(id));
    return it->second;
}

Node& NodeTree::Get(std::int32_t id) {
    return const_cast<Node&>(static_cast<const NodeTree&>(*this).Get(id));
}

std::int32_t NodeTree::Level(std::int32_t id) const {
    std::int32_t level = 0;
    for (std::int32_t up = Get(id).parent; up != kNoNode; up = Get(up).parent)
        ++level;
    return level;
}

const std::vector<std::int32_t>& NodeTree::ChildrenOf(std::int32_t parent) const {
    return parent == kNoNode ? topLevel_ : Get(parent).children;
}

std::vector<std::int32_t>& NodeTree::SiblingsOf(std::int32_t id) {
    const std::int32_t parent = Get(id).parent;
    return parent == kNoNode ? topLevel_ : Get(parent).children;
}

void NodeTree::Renumber(const std::vector<std::int32_t>& siblings, std::size_t first) {
    for (std::size_t i = first; i < siblings.size(); ++i)
        Get(siblings[i]).index = static_cast<std::int32_t>(i);
}

std::int32_t NodeTree::IndexAmongSiblings(std::int32_t id) const { return Get(id).index; }

std::int32_t NodeTree::NextSibling(std::int32_t id) const {
    const Node& node = Get(id);
    const std::vector<std::int32_t>& siblings = ChildrenOf(node.parent);
    const auto next = static_cast<std::size_t>(node.index) + 1;
    return next < siblings.size() ? siblings[next] : kNoNode;
}

std::vector<std::int32_t> NodeTree::Walk(const std::vector<std::int32_t>& top,
                                         bool expandedOnly) const {
    std::vector<std::int32_t> order;
    // Depth first without recursion: deep trees must not exhaust the stack.
    std::vector<std::int32_t> pending(top.rbegin(), top.rend());
    while (!pending.empty()) {
        const std::int32_t id = pending.back();
        pending.pop_back();
        order.push_back(id);
        const Node& node = Get(id);
        if (node.expanded || !expandedOnly)
            pending.insert(pending.end(), node.children.rbegin(), node.children.rend());
    }
    return order;
}

std::vector<std::int32_t> NodeTree::InTreeOrder() const { return Walk(topLevel_, false); }

std::vector<std::int32_t> NodeTree::Descendants(std::int32_t id) const {
    return Walk(Get(id).children, false);
}

bool NodeTree::IsAncestor(std::int32_t ancestor, std::int32_t id) const {
    for (std::int32_t up = Get(id).parent; up != kNoNode; up = Get(up).parent) {
        if (up == ancestor) return true;
    }
    return false;
}

bool NodeTree::SetExpanded(std::int32_t id, bool expanded) {
    Node& node = Get(id);
    const bool wanted = expanded && !node.children.empty();
    if (node.expanded == wanted) return false;
    node.expanded = wanted;
    Changed();
    return true;
}

void NodeTree::ExpandSubtree(std::int32_t id) {
    SetExpanded(id, true);
    for (std::int32_t below : Descendants(id))
        SetExpanded(below, true);
}

void NodeTree::ExpandAll() {
    for (auto& entry : nodes_)
        entry.second.expanded = !entry.second.children.empty();
    Changed();
}

bool NodeTree::IsShown(std::int32_t id) const {
    for (std::int32_t up = Get(id).parent; up != kNoNode; up = Get(up).parent) {
        if (!Get(up).expanded) return false;
    }
    return true;
}

const std::vector<std::int32_t>& NodeTree::Visible() const {
    if (!visibleValid_) {
        visible_ = Walk(topLevel_, true);
        visibleIndex_.clear();
        for (std::size_t index = 0; index < visible_.size(); ++index)
            visibleIndex_.emplace(visible_[index], static_cast<std::int32_t>(index));
        visibleValid_ = true;
    }
    return visible_;
}

std::int32_t NodeTree::VisibleIndex(std::int32_t id) const {
    Get(id);
    Visible();
    auto it = visibleIndex_.find(id);
    return it == visibleIndex_.end() ? kNoNode : it->second;
}

} // namespace ArborkitLib
