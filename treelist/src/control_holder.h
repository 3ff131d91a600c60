// The control holder: what a facade points at. It holds the strong handle to
// the message object (and through it the control) and counts the facades
// that share it, so that the last one releases everything exactly once.
#ifndef NODRIX_CONTROL_HOLDER_H
#define NODRIX_CONTROL_HOLDER_H

#include "tree_list_message.h"

#include <cstddef>
#include <memory>

struct NDXxXtraTreeListControl {
    // The strong handle: keeps the message object alive and lets the
    // facade find it again.
    std::shared_ptr<NDXxXtraTreeListMessage> m_message;
    // Facades that refer to this holder.
    std::size_t m_owners = 1;
};

namespace NDXxHolder {

// A holder with a new message object and control, owned by one facade.
// On failure nothing stays allocated and the failure goes on.
NDXxXtraTreeListControl* Create();

// One more facade refers to `holder`.
void AddOwner(NDXxXtraTreeListControl* holder) noexcept;

// One facade lets go of `holder`. The last one disposes the message object
// (unsubscribing before the control is disposed), then frees the handle and
// the holder. A failure of the disposal is dropped: it happens while a
// facade is destroyed, which cannot report it, and the handle and holder
// are freed all the same.
void ReleaseOwner(NDXxXtraTreeListControl* holder) noexcept;

// The control, kept alive for as long as the caller holds the result (a
// call into the control may end in the facade's destruction).
std::shared_ptr<ArborkitLib::ITreeListControl> TreeOf(const NDXxXtraTreeListControl* holder);

} // namespace NDXxHolder

#endif // NODRIX_CONTROL_HOLDER_H
