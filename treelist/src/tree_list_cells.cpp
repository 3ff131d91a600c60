// NDXxXtraTreeList: cells. Each method makes one call of the control; a
// cell's value always crosses as text.
#include "nodrix/nodrix.h"

#include "control_holder.h"
#include "ndx_util.h"

using ArborkitLib::Value;
using NDXxHolder::TreeOf;

void NDXxXtraTreeList::SetCellValue(LONG row, LONG col, const wchar_t* value) {
    TreeOf(m_pControl)->SetCellValue(row, col, Value::FromString(NDXxUtil::ToStringHandle(value)));
}

std::wstring NDXxXtraTreeList::GetCellValue(LONG row, LONG col) {
    return NDXxUtil::ToWString(TreeOf(m_pControl)->GetCellValue(row, col));
}

void NDXxXtraTreeList::SetCellDisplayText(LONG row, LONG col, const wchar_t* name) {
    TreeOf(m_pControl)->SetCellDisplayText(row, col, NDXxUtil::ToStringHandle(name));
}

void NDXxXtraTreeList::SetCellTag(LONG row, LONG col, int tag) {
    TreeOf(m_pControl)->SetCellTag(row, col, tag);
}

int NDXxXtraTreeList::GetCellTag(LONG row, LONG col) {
    return TreeOf(m_pControl)->GetCellTag(row, col);
}

void NDXxXtraTreeList::SetCellFontName(LONG row, LONG col, const wchar_t* name) {
    TreeOf(m_pControl)->SetCellFontName(row, col, NDXxUtil::ToStringHandle(name));
}

void NDXxXtraTreeList::SetCellFontSize(LONG row, LONG col, float size) {
    TreeOf(m_pControl)->SetCellFontSize(row, col, size);
}

void NDXxXtraTreeList::SetFontUnderLine(int row, int col, bool bUnderline) {
    TreeOf(m_pControl)->SetFontUnderLine(row, col, bUnderline);
}

void NDXxXtraTreeList::SetCellBackColor(LONG row, LONG col, ULONG uvalue) {
    TreeOf(m_pControl)->SetCellBackColor(row, col, NDXxUtil::ToSigned(uvalue));
}

void NDXxXtraTreeList::SetCellForeColor(LONG row, LONG col, ULONG uvalue) {
    TreeOf(m_pControl)->SetCellForeColor(row, col, NDXxUtil::ToSigned(uvalue));
}

void NDXxXtraTreeList::SetCellPicture(LONG row, LONG col, unsigned int id) {
    TreeOf(m_pControl)->SetCellPicture(row, col, NDXxUtil::ToSigned(id));
}

void NDXxXtraTreeList::SetCellStateImage(LONG row, LONG col, unsigned int id) {
    TreeOf(m_pControl)->SetCellStateImage(row, col, NDXxUtil::ToSigned(id));
}

void NDXxXtraTreeList::SetCellAlignCenter(LONG row, LONG col) {
    TreeOf(m_pControl)->SetCellAlignCenter(row, col);
}

RECT NDXxXtraTreeList::GetCellRect(LONG row, LONG col) {
    return NDXxUtil::ToRect(TreeOf(m_pControl)->GetCellRect(row, col));
}
