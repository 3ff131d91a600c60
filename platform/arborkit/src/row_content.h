// What a node carries besides its place in the tree: its cells, one per
// column index, and the style of its whole row.
//
// Colours are 32-bit 0xAARRGGBB values. A colour whose alpha is 0 (the value
// 0 included) is no colour of its own: the cell shows the row's colour, and
// the row the control's. Font sizes are points; 0 means the size of the
// level above (cell, then row, then control). A picture id names an image
// of the control's image list; kNoPicture (-1) is none.
#ifndef ARBORKIT_ROW_CONTENT_H
#define ARBORKIT_ROW_CONTENT_H

#include "arborkit/arborkit.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ArborkitLib {

constexpr std::int32_t kNoPicture = -1;
// The GDI character set a font has when nobody chose one (DEFAULT_CHARSET).
constexpr std::uint8_t kDefaultCharSet = 1;

struct CellData {
    Value value;                 // stored as given, of any kind
    ComponentString displayText; // absent: the value's text is shown
    std::int32_t tag = 0;
    ComponentString fontName; // absent: the row's font
    float fontSize = 0.0F;
    bool underline = false;
    std::int32_t backColor = 0;
    std::int32_t foreColor = 0;
    std::int32_t picture = kNoPicture;
    std::int32_t stateImage = kNoPicture;
    bool alignCenter = false;

    // The text the cell shows: its display text when it has one, otherwise
    // its value's text.
    std::u16string ShownText() const;
};

// A value as text: a string as it is, an integer in decimal, nothing as the
// empty text.
std::u16string ValueText(const Value& value);

struct RowStyle {
    ComponentString fontName; // absent: the control's font
    float fontSize = 0.0F;
    std::uint8_t gdiCharSet = kDefaultCharSet;
    bool bold = false;
    std::int32_t backColor = 0;
    std::int32_t foreColor = 0;
    std::int32_t selectedBackColor = 0;
    std::int32_t selectedForeColor = 0;
    bool shaded = false;
};

// The cells of one row by column index. A row keeps cells for column
// indexes that have no column (yet): a node's text given before any column
// exists, or a whole row with more cells than there are columns, shows up
// once the columns are added.
class RowContent {
public:
    RowStyle style;

    // The cell at `column`, made (empty) when the row has none yet.
    CellData& Cell(std::int32_t column);
    // The cell at `column`, or an empty one.
    const CellData& CellOrEmpty(std::int32_t column) const;

    // The column at `column` is gone: its cell goes with it, and the cells
    // of the later columns move one index down, as the columns do.
    void ColumnRemoved(std::int32_t column);
    void ClearCells() noexcept { cells_.clear(); }

private:
    std::vector<CellData> cells_;
};

} // namespace ArborkitLib

#endif // ARBORKIT_ROW_CONTENT_H
