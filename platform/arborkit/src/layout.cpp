#include "layout.h"

#include <algorithm>
#include <limits>

namespace ArborkitLib {

namespace {

std::int32_t clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

BoundsRect rect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    return BoundsRect{clamp32(x), clamp32(y), clamp32(width), clamp32(height)};
}

} // namespace

Layout::Layout(const NodeTree& nodes, const ColumnSet& columns, const ViewSettings& view,
               const ImageList& images, std::int32_t topIndex, std::int32_t clientWidth,
               std::int32_t clientHeight)
    : nodes_(nodes), columns_(columns), view_(view), images_(images), topIndex_(topIndex),
      clientWidth_(clientWidth), clientHeight_(clientHeight),
      headerHeight_(view.ViewOptionEnabled(ViewOption::ColumnHeaders) ? view.headerHeight : 0),
      indicatorWidth_(view.rowIndicator ? kIndicatorWidth : 0) {}

bool Layout::Inside(std::int32_t x, std::int32_t y) const noexcept {
    return x >= 0 && x < clientWidth_ && y >= 0 && y < clientHeight_;
}

Layout::Span Layout::ColumnSpan(std::int32_t column) const {
    std::int64_t left = indicatorWidth_;
    for (std::int32_t shown : columns_.VisibleOrder()) {
        const std::int64_t width = columns_.Get(shown).width;
        if (shown == column) return {left, width};
        left += width;
    }
    return {};
}

Layout::Span Layout::RowSpan(std::int32_t node) const {
    const std::int32_t index = nodes_.VisibleIndex(node);
    if (index == kNoNode) return {};
    const std::int64_t height = view_.rowHeight;
    return {headerHeight_ + (std::int64_t{index} - topIndex_) * height, height};
}

std::int64_t Layout::ContentStart(std::int32_t node) const {
    return std::int64_t{nodes_.Level(node)} * kLevelIndent;
}

BoundsRect Layout::CellRect(std::int32_t node, std::int32_t column) const {
    columns_.Get(column);
    const Span row = RowSpan(node);
    const Span cell = ColumnSpan(column);
    if (row.length == 0 || columns_.VisibleIndex(column) == kNoColumn) return {};
    return rect(cell.start, row.start, cell.length, row.length);
}

BoundsRect Layout::ExpandButtonRect(std::int32_t node) const {
    const Span row = RowSpan(node);
    if (row.length == 0 || columns_.VisibleCount() == 0 || nodes_.Get(node).children.empty() ||
        !view_.ViewOptionEnabled(ViewOption::ExpandButtons)) {
        return {};
    }
    const Span cell = ColumnSpan(columns_.VisibleOrder().front());
    const std::int64_t left = cell.start + ContentStart(node);
    const std::int64_t right = std::min(left + kLevelIndent, cell.start + cell.length);
    if (right <= left) return {};
    return rect(left, row.start, right - left, row.length);
}

BoundsRect Layout::PictureRect(std::int32_t node) const {
    const Span row = RowSpan(node);
    if (row.length == 0 || columns_.VisibleCount() == 0) return {};
    const std::int32_t treeColumn = columns_.VisibleOrder().front();
    const Image* image = images_.Find(nodes_.Get(node).content.CellOrEmpty(treeColumn).picture);
    if (image == nullptr) return {};

    const Column& column = columns_.Get(treeColumn);
    const Span cell = ColumnSpan(treeColumn);
    const std::int64_t cellRight = cell.start + cell.length;
    const std::int64_t contentLeft = cell.start + ContentStart(node) + kLevelIndent;
    std::int64_t left = contentLeft + column.imageIndent;
    if (column.pictureCentred) {
        left = contentLeft + std::max<std::int64_t>(0, cellRight - contentLeft - image->width) / 2;
    }
    if (left >= cellRight) return {};
    const std::int64_t width = std::min<std::int64_t>(image->width, cellRight - left);
    const std::int64_t height = std::min<std::int64_t>(image->height, row.length);
    return rect(left, row.start + (row.length - height) / 2, width, height);
}

std::int32_t Layout::RowAt(std::int32_t x, std::int32_t y) const {
    if (!Inside(x, y) || y < headerHeight_) return kNoNode;
    const std::int64_t index = topIndex_ + (std::int64_t{y} - headerHeight_) / view_.rowHeight;
    const std::vector<std::int32_t>& visible = nodes_.Visible();
    if (index >= static_cast<std::int64_t>(visible.size())) return kNoNode;
    return visible[static_cast<std::size_t>(index)];
}

std::int32_t Layout::ColumnAt(std::int32_t x, std::int32_t y) const {
    if (!Inside(x, y)) return kNoColumn;
    std::int64_t left = indicatorWidth_;
    for (std::int32_t shown : columns_.VisibleOrder()) {
        const std::int64_t right = left + columns_.Get(shown).width;
        if (x >= left && x < right) return shown;
        left = right;
    }
    return kNoColumn;
}

std::int32_t Layout::HeaderAt(std::int32_t x, std::int32_t y) const {
    return y < headerHeight_ ? ColumnAt(x, y) : kNoColumn;
}

std::int32_t Layout::ExpandButtonAt(std::int32_t x, std::int32_t y) const {
    const std::int32_t node = RowAt(x, y);
    if (node == kNoNode) return kNoNode;
    const BoundsRect button = ExpandButtonRect(node);
    const bool hit = x >= button.x && x - button.x < button.width;
    return hit ? node : kNoNode;
}

} // namespace ArborkitLib
