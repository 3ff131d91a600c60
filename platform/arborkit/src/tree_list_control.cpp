#include "tree_list_control.h"

#include "control_registry.h"

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
    if (!disposed_ && window_ != nullptr) {
        ControlRegistry::Remove(window_);
        DestroyWindow(window_);
    }
}

void TreeListControl::Dispose() {
    if (!disposed_) {
        disposed_ = true;
        ControlRegistry::Remove(window_);
        DestroyWindow(window_);
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
    events_.Raise(IntPtr(reinterpret_cast<std::intptr_t>(window_)), type, data);
}

TreeEvent& TreeListControl::Events() { return events_; }

// ---------------------------------------------------------------------------
// The control as a whole
// ---------------------------------------------------------------------------

IntPtr TreeListControl::Handle() {
    return Run<IntPtr>("Handle", [&] { return IntPtr(reinterpret_cast<std::intptr_t>(window_)); });
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
// Operations without behaviour yet
// ---------------------------------------------------------------------------

std::int32_t TreeListControl::AddNode(const ComponentString& ItemText, std::int32_t parentNodeId) {
    return Unavailable<std::int32_t>("AddNode", ItemText, parentNodeId);
}

std::int32_t TreeListControl::AddNodeEx(const RowInfoRecord& rowInfo, std::int32_t ParentId) {
    return Unavailable<std::int32_t>("AddNodeEx", rowInfo, ParentId);
}

void TreeListControl::RemoveNode(std::int32_t row) { Unavailable<void>("RemoveNode", row); }

void TreeListControl::ClearNodes() { Unavailable<void>("ClearNodes"); }

std::int32_t TreeListControl::GetNodeCount() { return Unavailable<std::int32_t>("GetNodeCount"); }

std::int32_t TreeListControl::GetNodeLevel(std::int32_t row) {
    return Unavailable<std::int32_t>("GetNodeLevel", row);
}

std::int32_t TreeListControl::GetParentNode(std::int32_t row) {
    return Unavailable<std::int32_t>("GetParentNode", row);
}

std::int32_t TreeListControl::GetNextSiblingNode(std::int32_t row) {
    return Unavailable<std::int32_t>("GetNextSiblingNode", row);
}

std::int32_t TreeListControl::GetNodeIndexById(std::int32_t row) {
    return Unavailable<std::int32_t>("GetNodeIndexById", row);
}

void TreeListControl::SetNodeTag(std::int32_t index, const Value& newValue) {
    Unavailable<void>("SetNodeTag", index, newValue);
}

Value TreeListControl::GetNodeTag(std::int32_t row) {
    return Unavailable<Value>("GetNodeTag", row);
}

void TreeListControl::SetDelimiter(const ComponentString& delimeter) {
    Unavailable<void>("SetDelimiter", delimeter);
}

void TreeListControl::SetKeyFieldName(const ComponentString& keyFieldName) {
    Unavailable<void>("SetKeyFieldName", keyFieldName);
}

std::int32_t TreeListControl::GetNodeIdByKeyValue(const Value& keyValue) {
    return Unavailable<std::int32_t>("GetNodeIdByKeyValue", keyValue);
}

void TreeListControl::ExpandTlistAll() { Unavailable<void>("ExpandTlistAll"); }

void TreeListControl::FullExpandNode(std::int32_t row) { Unavailable<void>("FullExpandNode", row); }

void TreeListControl::SetAutoExpand(bool bAutoExpand) {
    Unavailable<void>("SetAutoExpand", bAutoExpand);
}

std::int32_t TreeListControl::AddColumn(const ComponentString& name,
                                        const ComponentString& fieldname,
                                        const ComponentString& caption, bool visible, bool readonly,
                                        const Value& lEditType, bool bCanMoved) {
    return Unavailable<std::int32_t>("AddColumn", name, fieldname, caption, visible, readonly,
                                     lEditType, bCanMoved);
}

void TreeListControl::RemoveColumn(std::int32_t col) { Unavailable<void>("RemoveColumn", col); }

void TreeListControl::ClearColumns() { Unavailable<void>("ClearColumns"); }

std::int32_t TreeListControl::GetColumnCount() {
    return Unavailable<std::int32_t>("GetColumnCount");
}

void TreeListControl::SetColumnCaption(std::int32_t col, const ComponentString& value) {
    Unavailable<void>("SetColumnCaption", col, value);
}

Value TreeListControl::GetColumnCaption(std::int32_t col) {
    return Unavailable<Value>("GetColumnCaption", col);
}

void TreeListControl::SetColumnWidth(std::int32_t index, std::int32_t width) {
    Unavailable<void>("SetColumnWidth", index, width);
}

std::int32_t TreeListControl::GetColumnWidth(std::int32_t col) {
    return Unavailable<std::int32_t>("GetColumnWidth", col);
}

void TreeListControl::DisableColumnAutoWidth(bool bDisableAutoWidth) {
    Unavailable<void>("DisableColumnAutoWidth", bDisableAutoWidth);
}

void TreeListControl::SetColumnFixedLeft(std::int32_t col, bool bFixedLeft) {
    Unavailable<void>("SetColumnFixedLeft", col, bFixedLeft);
}

void TreeListControl::SetColumnTextIndent(std::int32_t col, std::int32_t textIndent) {
    Unavailable<void>("SetColumnTextIndent", col, textIndent);
}

void TreeListControl::SetColumnImageIndent(std::int32_t col, std::int32_t imageIndent) {
    Unavailable<void>("SetColumnImageIndent", col, imageIndent);
}

void TreeListControl::SetColumnTextOptionTrimming(std::int32_t col, std::int32_t trimType) {
    Unavailable<void>("SetColumnTextOptionTrimming", col, trimType);
}

void TreeListControl::SetColPicHCenter(std::int32_t col, bool bCenter) {
    Unavailable<void>("SetColPicHCenter", col, bCenter);
}

void TreeListControl::SetColumnVisibleIndex(std::int32_t col, std::int32_t visibleIndex) {
    Unavailable<void>("SetColumnVisibleIndex", col, visibleIndex);
}

std::int32_t TreeListControl::GetColumnVisibleIndex(std::int32_t col) {
    return Unavailable<std::int32_t>("GetColumnVisibleIndex", col);
}

std::int32_t TreeListControl::GetVisibleColumnCount() {
    return Unavailable<std::int32_t>("GetVisibleColumnCount");
}

std::int32_t TreeListControl::GetNextVisibleColumnIndex(std::int32_t col) {
    return Unavailable<std::int32_t>("GetNextVisibleColumnIndex", col);
}

std::int32_t TreeListControl::GetPreVisibleColumnIndex(std::int32_t col) {
    return Unavailable<std::int32_t>("GetPreVisibleColumnIndex", col);
}

void TreeListControl::SetColumnTag(std::int32_t col, std::int32_t tag) {
    Unavailable<void>("SetColumnTag", col, tag);
}

std::int32_t TreeListControl::GetColumnTag(std::int32_t col) {
    return Unavailable<std::int32_t>("GetColumnTag", col);
}

void TreeListControl::EnableColumnSort(std::int32_t col, bool bEnable) {
    Unavailable<void>("EnableColumnSort", col, bEnable);
}

void TreeListControl::SetColumnHeaderFontName(std::int32_t col, const ComponentString& name) {
    Unavailable<void>("SetColumnHeaderFontName", col, name);
}

void TreeListControl::SetColumnHeaderFontSize(std::int32_t col, float size) {
    Unavailable<void>("SetColumnHeaderFontSize", col, size);
}

void TreeListControl::SetColumnHeaderFontGdiCharSet(std::int32_t col, std::uint8_t gdiCharSet) {
    Unavailable<void>("SetColumnHeaderFontGdiCharSet", col, gdiCharSet);
}

void TreeListControl::SetColumnHeaderPicture(std::int32_t col, std::int32_t id) {
    Unavailable<void>("SetColumnHeaderPicture", col, id);
}

void TreeListControl::SetColumnHeaderBackColor(std::int32_t col, std::int32_t uvalue) {
    Unavailable<void>("SetColumnHeaderBackColor", col, uvalue);
}

void TreeListControl::SetColumnHeaderForeColor(std::int32_t col, std::int32_t uvalue) {
    Unavailable<void>("SetColumnHeaderForeColor", col, uvalue);
}

void TreeListControl::SetColumnHeaderAlignCenter(std::int32_t col) {
    Unavailable<void>("SetColumnHeaderAlignCenter", col);
}

void TreeListControl::SetColumnHeaderHeight(std::int32_t height) {
    Unavailable<void>("SetColumnHeaderHeight", height);
}

std::int32_t TreeListControl::GetColumnHeaderHeight() {
    return Unavailable<std::int32_t>("GetColumnHeaderHeight");
}

void TreeListControl::SetCellValue(std::int32_t row, std::int32_t col, const Value& value) {
    Unavailable<void>("SetCellValue", row, col, value);
}

Value TreeListControl::GetCellValue(std::int32_t row, std::int32_t col) {
    return Unavailable<Value>("GetCellValue", row, col);
}

void TreeListControl::SetCellDisplayText(std::int32_t row, std::int32_t col,
                                         const ComponentString& name) {
    Unavailable<void>("SetCellDisplayText", row, col, name);
}

void TreeListControl::SetCellTag(std::int32_t row, std::int32_t col, std::int32_t tag) {
    Unavailable<void>("SetCellTag", row, col, tag);
}

std::int32_t TreeListControl::GetCellTag(std::int32_t row, std::int32_t col) {
    return Unavailable<std::int32_t>("GetCellTag", row, col);
}

void TreeListControl::SetCellFontName(std::int32_t row, std::int32_t col,
                                      const ComponentString& name) {
    Unavailable<void>("SetCellFontName", row, col, name);
}

void TreeListControl::SetCellFontSize(std::int32_t row, std::int32_t col, float size) {
    Unavailable<void>("SetCellFontSize", row, col, size);
}

void TreeListControl::SetFontUnderLine(std::int32_t row, std::int32_t col, bool bUnderline) {
    Unavailable<void>("SetFontUnderLine", row, col, bUnderline);
}

void TreeListControl::SetCellBackColor(std::int32_t row, std::int32_t col, std::int32_t uvalue) {
    Unavailable<void>("SetCellBackColor", row, col, uvalue);
}

void TreeListControl::SetCellForeColor(std::int32_t row, std::int32_t col, std::int32_t uvalue) {
    Unavailable<void>("SetCellForeColor", row, col, uvalue);
}

void TreeListControl::SetCellPicture(std::int32_t row, std::int32_t col, std::int32_t id) {
    Unavailable<void>("SetCellPicture", row, col, id);
}

void TreeListControl::SetCellStateImage(std::int32_t row, std::int32_t col, std::int32_t id) {
    Unavailable<void>("SetCellStateImage", row, col, id);
}

void TreeListControl::SetCellAlignCenter(std::int32_t row, std::int32_t col) {
    Unavailable<void>("SetCellAlignCenter", row, col);
}

BoundsRect TreeListControl::GetCellRect(std::int32_t row, std::int32_t col) {
    return Unavailable<BoundsRect>("GetCellRect", row, col);
}

void TreeListControl::SetRowFontName(std::int32_t row, const ComponentString& name) {
    Unavailable<void>("SetRowFontName", row, name);
}

void TreeListControl::SetRowFontSize(std::int32_t row, float size) {
    Unavailable<void>("SetRowFontSize", row, size);
}

void TreeListControl::SetRowFontGdiCharSet(std::int32_t row, std::uint8_t gdiCharSet) {
    Unavailable<void>("SetRowFontGdiCharSet", row, gdiCharSet);
}

void TreeListControl::SetRowFontBold(std::int32_t row, bool bBold) {
    Unavailable<void>("SetRowFontBold", row, bBold);
}

void TreeListControl::SetRowBackColor(std::int32_t row, std::int32_t uvalue) {
    Unavailable<void>("SetRowBackColor", row, uvalue);
}

void TreeListControl::SetRowForeColor(std::int32_t row, std::int32_t iForeColor) {
    Unavailable<void>("SetRowForeColor", row, iForeColor);
}

void TreeListControl::SetRowSelectedBackColor(std::int32_t row, std::int32_t ulColor) {
    Unavailable<void>("SetRowSelectedBackColor", row, ulColor);
}

void TreeListControl::SetRowSelectedForeColor(std::int32_t row, std::int32_t ulColor) {
    Unavailable<void>("SetRowSelectedForeColor", row, ulColor);
}

void TreeListControl::SetRowHeight(std::int32_t height) {
    Unavailable<void>("SetRowHeight", height);
}

void TreeListControl::SetRowShadeStyle(std::int32_t row, bool bShade) {
    Unavailable<void>("SetRowShadeStyle", row, bShade);
}

void TreeListControl::EnableRowSelectHighLight(bool bEnableRowSelectHighLight) {
    Unavailable<void>("EnableRowSelectHighLight", bEnableRowSelectHighLight);
}

void TreeListControl::ShowRowIndicator(bool bshow) { Unavailable<void>("ShowRowIndicator", bshow); }

void TreeListControl::SetLookStyle(std::int32_t iStyle) {
    Unavailable<void>("SetLookStyle", iStyle);
}

void TreeListControl::SetTreeLineStyle(std::int32_t iStyle) {
    Unavailable<void>("SetTreeLineStyle", iStyle);
}

void TreeListControl::MakeEmptySpaceTransparent(bool transparent) {
    Unavailable<void>("MakeEmptySpaceTransparent", transparent);
}

void TreeListControl::SetAlwaysCustomDrawNodeCell() {
    Unavailable<void>("SetAlwaysCustomDrawNodeCell");
}

void TreeListControl::SetAllowMultiSelection(bool bEnable) {
    Unavailable<void>("SetAllowMultiSelection", bEnable);
}

void TreeListControl::SelectNode(std::int32_t row, bool bSelect) {
    Unavailable<void>("SelectNode", row, bSelect);
}

void TreeListControl::SelectOffspring(std::int32_t row) {
    Unavailable<void>("SelectOffspring", row);
}

void TreeListControl::ClearSelection() { Unavailable<void>("ClearSelection"); }

bool TreeListControl::IsSelected(std::int32_t row) { return Unavailable<bool>("IsSelected", row); }

std::int32_t TreeListControl::GetSelectedNodesCount() {
    return Unavailable<std::int32_t>("GetSelectedNodesCount");
}

std::int32_t TreeListControl::GetSelectedNodeId(std::int32_t iSelIdx) {
    return Unavailable<std::int32_t>("GetSelectedNodeId", iSelIdx);
}

void TreeListControl::SetFocusedRow(std::int32_t row) { Unavailable<void>("SetFocusedRow", row); }

std::int32_t TreeListControl::GetFocusedRow() { return Unavailable<std::int32_t>("GetFocusedRow"); }

void TreeListControl::SetFocusedCol(std::int32_t col) { Unavailable<void>("SetFocusedCol", col); }

std::int32_t TreeListControl::GetFocusedCol() { return Unavailable<std::int32_t>("GetFocusedCol"); }

std::int32_t TreeListControl::GetTopVisibleNodeIndex() {
    return Unavailable<std::int32_t>("GetTopVisibleNodeIndex");
}

void TreeListControl::SetTopVisibleNodeIndex(std::int32_t index) {
    Unavailable<void>("SetTopVisibleNodeIndex", index);
}

std::int32_t TreeListControl::GetVisibleNodesCount() {
    return Unavailable<std::int32_t>("GetVisibleNodesCount");
}

std::int32_t TreeListControl::GetNodeVisibleIndex(std::int32_t row) {
    return Unavailable<std::int32_t>("GetNodeVisibleIndex", row);
}

std::int32_t TreeListControl::GetNextVisibleNodeId(std::int32_t nodeId) {
    return Unavailable<std::int32_t>("GetNextVisibleNodeId", nodeId);
}

std::int32_t TreeListControl::GetPreVisibleNodeId(std::int32_t nodeId) {
    return Unavailable<std::int32_t>("GetPreVisibleNodeId", nodeId);
}

std::int32_t TreeListControl::GetRowByPoint(std::int32_t x, std::int32_t y) {
    return Unavailable<std::int32_t>("GetRowByPoint", x, y);
}

std::int32_t TreeListControl::GetColByPoint(std::int32_t x, std::int32_t y) {
    return Unavailable<std::int32_t>("GetColByPoint", x, y);
}

void TreeListControl::SetViewOptions(std::int32_t iOption, bool benabled) {
    Unavailable<void>("SetViewOptions", iOption, benabled);
}

void TreeListControl::EnableColumnCustomizationMenu(bool benable) {
    Unavailable<void>("EnableColumnCustomizationMenu", benable);
}

void TreeListControl::CreateColumnCustomization() {
    Unavailable<void>("CreateColumnCustomization");
}

void TreeListControl::SetColumnCustomMenuName(const ComponentString& strname) {
    Unavailable<void>("SetColumnCustomMenuName", strname);
}

void TreeListControl::SetColumnCustomFormName(const ComponentString& strname) {
    Unavailable<void>("SetColumnCustomFormName", strname);
}

void TreeListControl::SetStylesColumnMenu(bool bStyles) {
    Unavailable<void>("SetStylesColumnMenu", bStyles);
}

void TreeListControl::ShowContextMenuSortItems(bool bShow) {
    Unavailable<void>("ShowContextMenuSortItems", bShow);
}

void TreeListControl::EnableSortAsendingMenu(bool bEnableSortAsend) {
    Unavailable<void>("EnableSortAsendingMenu", bEnableSortAsend);
}

void TreeListControl::EnableSortDesndingMenu(bool bEnableSortDesend) {
    Unavailable<void>("EnableSortDesndingMenu", bEnableSortDesend);
}

void TreeListControl::AddImage(std::int32_t id, std::int32_t handle, std::int32_t type,
                               std::int32_t width, std::int32_t height) {
    Unavailable<void>("AddImage", id, handle, type, width, height);
}

void TreeListControl::SetBackgroundImage(std::int32_t handle) {
    Unavailable<void>("SetBackgroundImage", handle);
}

BoundsRect TreeListControl::GetPictureRect(std::int32_t row) {
    return Unavailable<BoundsRect>("GetPictureRect", row);
}

void TreeListControl::ExportDataToTxt(const ComponentString& strname) {
    Unavailable<void>("ExportDataToTxt", strname);
}
} // namespace ArborkitLib
