#include "event_forwarding.h"

#include "send_window_message.h"

#include <array>
#include <stdexcept>
#include <string>

namespace NDXxXtraTreeListEvent {

namespace {

using ArborkitLib::EventArgs;

// The event data as the class the message is made from.
template <class Args> const Args& dataAs(const EventArgs* data, UINT message, const char* name) {
    const auto* args = dynamic_cast<const Args*>(data);
    if (args == nullptr) {
        throw std::invalid_argument("message " + std::to_string(message) + " is made from " + name +
                                    " and the event brought " +
                                    (data == nullptr ? "no data" : "data of another class"));
    }
    return *args;
}

void send(HWND parent, UINT message, HWND control, const void* payload) {
    // The result means nothing to the control and is not examined.
    NDX::SendWindowMessage(parent, message, reinterpret_cast<WPARAM>(control),
                           reinterpret_cast<LPARAM>(payload));
}

// One sender per payload; each payload lives in its sender's frame for
// exactly as long as the message is being sent.
using Sender = void (*)(HWND parent, UINT message, HWND control, const EventArgs* data);

void sendNone(HWND parent, UINT message, HWND control, const EventArgs*) {
    send(parent, message, control, nullptr);
}

void sendCellPosition(HWND parent, UINT message, HWND control, const EventArgs* data) {
    const auto& args = dataAs<ArborkitLib::CellPositionArgs>(data, message, "CellPositionArgs");
    const _CellPosition payload{args.row, args.column};
    send(parent, message, control, &payload);
}

void sendCellRightClick(HWND parent, UINT message, HWND control, const EventArgs* data) {
    _CellRightClickData payload{};
    Marshal(dataAs<ArborkitLib::CellRightClickArgs>(data, message, "CellRightClickArgs"), payload);
    send(parent, message, control, &payload);
}

void sendExpandCollapse(HWND parent, UINT message, HWND control, const EventArgs* data) {
    const auto& args = dataAs<ArborkitLib::ExpandCollapseArgs>(data, message, "ExpandCollapseArgs");
    const _ExpandCollapseData payload{args.nodeId};
    send(parent, message, control, &payload);
}

void sendMousePosition(HWND parent, UINT message, HWND control, const EventArgs* data) {
    const auto& args = dataAs<ArborkitLib::MousePositionArgs>(data, message, "MousePositionArgs");
    const _MousePositionData payload{args.x, args.y};
    send(parent, message, control, &payload);
}

void sendCellLeftDoubleClick(HWND parent, UINT message, HWND control, const EventArgs* data) {
    _CellLeftDoubleClickData payload{};
    Marshal(dataAs<ArborkitLib::CellLeftDoubleClickArgs>(data, message, "CellLeftDoubleClickArgs"),
            payload);
    send(parent, message, control, &payload);
}

// What an event type becomes: its message (0: the type is not forwarded) and
// the sender that fills the message's payload.
struct Route {
    UINT message;
    Sender send;
};

// Indexed by event type. Types 9 to 14 have no message, and 19 and 20 map
// crosswise (19 -> TLM_CELL_G, 20 -> TLM_CELL_F).
constexpr std::array<Route, 22> kRoutes{{
    /*  0 */ {TLM_CELL_A, sendCellPosition},
    /*  1 */ {TLM_CELL_RIGHT_CLICK, sendCellRightClick},
    /*  2 */ {TLM_EXPAND_COLLAPSE_A, sendExpandCollapse},
    /*  3 */ {TLM_EXPAND_COLLAPSE_B, sendExpandCollapse},
    /*  4 */ {TLM_CELL_B, sendCellPosition},
    /*  5 */ {TLM_MOUSE_A, sendMousePosition},
    /*  6 */ {TLM_NOTIFY_A, sendNone},
    /*  7 */ {TLM_CELL_LEFT_DOUBLE_CLICK, sendCellLeftDoubleClick},
    /*  8 */ {TLM_MOUSE_B, sendMousePosition},
    /*  9 */ {0, nullptr},
    /* 10 */ {0, nullptr},
    /* 11 */ {0, nullptr},
    /* 12 */ {0, nullptr},
    /* 13 */ {0, nullptr},
    /* 14 */ {0, nullptr},
    /* 15 */ {TLM_NOTIFY_B, sendNone},
    /* 16 */ {TLM_CELL_C, sendCellPosition},
    /* 17 */ {TLM_CELL_D, sendCellPosition},
    /* 18 */ {TLM_CELL_E, sendCellPosition},
    /* 19 */ {TLM_CELL_G, sendCellPosition},
    /* 20 */ {TLM_CELL_F, sendCellPosition},
    /* 21 */ {TLM_NOTIFY_C, sendNone},
}};

// Buttons the payload tells apart; any other value is sent as 0.
std::int32_t knownButton(ArborkitLib::TreeMouseButton button) {
    const auto value = static_cast<std::int32_t>(button);
    return value >= 1 && value <= 3 ? value : 0;
}

} // namespace

void Forward(HWND parent, HWND control, std::int32_t eventType, const EventArgs* data) {
    if (eventType < 0 || static_cast<std::size_t>(eventType) >= kRoutes.size()) return;
    const Route& route = kRoutes[static_cast<std::size_t>(eventType)];
    if (route.message == 0) return;
    route.send(parent, route.message, control, data);
}

void Marshal(const ArborkitLib::CellRightClickArgs& source, _CellRightClickData& target) {
    target.x = source.x;
    target.y = source.y;
    target.button = knownButton(source.button);
    target.nodeId = source.nodeId;
    target.col = source.columnIndex;
}

void Marshal(const ArborkitLib::CellLeftDoubleClickArgs& source, _CellLeftDoubleClickData& target) {
    target.x = source.x;
    target.y = source.y;
    target.nodeId = source.nodeId;
    target.col = source.columnIndex;
}

} // namespace NDXxXtraTreeListEvent
