#include "control_holder.h"

namespace NDXxHolder {

NDXxXtraTreeListControl* Create() {
    auto holder = std::make_unique<NDXxXtraTreeListControl>();
    holder->m_message = NDXxXtraTreeListMessage::Create();
    return holder.release();
}

void AddOwner(NDXxXtraTreeListControl* holder) noexcept { ++holder->m_owners; }

void ReleaseOwner(NDXxXtraTreeListControl* holder) noexcept {
    if (--holder->m_owners > 0) return;
    try {
        holder->m_message->Dispose();
    } catch (...) {
        // See the header: nobody to report to.
    }
    delete holder;
}

std::shared_ptr<ArborkitLib::ITreeListControl> TreeOf(const NDXxXtraTreeListControl* holder) {
    return holder->m_message->Tree();
}

} // namespace NDXxHolder
