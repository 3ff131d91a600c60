// NDXxXtraTreeList: construction, sharing and release, and the members that
// act on the control as a whole.
#include "nodrix/nodrix.h"

#include "control_holder.h"
#include "ndx_util.h"

NDXxXtraTreeList::NDXxXtraTreeList() : m_pControl(NDXxHolder::Create()) {}

NDXxXtraTreeList::NDXxXtraTreeList(const NDXxXtraTreeList& other) : m_pControl(other.m_pControl) {
    NDXxHolder::AddOwner(m_pControl);
}

NDXxXtraTreeList& NDXxXtraTreeList::operator=(const NDXxXtraTreeList& other) {
    if (m_pControl != other.m_pControl) {
        NDXxHolder::AddOwner(other.m_pControl);
        // Point at the new holder before the old one may be released: its
        // release runs the control's disposal.
        NDXxXtraTreeListControl* previous = m_pControl;
        m_pControl = other.m_pControl;
        NDXxHolder::ReleaseOwner(previous);
    }
    return *this;
}

NDXxXtraTreeList::~NDXxXtraTreeList() { NDXxHolder::ReleaseOwner(m_pControl); }

HWND NDXxXtraTreeList::Handle() {
    return reinterpret_cast<HWND>(NDXxHolder::TreeOf(m_pControl)->Handle().value);
}

void NDXxXtraTreeList::ShowControl() { NDXxHolder::TreeOf(m_pControl)->ShowControl(); }

void NDXxXtraTreeList::Redraw(bool bValue) { NDXxHolder::TreeOf(m_pControl)->Redraw(bValue); }

RECT NDXxXtraTreeList::GetControlRect() {
    return NDXxUtil::ToRect(NDXxHolder::TreeOf(m_pControl)->GetControlRect());
}
