// NDXxXtraTreeList: nodes, tags and keys. Each method makes one call of the
// control; tags cross as pointer-sized integers with all 64 bits.
#include "nodrix/nodrix.h"

#include "control_holder.h"
#include "ndx_util.h"

using ArborkitLib::Value;
using NDXxHolder::TreeOf;

int NDXxXtraTreeList::AddNode(const wchar_t* ItemText, int parentNodeId) {
    return TreeOf(m_pControl)->AddNode(NDXxUtil::ToStringHandle(ItemText), parentNodeId);
}

int NDXxXtraTreeList::AddNodeEx(_Row_Info* rowInfo, LONG ParentId) {
    return TreeOf(m_pControl)->AddNodeEx(NDXxUtil::ToRowInfoRecord(rowInfo), ParentId);
}

void NDXxXtraTreeList::RemoveNode(LONG row) { TreeOf(m_pControl)->RemoveNode(row); }

void NDXxXtraTreeList::ClearNodes() { TreeOf(m_pControl)->ClearNodes(); }

int NDXxXtraTreeList::GetNodeCount() { return TreeOf(m_pControl)->GetNodeCount(); }

int NDXxXtraTreeList::GetNodeLevel(LONG row) { return TreeOf(m_pControl)->GetNodeLevel(row); }

int NDXxXtraTreeList::GetParentNode(LONG row) { return TreeOf(m_pControl)->GetParentNode(row); }

int NDXxXtraTreeList::GetNextSiblingNode(LONG row) {
    return TreeOf(m_pControl)->GetNextSiblingNode(row);
}

int NDXxXtraTreeList::GetNodeIndexById(LONG row) {
    return TreeOf(m_pControl)->GetNodeIndexById(row);
}

void NDXxXtraTreeList::SetNodeTag(LONG index, std::int64_t newValue) {
    TreeOf(m_pControl)->SetNodeTag(index, Value::FromIntPtr(NDXxUtil::ToIntPtr(newValue)));
}

// SetNodeTag under another name: a tag is a pointer-sized integer whether it
// holds a value or an address.
void NDXxXtraTreeList::SetNodeTagPtr(LONG index, std::int64_t newValue) {
    SetNodeTag(index, newValue);
}

std::int64_t NDXxXtraTreeList::GetNodeTag(LONG row) {
    return NDXxUtil::ToIntPtr(NDXxUtil::UnboxIntPtr(TreeOf(m_pControl)->GetNodeTag(row)));
}

void NDXxXtraTreeList::SetDelimiter(const wchar_t* delimeter) {
    TreeOf(m_pControl)->SetDelimiter(NDXxUtil::ToStringHandle(delimeter));
}

void NDXxXtraTreeList::SetKeyFieldName(const wchar_t* keyFieldName) {
    TreeOf(m_pControl)->SetKeyFieldName(NDXxUtil::ToStringHandle(keyFieldName));
}

int NDXxXtraTreeList::GetNodeIdByKeyValue(const wchar_t* keyValue) {
    return TreeOf(m_pControl)
        ->GetNodeIdByKeyValue(Value::FromString(NDXxUtil::ToStringHandle(keyValue)));
}

void NDXxXtraTreeList::ExpandTlistAll() { TreeOf(m_pControl)->ExpandTlistAll(); }

void NDXxXtraTreeList::FullExpandNode(LONG row) { TreeOf(m_pControl)->FullExpandNode(row); }

void NDXxXtraTreeList::SetAutoExpand(bool bAutoExpand) {
    TreeOf(m_pControl)->SetAutoExpand(bAutoExpand);
}
