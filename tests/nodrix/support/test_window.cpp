#include "test_window.h"

#include <map>
#include <stdexcept>

namespace testsupport {

namespace {

constexpr const wchar_t* kClassName = L"NodrixTestWindow";

std::map<HWND, TestWindow*>& windows() {
    static std::map<HWND, TestWindow*> all;
    return all;
}

// Number of 32-bit fields in the payload of a tree-list message.
std::size_t payloadFieldCount(UINT message) {
    // Fields of _CellPosition, _CellRightClickData, _ExpandCollapseData,
    // _MousePositionData and _CellLeftDoubleClickData, by message id.
    static const std::map<UINT, std::size_t> kFields{
        {2024, 2}, {2025, 5}, {2026, 1}, {2027, 1}, {2028, 2}, {2029, 2}, {2031, 4},
        {2032, 2}, {2034, 2}, {2035, 2}, {2036, 2}, {2037, 2}, {2038, 2}};
    auto it = kFields.find(message);
    return it == kFields.end() ? 0 : it->second;
}

} // namespace

std::vector<std::int32_t> copyPayload(UINT message, LPARAM lParam) {
    std::vector<std::int32_t> fields;
    if (lParam == 0) return fields;
    const auto* first = reinterpret_cast<const std::int32_t*>(lParam);
    fields.assign(first, first + payloadFieldCount(message));
    return fields;
}

std::string windowNumber(HWND window) {
    return std::to_string(reinterpret_cast<std::intptr_t>(window));
}

TestWindow::TestWindow(HWND parent) {
    static const ATOM registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &TestWindow::procedure;
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass);
    }();
    if (registered == 0) throw std::runtime_error("cannot register the test window class");
    const DWORD style = parent == nullptr ? 0 : WS_CHILD;
    handle_ = CreateWindowExW(0, kClassName, L"test", style, 0, 0, 100, 100, parent, nullptr,
                              nullptr, nullptr);
    if (handle_ == nullptr) throw std::runtime_error("cannot create a test window");
    windows()[handle_] = this;
}

TestWindow::~TestWindow() {
    windows().erase(handle_);
    if (IsWindow(handle_)) DestroyWindow(handle_);
}

LRESULT CALLBACK TestWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = windows().find(window);
    if (it == windows().end() || message < WM_USER || message > 0x7FFF) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    TestWindow& self = *it->second;
    self.received_.push_back({window, message, wParam, lParam, copyPayload(message, lParam)});
    const LRESULT result = self.result;
    // A copy: the handler may send further messages, which grow the list.
    const ReceivedMessage received = self.received_.back();
    if (self.onMessage) self.onMessage(received);
    return result;
}

} // namespace testsupport
