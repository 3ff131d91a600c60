// Columns and headers.
#include "argument_checks.h"
#include "tree_list_control.h"

namespace ArborkitLib {

std::int32_t TreeListControl::AddColumn(const ComponentString& name,
                                        const ComponentString& fieldname,
                                        const ComponentString& caption, bool visible, bool readonly,
                                        const Value& lEditType, bool bCanMoved) {
    return Run<std::int32_t>(
        "AddColumn",
        [&] {
            Column column;
            column.name = name;
            column.fieldName = fieldname;
            column.caption = caption;
            column.readOnly = readonly;
            column.editType = static_cast<EditType>(
                Check::InRange("the edit type", Check::Int32Value("the edit type", lEditType),
                               static_cast<std::int32_t>(EditType::Memo)));
            column.canMove = bCanMoved;
            return columns_.Add(std::move(column), visible);
        },
        name, fieldname, caption, visible, readonly, lEditType, bCanMoved);
}

void TreeListControl::RemoveColumn(std::int32_t col) {
    Run<void>(
        "RemoveColumn",
        [&] {
            columns_.Remove(col);
            for (std::int32_t node : nodes_.InTreeOrder())
                nodes_.Get(node).content.ColumnRemoved(col);
            selection_.ColumnRemoved(col);
            sortColumn_ = IndexAfterRemoval(sortColumn_, col);
        },
        col);
}

void TreeListControl::ClearColumns() {
    Run<void>("ClearColumns", [&] {
        columns_.Clear();
        for (std::int32_t node : nodes_.InTreeOrder())
            nodes_.Get(node).content.ClearCells();
        selection_.FocusColumn(kNoColumn);
        sortColumn_ = kNoColumn;
    });
}

std::int32_t TreeListControl::GetColumnCount() {
    return Run<std::int32_t>("GetColumnCount", [&] { return columns_.Count(); });
}

void TreeListControl::SetColumnCaption(std::int32_t col, const ComponentString& value) {
    Run<void>(
        "SetColumnCaption", [&] { columns_.Get(col).caption = value; }, col, value);
}

Value TreeListControl::GetColumnCaption(std::int32_t col) {
    return Run<Value>(
        "GetColumnCaption", [&] { return Value::FromString(columns_.Get(col).caption); }, col);
}

void TreeListControl::SetColumnWidth(std::int32_t index, std::int32_t width) {
    Run<void>(
        "SetColumnWidth",
        [&] {
            Column& column = columns_.Get(index);
            column.width = Check::NotNegative("the width", width);
        },
        index, width);
}

std::int32_t TreeListControl::GetColumnWidth(std::int32_t col) {
    return Run<std::int32_t>(
        "GetColumnWidth", [&] { return columns_.Get(col).width; }, col);
}

void TreeListControl::DisableColumnAutoWidth(bool bDisableAutoWidth) {
    Run<void>(
        "DisableColumnAutoWidth", [&] { view_.columnAutoWidth = !bDisableAutoWidth; },
        bDisableAutoWidth);
}

void TreeListControl::SetColumnFixedLeft(std::int32_t col, bool bFixedLeft) {
    Run<void>(
        "SetColumnFixedLeft", [&] { columns_.Get(col).fixedLeft = bFixedLeft; }, col, bFixedLeft);
}

void TreeListControl::SetColumnTextIndent(std::int32_t col, std::int32_t textIndent) {
    Run<void>(
        "SetColumnTextIndent",
        [&] {
            Column& column = columns_.Get(col);
            column.textIndent = Check::NotNegative("the text indent", textIndent);
        },
        col, textIndent);
}

void TreeListControl::SetColumnImageIndent(std::int32_t col, std::int32_t imageIndent) {
    Run<void>(
        "SetColumnImageIndent",
        [&] {
            Column& column = columns_.Get(col);
            column.imageIndent = Check::NotNegative("the image indent", imageIndent);
        },
        col, imageIndent);
}

void TreeListControl::SetColumnTextOptionTrimming(std::int32_t col, std::int32_t trimType) {
    Run<void>(
        "SetColumnTextOptionTrimming",
        [&] {
            Column& column = columns_.Get(col);
            column.trimming = static_cast<Trimming>(Check::InRange(
                "the trimming", trimType, static_cast<std::int32_t>(Trimming::Default)));
        },
        col, trimType);
}

void TreeListControl::SetColPicHCenter(std::int32_t col, bool bCenter) {
    Run<void>(
        "SetColPicHCenter", [&] { columns_.Get(col).pictureCentred = bCenter; }, col, bCenter);
}

void TreeListControl::SetColumnVisibleIndex(std::int32_t col, std::int32_t visibleIndex) {
    Run<void>(
        "SetColumnVisibleIndex",
        [&] {
            if (visibleIndex < -1) {
                throw ComponentError("the visible index " + std::to_string(visibleIndex) +
                                     " is neither -1 (hidden) nor a position");
            }
            columns_.SetVisibleIndex(col, visibleIndex);
            // The focus stays on shown columns.
            if (visibleIndex == -1 && selection_.FocusedColumn() == col) {
                selection_.FocusColumn(kNoColumn);
            }
        },
        col, visibleIndex);
}

std::int32_t TreeListControl::GetColumnVisibleIndex(std::int32_t col) {
    return Run<std::int32_t>(
        "GetColumnVisibleIndex", [&] { return columns_.VisibleIndex(col); }, col);
}

std::int32_t TreeListControl::GetVisibleColumnCount() {
    return Run<std::int32_t>("GetVisibleColumnCount", [&] { return columns_.VisibleCount(); });
}

std::int32_t TreeListControl::GetNextVisibleColumnIndex(std::int32_t col) {
    return Run<std::int32_t>(
        "GetNextVisibleColumnIndex", [&] { return columns_.NextVisible(col); }, col);
}

std::int32_t TreeListControl::GetPreVisibleColumnIndex(std::int32_t col) {
    return Run<std::int32_t>(
        "GetPreVisibleColumnIndex", [&] { return columns_.PreviousVisible(col); }, col);
}

void TreeListControl::SetColumnTag(std::int32_t col, std::int32_t tag) {
    Run<void>(
        "SetColumnTag", [&] { columns_.Get(col).tag = tag; }, col, tag);
}

std::int32_t TreeListControl::GetColumnTag(std::int32_t col) {
    return Run<std::int32_t>(
        "GetColumnTag", [&] { return columns_.Get(col).tag; }, col);
}

void TreeListControl::EnableColumnSort(std::int32_t col, bool bEnable) {
    Run<void>(
        "EnableColumnSort",
        [&] {
            columns_.Get(col).sortEnabled = bEnable;
            // The order stays as it is; the next sort starts afresh.
            if (!bEnable && sortColumn_ == col) sortColumn_ = kNoColumn;
        },
        col, bEnable);
}

void TreeListControl::SetColumnHeaderFontName(std::int32_t col, const ComponentString& name) {
    Run<void>(
        "SetColumnHeaderFontName", [&] { columns_.Get(col).header.fontName = name; }, col, name);
}

void TreeListControl::SetColumnHeaderFontSize(std::int32_t col, float size) {
    Run<void>(
        "SetColumnHeaderFontSize",
        [&] {
            Column& column = columns_.Get(col);
            column.header.fontSize = Check::FontSize(size);
        },
        col, size);
}

void TreeListControl::SetColumnHeaderFontGdiCharSet(std::int32_t col, std::uint8_t gdiCharSet) {
    Run<void>(
        "SetColumnHeaderFontGdiCharSet", [&] { columns_.Get(col).header.gdiCharSet = gdiCharSet; },
        col, gdiCharSet);
}

void TreeListControl::SetColumnHeaderPicture(std::int32_t col, std::int32_t id) {
    Run<void>(
        "SetColumnHeaderPicture", [&] { columns_.Get(col).header.picture = id; }, col, id);
}

void TreeListControl::SetColumnHeaderBackColor(std::int32_t col, std::int32_t uvalue) {
    Run<void>(
        "SetColumnHeaderBackColor", [&] { columns_.Get(col).header.backColor = uvalue; }, col,
        uvalue);
}

void TreeListControl::SetColumnHeaderForeColor(std::int32_t col, std::int32_t uvalue) {
    Run<void>(
        "SetColumnHeaderForeColor", [&] { columns_.Get(col).header.foreColor = uvalue; }, col,
        uvalue);
}

void TreeListControl::SetColumnHeaderAlignCenter(std::int32_t col) {
    Run<void>(
        "SetColumnHeaderAlignCenter", [&] { columns_.Get(col).header.alignCenter = true; }, col);
}

void TreeListControl::SetColumnHeaderHeight(std::int32_t height) {
    Run<void>(
        "SetColumnHeaderHeight", [&] { view_.SetHeaderHeight(height); }, height);
}

std::int32_t TreeListControl::GetColumnHeaderHeight() {
    return Run<std::int32_t>("GetColumnHeaderHeight", [&] { return view_.headerHeight; });
}

} // namespace ArborkitLib
