// View options, menus, images and export.
#include "argument_checks.h"
#include "text_export.h"
#include "tree_list_control.h"

namespace ArborkitLib {

void TreeListControl::SetViewOptions(std::int32_t iOption, bool benabled) {
    Run<void>(
        "SetViewOptions", [&] { view_.SetViewOption(iOption, benabled); }, iOption, benabled);
}

void TreeListControl::EnableColumnCustomizationMenu(bool benable) {
    Run<void>(
        "EnableColumnCustomizationMenu", [&] { view_.menus.columnCustomizationMenu = benable; },
        benable);
}

void TreeListControl::CreateColumnCustomization() {
    Run<void>("CreateColumnCustomization", [&] { view_.menus.customizationFormOpen = true; });
}

void TreeListControl::SetColumnCustomMenuName(const ComponentString& strname) {
    Run<void>(
        "SetColumnCustomMenuName", [&] { view_.menus.columnCustomMenuName = strname; }, strname);
}

void TreeListControl::SetColumnCustomFormName(const ComponentString& strname) {
    Run<void>(
        "SetColumnCustomFormName", [&] { view_.menus.columnCustomFormName = strname; }, strname);
}

void TreeListControl::SetStylesColumnMenu(bool bStyles) {
    Run<void>(
        "SetStylesColumnMenu", [&] { view_.menus.stylesColumnMenu = bStyles; }, bStyles);
}

void TreeListControl::ShowContextMenuSortItems(bool bShow) {
    Run<void>(
        "ShowContextMenuSortItems", [&] { view_.menus.contextMenuSortItems = bShow; }, bShow);
}

void TreeListControl::EnableSortAsendingMenu(bool bEnableSortAsend) {
    Run<void>(
        "EnableSortAsendingMenu", [&] { view_.menus.sortAscendingMenu = bEnableSortAsend; },
        bEnableSortAsend);
}

void TreeListControl::EnableSortDesndingMenu(bool bEnableSortDesend) {
    Run<void>(
        "EnableSortDesndingMenu", [&] { view_.menus.sortDescendingMenu = bEnableSortDesend; },
        bEnableSortDesend);
}

void TreeListControl::AddImage(std::int32_t id, std::int32_t handle, std::int32_t type,
                               std::int32_t width, std::int32_t height) {
    Run<void>(
        "AddImage", [&] { images_.Add(id, handle, type, width, height); }, id, handle, type, width,
        height);
}

void TreeListControl::SetBackgroundImage(std::int32_t handle) {
    Run<void>(
        "SetBackgroundImage", [&] { images_.SetBackground(handle); }, handle);
}

BoundsRect TreeListControl::GetPictureRect(std::int32_t row) {
    return Run<BoundsRect>(
        "GetPictureRect",
        [&] {
            nodes_.Get(row);
            return CurrentLayout().PictureRect(row);
        },
        row);
}

void TreeListControl::ExportDataToTxt(const ComponentString& strname) {
    Run<void>(
        "ExportDataToTxt",
        [&] {
            const std::u16string& fileName = Check::PresentText("the file name", strname);
            WriteExportFile(fileName, ExportText(nodes_, columns_));
        },
        strname);
}

} // namespace ArborkitLib
