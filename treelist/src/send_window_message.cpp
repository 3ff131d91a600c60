#include "send_window_message.h"

#include <atomic>

namespace NDX {

namespace {

// The default send function: SendMessageW with the same arguments.
LRESULT CALLBACK SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    // Qualified: on Windows SendMessage is itself a macro for SendMessageW.
    return ::SendMessageW(hWnd, Msg, wParam, lParam);
}

// Read at every event and written by the setter; atomic so that a setter on
// another thread is merely late, never a torn read.
std::atomic<SendWindowMessageFunction> s_fpSendWindowMessage{&SendMessage};

} // namespace

LRESULT SendWindowMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return s_fpSendWindowMessage.load()(hWnd, Msg, wParam, lParam);
}

SendWindowMessageFunction SetSendWindowMessageFunction(SendWindowMessageFunction fn) {
    if (fn == nullptr) return nullptr;
    return s_fpSendWindowMessage.exchange(fn);
}

} // namespace NDX
