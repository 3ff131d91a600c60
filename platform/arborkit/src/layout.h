// Where things are on the control: a fixed-row-height layout in the
// control's client coordinates, with (0, 0) at its top-left corner and the
// control's width and height as the size of its client area (the position
// GetControlRect gives is the control's place in its parent and does not
// enter here).
//
//   * The column headers take the top, as high as the header height of the
//     view settings (0 when the headers are switched off).
//   * The row indicator, when shown, takes the left kIndicatorWidth pixels
//     of the rows and of the header.
//   * The visible columns follow from left to right in visible order, each
//     as wide as its width.
//   * Rows follow below the headers, each row height high: the node at the
//     top visible index first, then the next visible nodes. A visible node
//     above the top index or below the bottom edge still has its place (off
//     the client area).
//   * The first visible column is the tree column. In it, a node's cell
//     begins with kLevelIndent pixels per level, then the node's expand
//     button (kLevelIndent pixels), then its picture (the image of its
//     tree-column cell, after the column's image indent, vertically centred,
//     cut to the cell), then its text.
// A rectangle of something not laid out (a node below a collapsed ancestor,
// a hidden column, no picture) is all zeros. The hit tests find only what
// lies inside the client area, and agree with the rectangles: a point is in
// a cell's rectangle exactly when the hit tests give that cell's row and
// column. Rectangles never overflow: far-off coordinates are held at the
// 32-bit limits.
#ifndef ARBORKIT_LAYOUT_H
#define ARBORKIT_LAYOUT_H

#include "arborkit/arborkit.h"
#include "column_set.h"
#include "image_list.h"
#include "node_tree.h"
#include "view_settings.h"

#include <cstdint>

namespace ArborkitLib {

constexpr std::int32_t kIndicatorWidth = 12;
constexpr std::int32_t kLevelIndent = 16;

class Layout {
public:
    Layout(const NodeTree& nodes, const ColumnSet& columns, const ViewSettings& view,
           const ImageList& images, std::int32_t topIndex, std::int32_t clientWidth,
           std::int32_t clientHeight);

    BoundsRect CellRect(std::int32_t node, std::int32_t column) const;
    BoundsRect PictureRect(std::int32_t node) const;

    // The node whose row holds the point, or kNoNode. The headers and the
    // empty area below the last row hold none.
    std::int32_t RowAt(std::int32_t x, std::int32_t y) const;
    // The column whose cells or header hold the point, or kNoColumn.
    std::int32_t ColumnAt(std::int32_t x, std::int32_t y) const;
    // The node whose expand button holds the point, or kNoNode.
    std::int32_t ExpandButtonAt(std::int32_t x, std::int32_t y) const;
    // The column whose header holds the point, or kNoColumn.
    std::int32_t HeaderAt(std::int32_t x, std::int32_t y) const;

private:
    struct Span {
        std::int64_t start = 0;
        std::int64_t length = 0;
    };
    bool Inside(std::int32_t x, std::int32_t y) const noexcept;
    BoundsRect ExpandButtonRect(std::int32_t node) const;
    // Horizontal span of a visible column; length 0 when hidden.
    Span ColumnSpan(std::int32_t column) const;
    // Vertical span of a shown node's row; length 0 when not shown.
    Span RowSpan(std::int32_t node) const;
    std::int64_t ContentStart(std::int32_t node) const;

    const NodeTree& nodes_;
    const ColumnSet& columns_;
    const ViewSettings& view_;
    const ImageList& images_;
    std::int32_t topIndex_;
    std::int32_t clientWidth_;
    std::int32_t clientHeight_;
    std::int32_t headerHeight_;
    std::int32_t indicatorWidth_;
};

} // namespace ArborkitLib

#endif // ARBORKIT_LAYOUT_H
