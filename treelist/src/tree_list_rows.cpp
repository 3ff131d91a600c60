// NDXxXtraTreeList: rows, fonts, colours and the control's look. Each method
// makes one call of the control.
#include "nodrix/nodrix.h"

#include "control_holder.h"
#include "ndx_util.h"

using NDXxHolder::TreeOf;

void NDXxXtraTreeList::SetRowFontName(LONG row, const wchar_t* name) {
    TreeOf(m_pControl)->SetRowFontName(row, NDXxUtil::ToStringHandle(name));
}

void NDXxXtraTreeList::SetRowFontSize(LONG row, float size) {
    TreeOf(m_pControl)->SetRowFontSize(row, size);
}

void NDXxXtraTreeList::SetRowFontGdiCharSet(LONG row, unsigned char gdiCharSet) {
    TreeOf(m_pControl)->SetRowFontGdiCharSet(row, gdiCharSet);
}

void NDXxXtraTreeList::SetRowFontBold(int row, bool bBold) {
    TreeOf(m_pControl)->SetRowFontBold(row, bBold);
}

void NDXxXtraTreeList::SetRowBackColor(LONG row, ULONG uvalue) {
    TreeOf(m_pControl)->SetRowBackColor(row, NDXxUtil::ToSigned(uvalue));
}

void NDXxXtraTreeList::SetRowForeColor(int row, int iForeColor) {
    TreeOf(m_pControl)->SetRowForeColor(row, iForeColor);
}

void NDXxXtraTreeList::SetRowSelectedBackColor(LONG row, ULONG ulColor) {
    TreeOf(m_pControl)->SetRowSelectedBackColor(row, NDXxUtil::ToSigned(ulColor));
}

void NDXxXtraTreeList::SetRowSelectedForeColor(LONG row, ULONG ulColor) {
    TreeOf(m_pControl)->SetRowSelectedForeColor(row, NDXxUtil::ToSigned(ulColor));
}

void NDXxXtraTreeList::SetRowHeight(int height) { TreeOf(m_pControl)->SetRowHeight(height); }

void NDXxXtraTreeList::SetRowShadeStyle(int row, bool bShade) {
    TreeOf(m_pControl)->SetRowShadeStyle(row, bShade);
}

void NDXxXtraTreeList::EnableRowSelectHighLight(bool bEnableRowSelectHighLight) {
    TreeOf(m_pControl)->EnableRowSelectHighLight(bEnableRowSelectHighLight);
}

void NDXxXtraTreeList::ShowRowIndicator(bool bshow) { TreeOf(m_pControl)->ShowRowIndicator(bshow); }

void NDXxXtraTreeList::SetLookStyle(int iStyle) { TreeOf(m_pControl)->SetLookStyle(iStyle); }

void NDXxXtraTreeList::SetTreeLineStyle(int iStyle) {
    TreeOf(m_pControl)->SetTreeLineStyle(iStyle);
}

void NDXxXtraTreeList::MakeEmptySpaceTransparent(bool transparent) {
    TreeOf(m_pControl)->MakeEmptySpaceTransparent(transparent);
}

void NDXxXtraTreeList::SetAlwaysCustomDrawNodeCell() {
    TreeOf(m_pControl)->SetAlwaysCustomDrawNodeCell();
}
