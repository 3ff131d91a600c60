#include "selection.h"

#include "arborkit/arborkit.h"

#include <algorithm>
#include <string>

namespace ArborkitLib {

void Selection::Reindex() {
    members_ = std::unordered_set<std::int32_t>(selected_.begin(), selected_.end());
}

void Selection::AllowMultiple(bool allow) {
    multiple_ = allow;
    if (!allow && selected_.size() > 1) {
        selected_.erase(selected_.begin(), selected_.end() - 1);
        Reindex();
    }
}

bool Selection::Select(std::int32_t id, bool selected) {
    if (!selected) {
        if (members_.erase(id) == 0) return false;
        std::erase(selected_, id);
        return true;
    }
    if (IsSelected(id)) return false;
    if (!multiple_) return SelectOnly(id);
    selected_.reserve(selected_.size() + 1);
    members_.insert(id);
    selected_.push_back(id);
    return true;
}

bool Selection::SelectOnly(std::int32_t id) {
    if (selected_.size() == 1 && selected_.front() == id) return false;
    std::vector<std::int32_t> only{id};
    std::unordered_set<std::int32_t> members{id};
    selected_.swap(only);
    members_.swap(members);
    return true;
}

void Selection::SelectAlso(const std::vector<std::int32_t>& ids) {
    std::vector<std::int32_t> grown = selected_;
    std::unordered_set<std::int32_t> members = members_;
    for (std::int32_t id : ids) {
        if (members.insert(id).second) grown.push_back(id);
    }
    selected_.swap(grown);
    members_.swap(members);
}

bool Selection::IsSelected(std::int32_t id) const { return members_.count(id) != 0; }

std::int32_t Selection::At(std::int32_t position) const {
    if (position < 0 || position >= Count()) {
        throw ComponentError("the selection has no position " + std::to_string(position) +
                             " (it holds " + std::to_string(Count()) + " nodes)");
    }
    return selected_[static_cast<std::size_t>(position)];
}

void Selection::NodesRemoved(const std::vector<std::int32_t>& ids) {
    bool changed = false;
    for (std::int32_t id : ids) {
        changed = members_.erase(id) != 0 || changed;
        if (id == focusedNode_) focusedNode_ = kNoNode;
    }
    if (changed) {
        std::erase_if(selected_, [&](std::int32_t id) { return members_.count(id) == 0; });
    }
}

void Selection::AllNodesRemoved() noexcept {
    Clear();
    focusedNode_ = kNoNode;
}

void Selection::ColumnRemoved(std::int32_t index) noexcept {
    focusedColumn_ = IndexAfterRemoval(focusedColumn_, index);
}

} // namespace ArborkitLib
