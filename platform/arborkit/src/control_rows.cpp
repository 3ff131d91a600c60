// Rows, fonts, colours and look.
#include "argument_checks.h"
#include "tree_list_control.h"

namespace ArborkitLib {

void TreeListControl::SetRowFontName(std::int32_t row, const ComponentString& name) {
    Run<void>(
        "SetRowFontName", [&] { nodes_.Get(row).content.style.fontName = name; }, row, name);
}

void TreeListControl::SetRowFontSize(std::int32_t row, float size) {
    Run<void>(
        "SetRowFontSize",
        [&] {
            RowStyle& style = nodes_.Get(row).content.style;
            style.fontSize = Check::FontSize(size);
        },
        row, size);
}

void TreeListControl::SetRowFontGdiCharSet(std::int32_t row, std::uint8_t gdiCharSet) {
    Run<void>(
        "SetRowFontGdiCharSet", [&] { nodes_.Get(row).content.style.gdiCharSet = gdiCharSet; }, row,
        gdiCharSet);
}

void TreeListControl::SetRowFontBold(std::int32_t row, bool bBold) {
    Run<void>(
        "SetRowFontBold", [&] { nodes_.Get(row).content.style.bold = bBold; }, row, bBold);
}

void TreeListControl::SetRowBackColor(std::int32_t row, std::int32_t uvalue) {
    Run<void>(
        "SetRowBackColor", [&] { nodes_.Get(row).content.style.backColor = uvalue; }, row, uvalue);
}

void TreeListControl::SetRowForeColor(std::int32_t row, std::int32_t iForeColor) {
    Run<void>(
        "SetRowForeColor", [&] { nodes_.Get(row).content.style.foreColor = iForeColor; }, row,
        iForeColor);
}

void TreeListControl::SetRowSelectedBackColor(std::int32_t row, std::int32_t ulColor) {
    Run<void>(
        "SetRowSelectedBackColor",
        [&] { nodes_.Get(row).content.style.selectedBackColor = ulColor; }, row, ulColor);
}

void TreeListControl::SetRowSelectedForeColor(std::int32_t row, std::int32_t ulColor) {
    Run<void>(
        "SetRowSelectedForeColor",
        [&] { nodes_.Get(row).content.style.selectedForeColor = ulColor; }, row, ulColor);
}

void TreeListControl::SetRowHeight(std::int32_t height) {
    Run<void>(
        "SetRowHeight", [&] { view_.SetRowHeight(height); }, height);
}

void TreeListControl::SetRowShadeStyle(std::int32_t row, bool bShade) {
    Run<void>(
        "SetRowShadeStyle", [&] { nodes_.Get(row).content.style.shaded = bShade; }, row, bShade);
}

void TreeListControl::EnableRowSelectHighLight(bool bEnableRowSelectHighLight) {
    Run<void>(
        "EnableRowSelectHighLight", [&] { view_.rowSelectHighlight = bEnableRowSelectHighLight; },
        bEnableRowSelectHighLight);
}

void TreeListControl::ShowRowIndicator(bool bshow) {
    Run<void>(
        "ShowRowIndicator", [&] { view_.rowIndicator = bshow; }, bshow);
}

void TreeListControl::SetLookStyle(std::int32_t iStyle) {
    Run<void>(
        "SetLookStyle", [&] { view_.SetLookStyle(iStyle); }, iStyle);
}

void TreeListControl::SetTreeLineStyle(std::int32_t iStyle) {
    Run<void>(
        "SetTreeLineStyle", [&] { view_.SetTreeLineStyle(iStyle); }, iStyle);
}

void TreeListControl::MakeEmptySpaceTransparent(bool transparent) {
    Run<void>(
        "MakeEmptySpaceTransparent", [&] { view_.emptySpaceTransparent = transparent; },
        transparent);
}

void TreeListControl::SetAlwaysCustomDrawNodeCell() {
    Run<void>("SetAlwaysCustomDrawNodeCell", [&] { view_.alwaysCustomDrawNodeCell = true; });
}

} // namespace ArborkitLib
