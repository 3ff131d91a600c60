// Cells.
#include "argument_checks.h"
#include "tree_list_control.h"

namespace ArborkitLib {

void TreeListControl::SetCellValue(std::int32_t row, std::int32_t col, const Value& value) {
    Run<void>(
        "SetCellValue", [&] { CellAt(row, col).value = value; }, row, col, value);
}

Value TreeListControl::GetCellValue(std::int32_t row, std::int32_t col) {
    return Run<Value>(
        "GetCellValue",
        [&] {
            columns_.Get(col);
            return nodes_.Get(row).content.CellOrEmpty(col).value;
        },
        row, col);
}

void TreeListControl::SetCellDisplayText(std::int32_t row, std::int32_t col,
                                         const ComponentString& name) {
    Run<void>(
        "SetCellDisplayText", [&] { CellAt(row, col).displayText = name; }, row, col, name);
}

void TreeListControl::SetCellTag(std::int32_t row, std::int32_t col, std::int32_t tag) {
    Run<void>(
        "SetCellTag", [&] { CellAt(row, col).tag = tag; }, row, col, tag);
}

std::int32_t TreeListControl::GetCellTag(std::int32_t row, std::int32_t col) {
    return Run<std::int32_t>(
        "GetCellTag",
        [&] {
            columns_.Get(col);
            return nodes_.Get(row).content.CellOrEmpty(col).tag;
        },
        row, col);
}

void TreeListControl::SetCellFontName(std::int32_t row, std::int32_t col,
                                      const ComponentString& name) {
    Run<void>(
        "SetCellFontName", [&] { CellAt(row, col).fontName = name; }, row, col, name);
}

void TreeListControl::SetCellFontSize(std::int32_t row, std::int32_t col, float size) {
    Run<void>(
        "SetCellFontSize",
        [&] {
            const float checked = Check::FontSize(size);
            CellAt(row, col).fontSize = checked;
        },
        row, col, size);
}

void TreeListControl::SetFontUnderLine(std::int32_t row, std::int32_t col, bool bUnderline) {
    Run<void>(
        "SetFontUnderLine", [&] { CellAt(row, col).underline = bUnderline; }, row, col, bUnderline);
}

void TreeListControl::SetCellBackColor(std::int32_t row, std::int32_t col, std::int32_t uvalue) {
    Run<void>(
        "SetCellBackColor", [&] { CellAt(row, col).backColor = uvalue; }, row, col, uvalue);
}

void TreeListControl::SetCellForeColor(std::int32_t row, std::int32_t col, std::int32_t uvalue) {
    Run<void>(
        "SetCellForeColor", [&] { CellAt(row, col).foreColor = uvalue; }, row, col, uvalue);
}

void TreeListControl::SetCellPicture(std::int32_t row, std::int32_t col, std::int32_t id) {
    Run<void>(
        "SetCellPicture", [&] { CellAt(row, col).picture = id; }, row, col, id);
}

void TreeListControl::SetCellStateImage(std::int32_t row, std::int32_t col, std::int32_t id) {
    Run<void>(
        "SetCellStateImage", [&] { CellAt(row, col).stateImage = id; }, row, col, id);
}

void TreeListControl::SetCellAlignCenter(std::int32_t row, std::int32_t col) {
    Run<void>(
        "SetCellAlignCenter", [&] { CellAt(row, col).alignCenter = true; }, row, col);
}

BoundsRect TreeListControl::GetCellRect(std::int32_t row, std::int32_t col) {
    return Run<BoundsRect>(
        "GetCellRect",
        [&] {
            nodes_.Get(row);
            return CurrentLayout().CellRect(row, col);
        },
        row, col);
}

} // namespace ArborkitLib
