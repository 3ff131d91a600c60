// NDXxXtraTreeList: selection, focus and navigation. Each method makes one
// call of the control.
#include "nodrix/nodrix.h"

#include "control_holder.h"

using NDXxHolder::TreeOf;

void NDXxXtraTreeList::SetAllowMultiSelection(bool bEnable) {
    TreeOf(m_pControl)->SetAllowMultiSelection(bEnable);
}

void NDXxXtraTreeList::SelectNode(LONG row, bool bSelect) {
    TreeOf(m_pControl)->SelectNode(row, bSelect);
}

void NDXxXtraTreeList::SelectOffspring(LONG row) { TreeOf(m_pControl)->SelectOffspring(row); }

void NDXxXtraTreeList::ClearSelection() { TreeOf(m_pControl)->ClearSelection(); }

bool NDXxXtraTreeList::IsSelected(LONG row) { return TreeOf(m_pControl)->IsSelected(row); }

int NDXxXtraTreeList::GetSelectedNodesCount() {
    return TreeOf(m_pControl)->GetSelectedNodesCount();
}

int NDXxXtraTreeList::GetSelectedNodeId(int iSelIdx) {
    return TreeOf(m_pControl)->GetSelectedNodeId(iSelIdx);
}

// Another name for SetFocusedRow: selecting a row is focusing it.
void NDXxXtraTreeList::SetSelected(LONG row) { SetFocusedRow(row); }

void NDXxXtraTreeList::SetFocusedRow(LONG row) { TreeOf(m_pControl)->SetFocusedRow(row); }

int NDXxXtraTreeList::GetFocusedRow() { return TreeOf(m_pControl)->GetFocusedRow(); }

void NDXxXtraTreeList::SetFocusedCol(LONG col) { TreeOf(m_pControl)->SetFocusedCol(col); }

int NDXxXtraTreeList::GetFocusedCol() { return TreeOf(m_pControl)->GetFocusedCol(); }

int NDXxXtraTreeList::GetTopVisibleNodeIndex() {
    return TreeOf(m_pControl)->GetTopVisibleNodeIndex();
}

void NDXxXtraTreeList::SetTopVisibleNodeIndex(int index) {
    TreeOf(m_pControl)->SetTopVisibleNodeIndex(index);
}

int NDXxXtraTreeList::GetVisibleNodesCount() { return TreeOf(m_pControl)->GetVisibleNodesCount(); }

int NDXxXtraTreeList::GetNodeVisibleIndex(LONG row) {
    return TreeOf(m_pControl)->GetNodeVisibleIndex(row);
}

int NDXxXtraTreeList::GetNextVisibleNodeId(LONG nodeId) {
    return TreeOf(m_pControl)->GetNextVisibleNodeId(nodeId);
}

int NDXxXtraTreeList::GetPreVisibleNodeId(LONG nodeId) {
    return TreeOf(m_pControl)->GetPreVisibleNodeId(nodeId);
}

int NDXxXtraTreeList::GetRowByPoint(int x, int y) {
    return TreeOf(m_pControl)->GetRowByPoint(x, y);
}

int NDXxXtraTreeList::GetColByPoint(int x, int y) {
    return TreeOf(m_pControl)->GetColByPoint(x, y);
}
