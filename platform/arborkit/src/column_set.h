// The columns of a control.
//
//   * A column's index is its position in the order the columns were added;
//     removing a column moves the later ones one index down.
//   * The visible columns are shown in their visible order, which is kept
//     apart from the index order: a new visible column comes last, a hidden
//     one has no visible index.
//   * A caption may be absent, which is not the same as empty: the header of
//     a column without a caption shows its name instead.
#ifndef ARBORKIT_COLUMN_SET_H
#define ARBORKIT_COLUMN_SET_H

#include "arborkit/arborkit.h"
#include "row_content.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ArborkitLib {

constexpr std::int32_t kNoColumn = -1;

// Where a column index ends up once the column at `removed` is gone: the
// later ones move down by one, and the removed one itself is kNoColumn.
constexpr std::int32_t IndexAfterRemoval(std::int32_t index, std::int32_t removed) noexcept {
    if (index == removed) return kNoColumn;
    return index > removed ? index - 1 : index;
}
constexpr std::int32_t kDefaultColumnWidth = 100;

// How the cells of a column are edited.
enum class EditType : std::int32_t {
    Text = 0,
    CheckBox = 1,
    ComboBox = 2,
    SpinEdit = 3,
    Date = 4,
    Button = 5,
    Memo = 6,
};

// How a text too long for its cell is cut.
enum class Trimming : std::int32_t {
    None = 0,
    Character = 1,
    Word = 2,
    EllipsisCharacter = 3,
    EllipsisWord = 4,
    EllipsisPath = 5,
    Default = 6,
};

struct HeaderStyle {
    ComponentString fontName;
    float fontSize = 0.0F;
    std::uint8_t gdiCharSet = kDefaultCharSet;
    std::int32_t picture = kNoPicture;
    std::int32_t backColor = 0;
    std::int32_t foreColor = 0;
    bool alignCenter = false;
};

struct Column {
    ComponentString name;
    ComponentString fieldName;
    ComponentString caption;
    bool readOnly = false;
    EditType editType = EditType::Text;
    bool canMove = true;
    std::int32_t width = kDefaultColumnWidth;
    bool fixedLeft = false;
    std::int32_t textIndent = 0;
    std::int32_t imageIndent = 0;
    Trimming trimming = Trimming::Default;
    bool pictureCentred = false;
    std::int32_t tag = 0;
    bool sortEnabled = true;
    HeaderStyle header;

    // What the header shows: the caption, or the name when there is no
    // caption (nothing when there is neither).
    std::u16string HeaderText() const;
};

class ColumnSet {
public:
    // Adds a column last and gives its index. A visible column comes last in
    // the visible order.
    std::int32_t Add(Column column, bool visible);
    void Remove(std::int32_t index);
    void Clear() noexcept;

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(columns_.size()); }
    // The column; a ComponentError naming the index when there is none.
    const Column& Get(std::int32_t index) const;
    Column& Get(std::int32_t index);

    // Visible order. A negative visible index hides the column; a visible
    // index past the last one puts the column last.
    std::int32_t VisibleIndex(std::int32_t index) const;
    void SetVisibleIndex(std::int32_t index, std::int32_t visibleIndex);
    std::int32_t VisibleCount() const noexcept { return static_cast<std::int32_t>(order_.size()); }
    // Column indexes in visible order.
    const std::vector<std::int32_t>& VisibleOrder() const noexcept { return order_; }
    // The column shown after or before `index`; kNoColumn at either end and
    // for a hidden column.
    std::int32_t NextVisible(std::int32_t index) const;
    std::int32_t PreviousVisible(std::int32_t index) const;

    // The first column whose field name is `fieldName`, or kNoColumn.
    std::int32_t FindByFieldName(const std::u16string& fieldName) const;

private:
    std::vector<Column> columns_;
    std::vector<std::int32_t> order_;
};

} // namespace ArborkitLib

#endif // ARBORKIT_COLUMN_SET_H
