// NDXxXtraTreeList: columns and headers. Each method makes one call of the
// control, except the two that compute: SetColumnTextOptionTrimming filters
// its argument and GetColumnHeaderRect adds up column widths.
#include "nodrix/nodrix.h"

#include "control_holder.h"
#include "ndx_util.h"

#include <cstdint>

using ArborkitLib::Value;
using NDXxHolder::TreeOf;

int NDXxXtraTreeList::AddColumn(const wchar_t* name, const wchar_t* fieldname,
                                const wchar_t* caption, bool visible, bool readonly,
                                DCtrlEditType lEditType, bool bCanMoved) {
    return TreeOf(m_pControl)
        ->AddColumn(NDXxUtil::ToStringHandle(name), NDXxUtil::ToStringHandle(fieldname),
                    NDXxUtil::ToStringHandle(caption), visible, readonly,
                    Value::FromInt32(lEditType), bCanMoved);
}

void NDXxXtraTreeList::RemoveColumn(LONG col) { TreeOf(m_pControl)->RemoveColumn(col); }

void NDXxXtraTreeList::ClearColumns() { TreeOf(m_pControl)->ClearColumns(); }

int NDXxXtraTreeList::GetColumnCount() { return TreeOf(m_pControl)->GetColumnCount(); }

void NDXxXtraTreeList::SetColumnCaption(LONG col, const wchar_t* value) {
    TreeOf(m_pControl)->SetColumnCaption(col, NDXxUtil::ToStringHandle(value));
}

std::wstring NDXxXtraTreeList::GetColumnCaption(LONG col) {
    return NDXxUtil::ToWString(TreeOf(m_pControl)->GetColumnCaption(col));
}

void NDXxXtraTreeList::SetColumnWidth(LONG index, LONG width) {
    TreeOf(m_pControl)->SetColumnWidth(index, width);
}

int NDXxXtraTreeList::GetColumnWidth(LONG col) { return TreeOf(m_pControl)->GetColumnWidth(col); }

void NDXxXtraTreeList::DisableColumnAutoWidth(bool bDisableAutoWidth) {
    TreeOf(m_pControl)->DisableColumnAutoWidth(bDisableAutoWidth);
}

void NDXxXtraTreeList::SetColumnFixedLeft(int col, bool bFixedLeft) {
    TreeOf(m_pControl)->SetColumnFixedLeft(col, bFixedLeft);
}

void NDXxXtraTreeList::SetColumnTextIndent(int col, int textIndent) {
    TreeOf(m_pControl)->SetColumnTextIndent(col, textIndent);
}

void NDXxXtraTreeList::SetColumnImageIndent(int col, int imageIndent) {
    TreeOf(m_pControl)->SetColumnImageIndent(col, imageIndent);
}

// Only the trimming kinds 0 to 6 reach the control; any other value,
// negative ones included (they compare as large unsigned numbers), is
// ignored without a call.
void NDXxXtraTreeList::SetColumnTextOptionTrimming(int col, int trimType) {
    if (static_cast<unsigned int>(trimType) > 6) return;
    TreeOf(m_pControl)->SetColumnTextOptionTrimming(col, trimType);
}

void NDXxXtraTreeList::SetColPicHCenter(int col, bool bCenter) {
    TreeOf(m_pControl)->SetColPicHCenter(col, bCenter);
}

void NDXxXtraTreeList::SetColumnVisibleIndex(LONG col, LONG visibleIndex) {
    TreeOf(m_pControl)->SetColumnVisibleIndex(col, visibleIndex);
}

int NDXxXtraTreeList::GetColumnVisibleIndex(LONG col) {
    return TreeOf(m_pControl)->GetColumnVisibleIndex(col);
}

int NDXxXtraTreeList::GetVisibleColumnCount() {
    return TreeOf(m_pControl)->GetVisibleColumnCount();
}

int NDXxXtraTreeList::GetNextVisibleColumnIndex(LONG col) {
    return TreeOf(m_pControl)->GetNextVisibleColumnIndex(col);
}

int NDXxXtraTreeList::GetPreVisibleColumnIndex(LONG col) {
    return TreeOf(m_pControl)->GetPreVisibleColumnIndex(col);
}

void NDXxXtraTreeList::SetColumnTag(LONG col, int tag) {
    TreeOf(m_pControl)->SetColumnTag(col, tag);
}

int NDXxXtraTreeList::GetColumnTag(LONG col) { return TreeOf(m_pControl)->GetColumnTag(col); }

void NDXxXtraTreeList::EnableColumnSort(LONG col, bool bEnable) {
    TreeOf(m_pControl)->EnableColumnSort(col, bEnable);
}

void NDXxXtraTreeList::SetColumnHeaderFontName(LONG col, const wchar_t* name) {
    TreeOf(m_pControl)->SetColumnHeaderFontName(col, NDXxUtil::ToStringHandle(name));
}

void NDXxXtraTreeList::SetColumnHeaderFontSize(LONG col, float size) {
    TreeOf(m_pControl)->SetColumnHeaderFontSize(col, size);
}

void NDXxXtraTreeList::SetColumnHeaderFontGdiCharSet(LONG col, unsigned char gdiCharSet) {
    TreeOf(m_pControl)->SetColumnHeaderFontGdiCharSet(col, gdiCharSet);
}

void NDXxXtraTreeList::SetColumnHeaderPicture(LONG col, unsigned int id) {
    TreeOf(m_pControl)->SetColumnHeaderPicture(col, NDXxUtil::ToSigned(id));
}

void NDXxXtraTreeList::SetColumnHeaderBackColor(LONG col, ULONG uvalue) {
    TreeOf(m_pControl)->SetColumnHeaderBackColor(col, NDXxUtil::ToSigned(uvalue));
}

void NDXxXtraTreeList::SetColumnHeaderForeColor(LONG col, ULONG uvalue) {
    TreeOf(m_pControl)->SetColumnHeaderForeColor(col, NDXxUtil::ToSigned(uvalue));
}

void NDXxXtraTreeList::SetColumnHeaderAlignCenter(LONG col) {
    TreeOf(m_pControl)->SetColumnHeaderAlignCenter(col);
}

void NDXxXtraTreeList::SetColumnHeaderHeight(int height) {
    TreeOf(m_pControl)->SetColumnHeaderHeight(height);
}

LONG NDXxXtraTreeList::GetColumnHeaderHeight() {
    return TreeOf(m_pControl)->GetColumnHeaderHeight();
}

// The header of columns 0 to col by column index, whatever their visible
// order: left and top 0, right the sum of their widths, bottom the header
// height. A negative col asks for no width. The first failing width ends
// the computation with its failure.
RECT NDXxXtraTreeList::GetColumnHeaderRect(LONG col) {
    const auto tree = TreeOf(m_pControl);
    // 64 bits, so that neither the index nor the sum can overflow; a sum
    // beyond 32 bits stops at the limit, as the edges of ToRect do.
    std::int64_t right = 0;
    for (std::int64_t i = 0; i <= col; ++i) {
        right += tree->GetColumnWidth(static_cast<std::int32_t>(i));
    }
    RECT rect{};
    rect.right = NDXxUtil::ClampToLong(right);
    rect.bottom = tree->GetColumnHeaderHeight();
    return rect;
}
