#include "parent_window.h"

#include "nodrix/nodrix.h"

#include <map>
#include <ostream>
#include <stdexcept>

namespace demo {

namespace {

namespace ev = NDXxXtraTreeListEvent;

constexpr const wchar_t* kClassName = L"NodrixDemoParent";

std::map<HWND, ParentWindow*>& windows() {
    static std::map<HWND, ParentWindow*> all;
    return all;
}

// One small printer per payload. `node` describes a node id.
using NodeDescriber = std::function<std::string(int)>;
using PayloadPrinter = void (*)(std::ostream& out, LPARAM lParam, const NodeDescriber& node);

std::string described(const NodeDescriber& node, int nodeId) {
    return node ? std::to_string(nodeId) + " (" + node(nodeId) + ")" : std::to_string(nodeId);
}

void printNothing(std::ostream& out, LPARAM lParam, const NodeDescriber&) {
    out << (lParam == 0 ? "no payload" : "unexpected payload");
}

void printCellPosition(std::ostream& out, LPARAM lParam, const NodeDescriber& node) {
    const auto& p = *reinterpret_cast<const ev::_CellPosition*>(lParam);
    out << "row " << described(node, p.row) << ", col " << p.col;
}

void printCellRightClick(std::ostream& out, LPARAM lParam, const NodeDescriber& node) {
    const auto& p = *reinterpret_cast<const ev::_CellRightClickData*>(lParam);
    out << "x " << p.x << ", y " << p.y << ", button " << p.button << ", node "
        << described(node, p.nodeId) << ", col " << p.col;
}

void printExpandCollapse(std::ostream& out, LPARAM lParam, const NodeDescriber& node) {
    const auto& p = *reinterpret_cast<const ev::_ExpandCollapseData*>(lParam);
    out << "node " << described(node, p.nodeId);
}

void printMousePosition(std::ostream& out, LPARAM lParam, const NodeDescriber&) {
    const auto& p = *reinterpret_cast<const ev::_MousePositionData*>(lParam);
    out << "x " << p.x << ", y " << p.y;
}

void printCellLeftDoubleClick(std::ostream& out, LPARAM lParam, const NodeDescriber& node) {
    const auto& p = *reinterpret_cast<const ev::_CellLeftDoubleClickData*>(lParam);
    out << "x " << p.x << ", y " << p.y << ", node " << described(node, p.nodeId) << ", col "
        << p.col;
}

struct MessageKind {
    const char* name;
    PayloadPrinter print;
};

const std::map<UINT, MessageKind> kMessages{
    {ev::TLM_CELL_A, {"TLM_CELL_A", printCellPosition}},
    {ev::TLM_CELL_RIGHT_CLICK, {"TLM_CELL_RIGHT_CLICK", printCellRightClick}},
    {ev::TLM_EXPAND_COLLAPSE_A, {"TLM_EXPAND_COLLAPSE_A", printExpandCollapse}},
    {ev::TLM_EXPAND_COLLAPSE_B, {"TLM_EXPAND_COLLAPSE_B", printExpandCollapse}},
    {ev::TLM_CELL_B, {"TLM_CELL_B", printCellPosition}},
    {ev::TLM_MOUSE_A, {"TLM_MOUSE_A", printMousePosition}},
    {ev::TLM_NOTIFY_A, {"TLM_NOTIFY_A", printNothing}},
    {ev::TLM_CELL_LEFT_DOUBLE_CLICK, {"TLM_CELL_LEFT_DOUBLE_CLICK", printCellLeftDoubleClick}},
    {ev::TLM_MOUSE_B, {"TLM_MOUSE_B", printMousePosition}},
    {ev::TLM_NOTIFY_B, {"TLM_NOTIFY_B", printNothing}},
    {ev::TLM_CELL_C, {"TLM_CELL_C", printCellPosition}},
    {ev::TLM_CELL_D, {"TLM_CELL_D", printCellPosition}},
    {ev::TLM_CELL_E, {"TLM_CELL_E", printCellPosition}},
    {ev::TLM_CELL_F, {"TLM_CELL_F", printCellPosition}},
    {ev::TLM_CELL_G, {"TLM_CELL_G", printCellPosition}},
    {ev::TLM_NOTIFY_C, {"TLM_NOTIFY_C", printNothing}},
};

} // namespace

ParentWindow::ParentWindow(std::ostream& out) : out_(out) {
    static const ATOM registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &ParentWindow::Procedure;
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass);
    }();
    if (registered == 0) throw std::runtime_error("cannot register the parent window's class");
    handle_ = CreateWindowExW(0, kClassName, L"nodrix-demo", 0, 0, 0, 640, 480, nullptr, nullptr,
                              nullptr, nullptr);
    if (handle_ == nullptr) throw std::runtime_error("cannot create the parent window");
    windows()[handle_] = this;
}

ParentWindow::~ParentWindow() {
    windows().erase(handle_);
    DestroyWindow(handle_);
}

LRESULT CALLBACK ParentWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = windows().find(window);
    if (it != windows().end() && kMessages.count(message) != 0) {
        it->second->Print(message, wParam, lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ParentWindow::Print(UINT message, WPARAM wParam, LPARAM lParam) {
    ++received_;
    const MessageKind& kind = kMessages.at(message);
    out_ << "    " << kind.name << " (" << message << "): ";
    kind.print(out_, lParam, describeNode);
    if (reinterpret_cast<HWND>(wParam) != control) out_ << "  [from another window]";
    out_ << '\n';
}

} // namespace demo
