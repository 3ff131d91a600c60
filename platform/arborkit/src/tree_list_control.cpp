#include "tree_list_control.h"

#include "control_registry.h"

#include <algorithm>

#include <mutex>

namespace ArborkitLib {

namespace {

constexpr const wchar_t* kControlClass = L"ArborkitTreeList";
constexpr const wchar_t* kParkingClass = L"ArborkitParking";

// Neither window paints or handles any message itself yet.
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerWindowClassesOnce() {
    // A failure shows when a window cannot be created.
    static const bool registered = [] {
        for (const wchar_t* name : {kControlClass, kParkingClass}) {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = windowProcedure;
            windowClass.lpszClassName = name;
            RegisterClassW(&windowClass);
        }
        return true;
    }();
    (void)registered;
}

// A control's window is a child window, and a child window needs a parent
// from its creation on. Until the caller places it in a window of its own,
// it sits below this hidden top-level window, which lives as long as the
// process (and is made anew should someone destroy it). Events of a control
// that is still parked reach this window and go no further.
HWND parkingWindow() {
    static std::mutex mutex;
    static HWND window = nullptr;
    std::lock_guard lock(mutex);
    if (!IsWindow(window)) {
        window = CreateWindowExW(0, kParkingClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                 nullptr);
    }
    return window;
}

} // namespace

std::shared_ptr<TreeListControl> TreeListControl::Create() {
    registerWindowClassesOnce();
    // The object first, so that its destructor releases the window should
    // anything after the window's creation fail.
    std::shared_ptr<TreeListControl> control(new TreeListControl());
    const BoundsRect& b = kDefaultBounds;
    control->window_ = CreateWindowExW(0, kControlClass, L"", WS_CHILD, b.x, b.y, b.width, b.height,
                                       parkingWindow(), nullptr, nullptr, nullptr);
    if (control->window_ == nullptr) throw ComponentError("cannot create the control's window");
    ControlRegistry::Add(control->window_, control);
    return control;
}

TreeListControl::~TreeListControl() {
    if (!disposed_) ReleaseWindow();
}

void TreeListControl::ReleaseWindow() {
    // Should our window be gone already (its parent destroyed it) and its
    // handle be in use by another control, the handle and its window are
    // that control's: leave them alone.
    if (window_ != nullptr && ControlRegistry::Release(window_, weak_from_this())) {
        DestroyWindow(window_);
    }
}

void TreeListControl::Dispose() {
    if (!disposed_) {
        disposed_ = true;
        ReleaseWindow();
        // A disposed control raises nothing, and handlers keep their targets
        // alive: let go of them.
        events_.Clear();
    }
    Journal::Line("Dispose").Write();
}

void TreeListControl::RequireLive() const {
    if (disposed_) throw ComponentError("the control has been disposed");
}

void TreeListControl::RaiseTreeEvent(TreeEventType type, const std::shared_ptr<EventArgs>& data) {
    RequireLive();
    // A handler may release every other reference to this control.
    const std::shared_ptr<TreeListControl> keepAlive = shared_from_this();
    events_.Raise(WindowHandle(), type, data);
}

TreeEvent& TreeListControl::Events() { return events_; }

// ---------------------------------------------------------------------------
// The control as a whole
// ---------------------------------------------------------------------------

IntPtr TreeListControl::Handle() {
    return Run<IntPtr>("Handle", [&] { return WindowHandle(); });
}

void TreeListControl::ShowControl() {
    Run<void>("ShowControl", [&] { shown_ = true; });
}

bool TreeListControl::IsShown() {
    return Run<bool>("IsShown", [&] { return shown_; });
}

void TreeListControl::Redraw(bool bValue) {
    Run<void>(
        "Redraw", [&] { redrawEnabled_ = bValue; }, bValue);
}

bool TreeListControl::IsRedrawEnabled() {
    return Run<bool>("IsRedrawEnabled", [&] { return redrawEnabled_; });
}

BoundsRect TreeListControl::GetControlRect() {
    return Run<BoundsRect>("GetControlRect", [&] { return bounds_; });
}

void TreeListControl::SetBounds(const BoundsRect& bounds) {
    Run<void>(
        "SetBounds",
        [&] {
            if (bounds.width < 0 || bounds.height < 0) {
                throw ComponentError("a control's width and height cannot be negative");
            }
            bounds_ = bounds;
        },
        bounds);
}

// ---------------------------------------------------------------------------
// Shared by the operation families
// ---------------------------------------------------------------------------

Layout TreeListControl::CurrentLayout() const {
    return Layout(nodes_, columns_, view_, images_, TopIndex(), bounds_.width, bounds_.height);
}

std::int32_t TreeListControl::TopIndex() const {
    const auto count = static_cast<std::int32_t>(nodes_.Visible().size());
    return count == 0 ? 0 : std::min(topIndex_, count - 1);
}

CellData& TreeListControl::CellAt(std::int32_t row, std::int32_t col) {
    Node& node = nodes_.Get(row);
    columns_.Get(col);
    return node.content.Cell(col);
}

bool TreeListControl::FocusNode(std::int32_t node, bool keepSelection) {
    selection_.FocusNode(node);
    if (node == kNoNode) return false;
    if (!keepSelection || !selection_.IsSelected(node)) selection_.SelectOnly(node);
    return view_.autoExpand && nodes_.SetExpanded(node, true);
}

} // namespace ArborkitLib
