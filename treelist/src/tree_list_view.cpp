// NDXxXtraTreeList: view options, menus, images and text export. Each method
// makes one call of the control.
#include "nodrix/nodrix.h"

#include "control_holder.h"
#include "ndx_util.h"

using NDXxHolder::TreeOf;

void NDXxXtraTreeList::SetViewOptions(int iOption, bool benabled) {
    TreeOf(m_pControl)->SetViewOptions(iOption, benabled);
}

void NDXxXtraTreeList::EnableColumnCustomizationMenu(bool benable) {
    TreeOf(m_pControl)->EnableColumnCustomizationMenu(benable);
}

void NDXxXtraTreeList::CreateColumnCustomization() {
    TreeOf(m_pControl)->CreateColumnCustomization();
}

void NDXxXtraTreeList::SetColumnCustomMenuName(const wchar_t* strname) {
    TreeOf(m_pControl)->SetColumnCustomMenuName(NDXxUtil::ToStringHandle(strname));
}

void NDXxXtraTreeList::SetColumnCustomFormName(const wchar_t* strname) {
    TreeOf(m_pControl)->SetColumnCustomFormName(NDXxUtil::ToStringHandle(strname));
}

void NDXxXtraTreeList::SetStylesColumnMenu(bool bStyles) {
    TreeOf(m_pControl)->SetStylesColumnMenu(bStyles);
}

void NDXxXtraTreeList::ShowContextMenuSortItems(bool bShow) {
    TreeOf(m_pControl)->ShowContextMenuSortItems(bShow);
}

void NDXxXtraTreeList::EnableSortAsendingMenu(bool bEnableSortAsend) {
    TreeOf(m_pControl)->EnableSortAsendingMenu(bEnableSortAsend);
}

void NDXxXtraTreeList::EnableSortDesndingMenu(bool bEnableSortDesend) {
    TreeOf(m_pControl)->EnableSortDesndingMenu(bEnableSortDesend);
}

void NDXxXtraTreeList::AddImage(unsigned int id, LONG handle, int type, int width, int height) {
    TreeOf(m_pControl)->AddImage(NDXxUtil::ToSigned(id), handle, type, width, height);
}

void NDXxXtraTreeList::SetBackgroundImage(LONG handle) {
    TreeOf(m_pControl)->SetBackgroundImage(handle);
}

RECT NDXxXtraTreeList::GetPictureRect(LONG row) {
    return NDXxUtil::ToRect(TreeOf(m_pControl)->GetPictureRect(row));
}

void NDXxXtraTreeList::ExportDataToTxt(const wchar_t* strname) {
    TreeOf(m_pControl)->ExportDataToTxt(NDXxUtil::ToStringHandle(strname));
}
