// Event forwarding: which window message each event type of the control
// becomes, and the payload that goes with it.
#ifndef NODRIX_EVENT_FORWARDING_H
#define NODRIX_EVENT_FORWARDING_H

#include "arborkit/arborkit.h"
#include "nodrix/nodrix.h"

#include <cstdint>

namespace NDXxXtraTreeListEvent {

// The payload a message carries, and so the event data class it is made from.
enum class Payload {
    None,                // lParam 0, whatever data the event brings
    CellPosition,        // CellPositionArgs -> _CellPosition
    CellRightClick,      // CellRightClickArgs -> _CellRightClickData
    ExpandCollapse,      // ExpandCollapseArgs -> _ExpandCollapseData
    MousePosition,       // MousePositionArgs -> _MousePositionData
    CellLeftDoubleClick, // CellLeftDoubleClickArgs -> _CellLeftDoubleClickData
};

struct EventRoute {
    UINT message; // 0: the event type is not forwarded
    Payload payload;
};

// The route of an event type; message 0 for a type that has none.
EventRoute RouteOf(std::int32_t eventType);

// Sends the message of `eventType` to `parent`, with wParam = `control` and
// the payload filled from `data` in this call's frame. Nothing is sent for a
// type without a message. A std::invalid_argument, and nothing sent, when
// `data` is missing or not of the class the message is made from.
void Forward(HWND parent, HWND control, std::int32_t eventType, const ArborkitLib::EventArgs* data);

} // namespace NDXxXtraTreeListEvent

#endif // NODRIX_EVENT_FORWARDING_H
