#include "column_set.h"

#include <algorithm>
#include <string>

namespace ArborkitLib {

std::u16string Column::HeaderText() const {
    if (!caption.IsAbsent()) return caption.Text();
    return name.IsAbsent() ? std::u16string() : name.Text();
}

std::int32_t ColumnSet::Add(Column column, bool visible) {
    const auto index = static_cast<std::int32_t>(columns_.size());
    if (visible) order_.reserve(order_.size() + 1);
    columns_.push_back(std::move(column));
    if (visible) order_.push_back(index);
    return index;
}

void ColumnSet::Remove(std::int32_t index) {
    Get(index);
    columns_.erase(columns_.begin() + index);
    std::erase(order_, index);
    for (std::int32_t& shown : order_)
        shown = IndexAfterRemoval(shown, index);
}

void ColumnSet::Clear() noexcept {
    columns_.clear();
    order_.clear();
}

const Column& ColumnSet::Get(std::int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw ComponentError("no column has the index " + std::to_string(index));
    }
    return columns_[static_cast<std::size_t>(index)];
}

Column& ColumnSet::Get(std::int32_t index) {
    return const_cast<Column&>(static_cast<const ColumnSet&>(*this).Get(index));
}

std::int32_t ColumnSet::VisibleIndex(std::int32_t index) const {
    Get(index);
    auto it = std::find(order_.begin(), order_.end(), index);
    return it == order_.end() ? kNoColumn : static_cast<std::int32_t>(it - order_.begin());
}

void ColumnSet::SetVisibleIndex(std::int32_t index, std::int32_t visibleIndex) {
    Get(index);
    std::erase(order_, index);
    if (visibleIndex < 0) return;
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(visibleIndex), order_.size());
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(at), index);
}

std::int32_t ColumnSet::NextVisible(std::int32_t index) const {
    const std::int32_t at = VisibleIndex(index);
    if (at == kNoColumn || at + 1 >= VisibleCount()) return kNoColumn;
    return order_[static_cast<std::size_t>(at) + 1];
}

std::int32_t ColumnSet::PreviousVisible(std::int32_t index) const {
    const std::int32_t at = VisibleIndex(index);
    if (at == kNoColumn || at == 0) return kNoColumn;
    return order_[static_cast<std::size_t>(at) - 1];
}

std::int32_t ColumnSet::FindByFieldName(const std::u16string& fieldName) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const ComponentString& candidate = columns_[i].fieldName;
        if (!candidate.IsAbsent() && candidate.Text() == fieldName) {
            return static_cast<std::int32_t>(i);
        }
    }
    return kNoColumn;
}

} // namespace ArborkitLib
