// Event forwarding: which window message each event type of the control
// becomes, and the payload that goes with it.
#ifndef NODRIX_EVENT_FORWARDING_H
#define NODRIX_EVENT_FORWARDING_H

#include "arborkit/arborkit.h"
#include "nodrix/nodrix.h"

#include <cstdint>

namespace NDXxXtraTreeListEvent {

// Sends the message of `eventType` to `parent`, with wParam = `control` and
// the payload filled from `data` in this call's frame. Nothing is sent for a
// type without a message. A std::invalid_argument, and nothing sent, when
// `data` is missing or not of the class the message is made from.
void Forward(HWND parent, HWND control, std::int32_t eventType, const ArborkitLib::EventArgs* data);

} // namespace NDXxXtraTreeListEvent

#endif // NODRIX_EVENT_FORWARDING_H
