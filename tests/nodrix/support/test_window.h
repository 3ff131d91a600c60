// A real window of the window API that records the private messages it
// receives (WM_USER and above), with a copy of the tree-list payload each
// one points at.
#ifndef NODRIX_TESTS_TEST_WINDOW_H
#define NODRIX_TESTS_TEST_WINDOW_H

#include "winapi/windows_api.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

struct ReceivedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    // The 32-bit fields lParam points at, for the tree-list messages 2024
    // to 2039 that carry a payload; empty otherwise.
    std::vector<std::int32_t> payload;
};

// The payload a tree-list message points at, copied field by field.
std::vector<std::int32_t> copyPayload(UINT message, LPARAM lParam);

// A window handle as the decimal number the component's journal writes.
std::string windowNumber(HWND window);

// A top-level window, or a child window of `parent`.
class TestWindow {
public:
    explicit TestWindow(HWND parent = nullptr);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return handle_; }
    const std::vector<ReceivedMessage>& received() const { return received_; }
    void clear() { received_.clear(); }

    // Runs inside the window procedure after a message is recorded.
    std::function<void(const ReceivedMessage&)> onMessage;
    // What the procedure returns for a recorded message.
    LRESULT result = 0;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_;
    std::vector<ReceivedMessage> received_;
};

} // namespace testsupport

#endif // NODRIX_TESTS_TEST_WINDOW_H
