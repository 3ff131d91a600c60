#include "selection.h"

#include "arborkit/arborkit.h"

#include <algorithm>
#include <string>
#include <unordered_set>

namespace ArborkitLib {

void Selection::AllowMultiple(bool allow) {
    multiple_ = allow;
    if (!allow && selected_.size() > 1) selected_.erase(selected_.begin(), selected_.end() - 1);
}

bool Selection::Select(std::int32_t id, bool selected) {
    if (!selected) return std::erase(selected_, id) != 0;
    if (IsSelected(id)) return false;
    if (!multiple_) {
        SelectOnly(id);
    } else {
        selected_.push_back(id);
    }
    return true;
}

bool Selection::SelectOnly(std::int32_t id) {
    if (selected_.size() == 1 && selected_.front() == id) return false;
    selected_.assign(1, id);
    return true;
}

void Selection::SelectAlso(const std::vector<std::int32_t>& ids) {
    std::unordered_set<std::int32_t> already(selected_.begin(), selected_.end());
    std::vector<std::int32_t> grown = selected_;
    for (std::int32_t id : ids) {
        if (already.insert(id).second) grown.push_back(id);
    }
    selected_ = std::move(grown);
}

bool Selection::IsSelected(std::int32_t id) const {
    return std::find(selected_.begin(), selected_.end(), id) != selected_.end();
}

std::int32_t Selection::At(std::int32_t position) const {
    if (position < 0 || position >= Count()) {
        throw ComponentError("the selection has no position " + std::to_string(position) +
                             " (it holds " + std::to_string(Count()) + " nodes)");
    }
    return selected_[static_cast<std::size_t>(position)];
}

void Selection::NodesRemoved(const std::vector<std::int32_t>& ids) {
    const std::unordered_set<std::int32_t> gone(ids.begin(), ids.end());
    std::erase_if(selected_, [&](std::int32_t id) { return gone.count(id) != 0; });
    if (gone.count(focusedNode_) != 0) focusedNode_ = -1;
}

void Selection::AllNodesRemoved() noexcept {
    selected_.clear();
    focusedNode_ = -1;
}

void Selection::ColumnRemoved(std::int32_t index) noexcept {
    if (focusedColumn_ == index) {
        focusedColumn_ = -1;
    } else if (focusedColumn_ > index) {
        --focusedColumn_;
    }
}

} // namespace ArborkitLib
