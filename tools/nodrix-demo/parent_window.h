// The demonstration's own top-level window. Its window procedure prints
// every tree-list message that arrives: the message's name, its id and the
// fields of its payload.
#ifndef NODRIX_DEMO_PARENT_WINDOW_H
#define NODRIX_DEMO_PARENT_WINDOW_H

#include "winapi/windows_api.h"

#include <functional>
#include <iosfwd>
#include <string>

namespace demo {

class ParentWindow {
public:
    // Messages are printed to `out`. A std::runtime_error when the window
    // cannot be created.
    explicit ParentWindow(std::ostream& out);
    ~ParentWindow();
    ParentWindow(const ParentWindow&) = delete;
    ParentWindow& operator=(const ParentWindow&) = delete;

    HWND Handle() const { return handle_; }
    int MessagesReceived() const { return received_; }

    // The control whose messages are expected (wParam); another sender is
    // named in the output.
    HWND control = nullptr;
    // Gives a short description of a node named in a payload, such as its
    // name; called while the message is being handled.
    std::function<std::string(int nodeId)> describeNode;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Print(UINT message, WPARAM wParam, LPARAM lParam);

    std::ostream& out_;
    HWND handle_ = nullptr;
    int received_ = 0;
};

} // namespace demo

#endif // NODRIX_DEMO_PARENT_WINDOW_H
