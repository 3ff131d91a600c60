// A program built against the installed Nodrix package alone: it hosts a
// tree-list in a window of its own and receives one of its events.
#include <arborkit/arborkit.h>
#include <nodrix/nodrix.h>

#include <cstdio>
#include <memory>

namespace {

NDXxXtraTreeListEvent::_CellPosition received{-1, -1};

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == NDXxXtraTreeListEvent::TLM_CELL_A && lParam != 0) {
        received = *reinterpret_cast<const NDXxXtraTreeListEvent::_CellPosition*>(lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int main() {
    WNDCLASSW hostClass{};
    hostClass.lpfnWndProc = hostProcedure;
    hostClass.lpszClassName = L"NodrixConsumerHost";
    RegisterClassW(&hostClass);
    HWND host = CreateWindowExW(0, L"NodrixConsumerHost", L"host", 0, 0, 0, 640, 480, nullptr,
                                nullptr, nullptr, nullptr);

    NDXxXtraTreeList list;
    SetParent(list.Handle(), host);
    list.ShowControl();
    ArborkitLib::StandIn::RaiseEvent(list.Handle(), 0,
                                     std::make_shared<ArborkitLib::CellPositionArgs>(4, 2));
    DestroyWindow(host);

    if (received.row != 4 || received.col != 2) {
        std::fprintf(stderr, "the host window did not receive the cell event\n");
        return 1;
    }
    std::printf("installed Nodrix package works: cell event (%d, %d) received\n", received.row,
                received.col);
    return 0;
}
