// Arborkit: the tree-list component.
//
// A control is made by TreeComponentFactory::CreateTreeControl() and used
// through ITreeListControl. Each control owns a child window of the window
// API (its Handle), which the caller places in a window of its own with
// SetParent. Until then the window is parked below a hidden window of the
// component, which receives nothing of interest. The control reports user events through its
// TreeEvent (ITreeListControl::Events()), with the control's window handle, the event type and an
// event data object. A control is released by Dispose (through IDisposable), which destroys its
// window and drops the event's handlers; after that every operation fails.
//
// Types that cross this interface are the component's own:
//   * ComponentString: a UTF-16 text that may be absent, and absent is not
//     the same as empty;
//   * IntPtr: a pointer-sized integer (tags, window handles);
//   * Value: a generic value holding nothing, a 32-bit integer, a
//     pointer-sized integer or a string;
//   * BoundsRect, RowInfoRecord, CellInfoRecord and the event data classes.
// Failures of the component are thrown as ComponentError; an operation's
// refusal names the operation first ("GetNodeLevel: no node has the id 9")
// and leaves the control as it was.
//
// This build is the component's stand-in: a headless, in-memory tree-list
// whose behaviour is described in the source tree's
// platform/arborkit/README.md (ids, the layout and its coordinates,
// selection and focus, key lookup, sorting, the text export format, the
// numbers of styles and options, and which events the user's actions
// raise). The part of it meant for tests and demonstrations:
//   * StandIn::RaiseEvent and StandIn::FindControl (end of this header);
//   * the user's side: StandIn::Click, DoubleClick, RightClick, Expand and
//     Collapse act on a control as the user would and raise its events;
//   * the journal. When the environment variable ARBORKIT_STANDIN_JOURNAL
//     names a file (it is read at every operation), each ITreeListControl
//     operation, each control creation ("CreateTreeControl"), each
//     TreeEvent.Add and TreeEvent.Remove and each Dispose appends one line
//     to that file, written through at once. A line is the operation's name,
//     then each argument after a TAB, then for an operation with a result a
//     TAB and "=> " followed by the result; an operation that fails ends
//     instead with a TAB and "!> " followed by its error message as a quoted
//     string. Values are written as:
//       integers and bytes    decimal
//       booleans              true, false
//       single precision      the shortest text that reads back the same: 9, 10.5
//       strings               "in double quotes", UTF-8, with \\ \" \t \n \r \0
//                             escaped (an unpaired surrogate becomes U+FFFD)
//       the absent string     null
//       generic values        int32:N, intptr:N, a quoted string, or null
//       BoundsRect            x,y,width,height
//       a row record          {"font",size,tag,[{"value",fore,back,picture,"text"},...]}
//       CreateTreeControl's result is the new control's window handle.
//     Events() itself and TreeEvent.Raise write no line. A journal that
//     cannot be written makes the operation fail with a ComponentError after
//     the operation itself has taken effect.
#ifndef ARBORKIT_ARBORKIT_H
#define ARBORKIT_ARBORKIT_H

#include "winapi/windows_api.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#if defined(_WIN32)
#if defined(ARBORKIT_BUILDING)
#define ARBORKIT_API __declspec(dllexport)
#else
#define ARBORKIT_API __declspec(dllimport)
#endif
#else
#define ARBORKIT_API __attribute__((visibility("default")))
#endif

namespace ArborkitLib {

// ---------------------------------------------------------------------------
// Values
// ---------------------------------------------------------------------------

// Every failure the component reports.
class ARBORKIT_API ComponentError : public std::runtime_error {
public:
    explicit ComponentError(const std::string& message);
    ~ComponentError() override;
};

// A UTF-16 text that may be absent. Absent and empty are different values.
class ComponentString {
public:
    ComponentString() = default; // absent
    explicit ComponentString(std::u16string text) : text_(std::move(text)) {}

    static ComponentString Absent() { return ComponentString(); }

    bool IsAbsent() const noexcept { return !text_.has_value(); }
    // Number of UTF-16 units; 0 when absent.
    std::size_t Length() const noexcept { return text_ ? text_->size() : 0; }
    // The units, NUL-terminated; null when absent. Valid while this object
    // lives unchanged.
    const char16_t* Data() const noexcept { return text_ ? text_->c_str() : nullptr; }
    // The text; a ComponentError when absent.
    const std::u16string& Text() const {
        if (!text_) throw ComponentError("the string is absent");
        return *text_;
    }

    friend bool operator==(const ComponentString&, const ComponentString&) = default;

private:
    std::optional<std::u16string> text_;
};

// A pointer-sized integer: a tag or a window handle.
struct IntPtr {
    std::intptr_t value = 0;

    constexpr IntPtr() = default;
    constexpr explicit IntPtr(std::intptr_t v) : value(v) {}
    friend constexpr bool operator==(IntPtr, IntPtr) = default;
};

// A generic value: nothing, a 32-bit integer, a pointer-sized integer or a
// string. A value made from an absent string holds nothing.
class Value {
public:
    enum class Kind { Nothing, Int32, IntPtr, String };

    Value() = default; // nothing
    static Value FromInt32(std::int32_t v) { return Value(Kind::Int32, v, {}); }
    static Value FromIntPtr(ArborkitLib::IntPtr v) { return Value(Kind::IntPtr, v.value, {}); }
    static Value FromString(ComponentString s) {
        if (s.IsAbsent()) return Value();
        return Value(Kind::String, 0, std::move(s));
    }

    Kind GetKind() const noexcept { return kind_; }
    bool IsNothing() const noexcept { return kind_ == Kind::Nothing; }

    // The held value; a ComponentError when the value is of another kind.
    std::int32_t AsInt32() const {
        Require(Kind::Int32);
        return static_cast<std::int32_t>(number_);
    }
    ArborkitLib::IntPtr AsIntPtr() const {
        Require(Kind::IntPtr);
        return ArborkitLib::IntPtr(number_);
    }
    const ComponentString& AsString() const {
        Require(Kind::String);
        return string_;
    }

    friend bool operator==(const Value&, const Value&) = default;

private:
    Value(Kind kind, std::intptr_t number, ComponentString s)
        : kind_(kind), number_(number), string_(std::move(s)) {}
    ARBORKIT_API void Require(Kind wanted) const;

    Kind kind_ = Kind::Nothing;
    std::intptr_t number_ = 0;
    ComponentString string_;
};

// A rectangle by origin and size.
struct BoundsRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const BoundsRect&, const BoundsRect&) = default;
};

// One cell of a row handed over whole.
struct CellInfoRecord {
    ComponentString value;
    std::int32_t foreColor = 0;
    std::int32_t backColor = 0;
    std::int32_t picture = 0;
    ComponentString displayText;
    friend bool operator==(const CellInfoRecord&, const CellInfoRecord&) = default;
};

// A whole row: font, cells and the node's tag.
struct RowInfoRecord {
    ComponentString fontName;
    float fontSize = 0.0F;
    std::vector<CellInfoRecord> cells;
    IntPtr nodeTag;
    friend bool operator==(const RowInfoRecord&, const RowInfoRecord&) = default;
};

// ---------------------------------------------------------------------------
// Events
// ---------------------------------------------------------------------------

// The kinds of event a control raises. The type is 32 bits wide and a
// control may raise any value of it, named or not.
enum class TreeEventType : std::int32_t {
    CellA = 0,
    CellRightClick = 1,
    ExpandCollapseA = 2,
    ExpandCollapseB = 3,
    CellB = 4,
    MouseA = 5,
    NotifyA = 6,
    CellLeftDoubleClick = 7,
    MouseB = 8,
    NotifyB = 15,
    CellC = 16,
    CellD = 17,
    CellE = 18,
    CellG = 19,
    CellF = 20,
    NotifyC = 21,
};

// Mouse buttons as event data reports them. Other values may occur.
enum class TreeMouseButton : std::int32_t { None = 0, Left = 1, Right = 2, Middle = 3 };

// Base of every event data class.
class ARBORKIT_API EventArgs {
public:
    EventArgs() = default;
    EventArgs(const EventArgs&) = default;
    EventArgs& operator=(const EventArgs&) = default;
    virtual ~EventArgs();
};

class ARBORKIT_API MousePositionArgs : public EventArgs {
public:
    MousePositionArgs() = default;
    MousePositionArgs(std::int32_t x_, std::int32_t y_) : x(x_), y(y_) {}
    ~MousePositionArgs() override;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

class ARBORKIT_API MouseButtonArgs : public MousePositionArgs {
public:
    MouseButtonArgs() = default;
    MouseButtonArgs(std::int32_t x_, std::int32_t y_, TreeMouseButton button_)
        : MousePositionArgs(x_, y_), button(button_) {}
    ~MouseButtonArgs() override;
    TreeMouseButton button = TreeMouseButton::None;
};

class ARBORKIT_API CellRightClickArgs : public MouseButtonArgs {
public:
    CellRightClickArgs() = default;
    CellRightClickArgs(std::int32_t x_, std::int32_t y_, TreeMouseButton button_,
                       std::int32_t nodeId_, std::int32_t columnIndex_)
        : MouseButtonArgs(x_, y_, button_), nodeId(nodeId_), columnIndex(columnIndex_) {}
    ~CellRightClickArgs() override;
    std::int32_t nodeId = 0;
    std::int32_t columnIndex = 0;
};

class ARBORKIT_API CellLeftDoubleClickArgs : public MousePositionArgs {
public:
    CellLeftDoubleClickArgs() = default;
    CellLeftDoubleClickArgs(std::int32_t x_, std::int32_t y_, std::int32_t nodeId_,
                            std::int32_t columnIndex_)
        : MousePositionArgs(x_, y_), nodeId(nodeId_), columnIndex(columnIndex_) {}
    ~CellLeftDoubleClickArgs() override;
    std::int32_t nodeId = 0;
    std::int32_t columnIndex = 0;
};

class ARBORKIT_API CellPositionArgs : public EventArgs {
public:
    CellPositionArgs() = default;
    CellPositionArgs(std::int32_t row_, std::int32_t column_) : row(row_), column(column_) {}
    ~CellPositionArgs() override;
    std::int32_t row = 0;
    std::int32_t column = 0;
};

class ARBORKIT_API ExpandCollapseArgs : public EventArgs {
public:
    ExpandCollapseArgs() = default;
    explicit ExpandCollapseArgs(std::int32_t nodeId_) : nodeId(nodeId_) {}
    ~ExpandCollapseArgs() override;
    std::int32_t nodeId = 0;
};

// A subscriber: a target object and a method called on it. The handler
// keeps its target alive. Two handlers are the same when both their target
// and their method are the same.
class ARBORKIT_API TreeEventHandler {
public:
    using Method = void (*)(void* target, IntPtr handle, TreeEventType type,
                            const std::shared_ptr<EventArgs>& data);

    TreeEventHandler(std::shared_ptr<void> target, Method method);

    void operator()(IntPtr handle, TreeEventType type,
                    const std::shared_ptr<EventArgs>& data) const;
    bool SameAs(const TreeEventHandler& other) const noexcept;

private:
    std::shared_ptr<void> target_;
    Method method_;
};

// The event of a control. Handlers run in the order they were added; one
// handler may be added more than once. Raising calls the handlers that are
// subscribed when it starts and are still subscribed when their turn comes,
// so a handler removed by an earlier one is not called. A handler's failure
// ends the raise and goes to the code that raised the event.
class ARBORKIT_API TreeEvent {
public:
    TreeEvent() = default;
    TreeEvent(const TreeEvent&) = delete;
    TreeEvent& operator=(const TreeEvent&) = delete;

    void Add(TreeEventHandler handler);
    // Removes the last added handler that is the same as `handler`; does
    // nothing when there is none.
    void Remove(const TreeEventHandler& handler);
    void Raise(IntPtr handle, TreeEventType type, const std::shared_ptr<EventArgs>& data);
    std::size_t Count() const noexcept { return handlers_.size(); }
    // Drops every handler (without journal lines): what disposal does.
    void Clear() noexcept { handlers_.clear(); }

private:
    bool IsSubscribed(const TreeEventHandler& handler) const noexcept;
    std::vector<TreeEventHandler> handlers_;
};

// ---------------------------------------------------------------------------
// The control
// ---------------------------------------------------------------------------

// Something that holds resources until it is disposed.
class ARBORKIT_API IDisposable {
public:
    virtual ~IDisposable();
    // Releases the resources. A second call does nothing.
    virtual void Dispose() = 0;
};

// The tree-list control. Node ids, column indexes, colours, styles and
// option numbers are 32-bit integers; texts are ComponentStrings.
class ARBORKIT_API ITreeListControl {
public:
    virtual ~ITreeListControl();

    // The control's TreeEvent.
    virtual TreeEvent& Events() = 0;

    // The control as a whole.
    virtual IntPtr Handle() = 0;
    virtual void ShowControl() = 0;
    virtual bool IsShown() = 0;
    // false suspends painting (for instance while the tree is being filled),
    // true resumes it and repaints.
    virtual void Redraw(bool bValue) = 0;
    virtual bool IsRedrawEnabled() = 0;
    virtual BoundsRect GetControlRect() = 0;
    // Places and sizes the control within its parent.
    virtual void SetBounds(const BoundsRect& bounds) = 0;

    // Nodes, tags and keys.
    virtual std::int32_t AddNode(const ComponentString& ItemText, std::int32_t parentNodeId) = 0;
    virtual std::int32_t AddNodeEx(const RowInfoRecord& rowInfo, std::int32_t ParentId) = 0;
    virtual void RemoveNode(std::int32_t row) = 0;
    virtual void ClearNodes() = 0;
    virtual std::int32_t GetNodeCount() = 0;
    virtual std::int32_t GetNodeLevel(std::int32_t row) = 0;
    virtual std::int32_t GetParentNode(std::int32_t row) = 0;
    virtual std::int32_t GetNextSiblingNode(std::int32_t row) = 0;
    virtual std::int32_t GetNodeIndexById(std::int32_t row) = 0;
    virtual void SetNodeTag(std::int32_t index, const Value& newValue) = 0;
    virtual Value GetNodeTag(std::int32_t row) = 0;
    virtual void SetDelimiter(const ComponentString& delimeter) = 0;
    virtual void SetKeyFieldName(const ComponentString& keyFieldName) = 0;
    virtual std::int32_t GetNodeIdByKeyValue(const Value& keyValue) = 0;
    virtual void ExpandTlistAll() = 0;
    virtual void FullExpandNode(std::int32_t row) = 0;
    virtual void SetAutoExpand(bool bAutoExpand) = 0;

    // Columns and headers.
    virtual std::int32_t AddColumn(const ComponentString& name, const ComponentString& fieldname,
                                   const ComponentString& caption, bool visible, bool readonly,
                                   const Value& lEditType, bool bCanMoved) = 0;
    virtual void RemoveColumn(std::int32_t col) = 0;
    virtual void ClearColumns() = 0;
    virtual std::int32_t GetColumnCount() = 0;
    virtual void SetColumnCaption(std::int32_t col, const ComponentString& value) = 0;
    virtual Value GetColumnCaption(std::int32_t col) = 0;
    virtual void SetColumnWidth(std::int32_t index, std::int32_t width) = 0;
    virtual std::int32_t GetColumnWidth(std::int32_t col) = 0;
    virtual void DisableColumnAutoWidth(bool bDisableAutoWidth) = 0;
    virtual void SetColumnFixedLeft(std::int32_t col, bool bFixedLeft) = 0;
    virtual void SetColumnTextIndent(std::int32_t col, std::int32_t textIndent) = 0;
    virtual void SetColumnImageIndent(std::int32_t col, std::int32_t imageIndent) = 0;
    virtual void SetColumnTextOptionTrimming(std::int32_t col, std::int32_t trimType) = 0;
    virtual void SetColPicHCenter(std::int32_t col, bool bCenter) = 0;
    virtual void SetColumnVisibleIndex(std::int32_t col, std::int32_t visibleIndex) = 0;
    virtual std::int32_t GetColumnVisibleIndex(std::int32_t col) = 0;
    virtual std::int32_t GetVisibleColumnCount() = 0;
    virtual std::int32_t GetNextVisibleColumnIndex(std::int32_t col) = 0;
    virtual std::int32_t GetPreVisibleColumnIndex(std::int32_t col) = 0;
    virtual void SetColumnTag(std::int32_t col, std::int32_t tag) = 0;
    virtual std::int32_t GetColumnTag(std::int32_t col) = 0;
    virtual void EnableColumnSort(std::int32_t col, bool bEnable) = 0;
    virtual void SetColumnHeaderFontName(std::int32_t col, const ComponentString& name) = 0;
    virtual void SetColumnHeaderFontSize(std::int32_t col, float size) = 0;
    virtual void SetColumnHeaderFontGdiCharSet(std::int32_t col, std::uint8_t gdiCharSet) = 0;
    virtual void SetColumnHeaderPicture(std::int32_t col, std::int32_t id) = 0;
    virtual void SetColumnHeaderBackColor(std::int32_t col, std::int32_t uvalue) = 0;
    virtual void SetColumnHeaderForeColor(std::int32_t col, std::int32_t uvalue) = 0;
    virtual void SetColumnHeaderAlignCenter(std::int32_t col) = 0;
    virtual void SetColumnHeaderHeight(std::int32_t height) = 0;
    virtual std::int32_t GetColumnHeaderHeight() = 0;

    // Cells.
    virtual void SetCellValue(std::int32_t row, std::int32_t col, const Value& value) = 0;
    virtual Value GetCellValue(std::int32_t row, std::int32_t col) = 0;
    virtual void SetCellDisplayText(std::int32_t row, std::int32_t col,
                                    const ComponentString& name) = 0;
    virtual void SetCellTag(std::int32_t row, std::int32_t col, std::int32_t tag) = 0;
    virtual std::int32_t GetCellTag(std::int32_t row, std::int32_t col) = 0;
    virtual void SetCellFontName(std::int32_t row, std::int32_t col,
                                 const ComponentString& name) = 0;
    virtual void SetCellFontSize(std::int32_t row, std::int32_t col, float size) = 0;
    virtual void SetFontUnderLine(std::int32_t row, std::int32_t col, bool bUnderline) = 0;
    virtual void SetCellBackColor(std::int32_t row, std::int32_t col, std::int32_t uvalue) = 0;
    virtual void SetCellForeColor(std::int32_t row, std::int32_t col, std::int32_t uvalue) = 0;
    virtual void SetCellPicture(std::int32_t row, std::int32_t col, std::int32_t id) = 0;
    virtual void SetCellStateImage(std::int32_t row, std::int32_t col, std::int32_t id) = 0;
    virtual void SetCellAlignCenter(std::int32_t row, std::int32_t col) = 0;
    virtual BoundsRect GetCellRect(std::int32_t row, std::int32_t col) = 0;

    // Rows, fonts, colours and look.
    virtual void SetRowFontName(std::int32_t row, const ComponentString& name) = 0;
    virtual void SetRowFontSize(std::int32_t row, float size) = 0;
    virtual void SetRowFontGdiCharSet(std::int32_t row, std::uint8_t gdiCharSet) = 0;
    virtual void SetRowFontBold(std::int32_t row, bool bBold) = 0;
    virtual void SetRowBackColor(std::int32_t row, std::int32_t uvalue) = 0;
    virtual void SetRowForeColor(std::int32_t row, std::int32_t iForeColor) = 0;
    virtual void SetRowSelectedBackColor(std::int32_t row, std::int32_t ulColor) = 0;
    virtual void SetRowSelectedForeColor(std::int32_t row, std::int32_t ulColor) = 0;
    virtual void SetRowHeight(std::int32_t height) = 0;
    virtual void SetRowShadeStyle(std::int32_t row, bool bShade) = 0;
    virtual void EnableRowSelectHighLight(bool bEnableRowSelectHighLight) = 0;
    virtual void ShowRowIndicator(bool bshow) = 0;
    virtual void SetLookStyle(std::int32_t iStyle) = 0;
    virtual void SetTreeLineStyle(std::int32_t iStyle) = 0;
    virtual void MakeEmptySpaceTransparent(bool transparent) = 0;
    virtual void SetAlwaysCustomDrawNodeCell() = 0;

    // Selection, focus and navigation.
    virtual void SetAllowMultiSelection(bool bEnable) = 0;
    virtual void SelectNode(std::int32_t row, bool bSelect) = 0;
    virtual void SelectOffspring(std::int32_t row) = 0;
    virtual void ClearSelection() = 0;
    virtual bool IsSelected(std::int32_t row) = 0;
    virtual std::int32_t GetSelectedNodesCount() = 0;
    virtual std::int32_t GetSelectedNodeId(std::int32_t iSelIdx) = 0;
    virtual void SetFocusedRow(std::int32_t row) = 0;
    virtual std::int32_t GetFocusedRow() = 0;
    virtual void SetFocusedCol(std::int32_t col) = 0;
    virtual std::int32_t GetFocusedCol() = 0;
    virtual std::int32_t GetTopVisibleNodeIndex() = 0;
    virtual void SetTopVisibleNodeIndex(std::int32_t index) = 0;
    virtual std::int32_t GetVisibleNodesCount() = 0;
    virtual std::int32_t GetNodeVisibleIndex(std::int32_t row) = 0;
    virtual std::int32_t GetNextVisibleNodeId(std::int32_t nodeId) = 0;
    virtual std::int32_t GetPreVisibleNodeId(std::int32_t nodeId) = 0;
    virtual std::int32_t GetRowByPoint(std::int32_t x, std::int32_t y) = 0;
    virtual std::int32_t GetColByPoint(std::int32_t x, std::int32_t y) = 0;

    // View options, menus, images and export.
    virtual void SetViewOptions(std::int32_t iOption, bool benabled) = 0;
    virtual void EnableColumnCustomizationMenu(bool benable) = 0;
    virtual void CreateColumnCustomization() = 0;
    virtual void SetColumnCustomMenuName(const ComponentString& strname) = 0;
    virtual void SetColumnCustomFormName(const ComponentString& strname) = 0;
    virtual void SetStylesColumnMenu(bool bStyles) = 0;
    virtual void ShowContextMenuSortItems(bool bShow) = 0;
    virtual void EnableSortAsendingMenu(bool bEnableSortAsend) = 0;
    virtual void EnableSortDesndingMenu(bool bEnableSortDesend) = 0;
    virtual void AddImage(std::int32_t id, std::int32_t handle, std::int32_t type,
                          std::int32_t width, std::int32_t height) = 0;
    virtual void SetBackgroundImage(std::int32_t handle) = 0;
    virtual BoundsRect GetPictureRect(std::int32_t row) = 0;
    virtual void ExportDataToTxt(const ComponentString& strname) = 0;
};

class ARBORKIT_API TreeComponentFactory {
public:
    // A new control, independent of every other, with a window of its own
    // that is still parked. The control also supports IDisposable.
    static std::shared_ptr<ITreeListControl> CreateTreeControl();
};

// ---------------------------------------------------------------------------
// Test seams of the stand-in
// ---------------------------------------------------------------------------
namespace StandIn {

// Raises the TreeEvent of the live control whose window is `control`, with
// that handle, the event type and the data object (which may be null or of
// any class), as the control does for a user's action. A handler's failure
// comes back out of this call. A ComponentError when no live (undisposed)
// control has that window.
ARBORKIT_API void RaiseEvent(HWND control, int eventType, std::shared_ptr<EventArgs> data);

// The live control whose window is `control`, or null when there is none.
ARBORKIT_API std::shared_ptr<ITreeListControl> FindControl(HWND control);

// The user's side. Each acts on the live control whose window is `control`
// as the user's action would, and raises the control's events on the way,
// through the same path as RaiseEvent. Points are client coordinates of the
// control, the space of GetCellRect and GetRowByPoint. A handler's failure
// comes back out of the call and ends the action; a handler may also
// dispose the control, which ends it quietly. A ComponentError when no live
// control has the window. The events, in order (types as TreeEventType):
//
// Click(x, y), a left click:
//   MouseA (5) with the point; then
//   * on a node's expand button: the node is expanded or collapsed, with
//     ExpandCollapseA (2) or ExpandCollapseB (3) as for Expand and Collapse;
//   * on the header of a column whose sorting is enabled: the nodes are
//     sorted by that column (ascending; a second click on the same header
//     turns the order round), then NotifyB (15);
//   * on a row: the node takes the focus (with the clicked column, if any)
//     and becomes the one selected node: CellB (4) when the focused node or
//     column changed, NotifyA (6) when the selection changed, and, with
//     auto-expand, ExpandCollapseA (2) when the node opened; then CellA (0)
//     with the node and column when the point is on a cell;
//   MouseB (8) with the point.
// DoubleClick(x, y): a Click; then, when the point is on a cell (not on an
//   expand button), CellLeftDoubleClick (7) with the point, node and
//   column, and a node with children is expanded or collapsed (2 or 3).
// RightClick(x, y, button): MouseA (5); on a row, the focus moves as for a
//   click, except that a node that is already selected keeps the selection
//   as it is; on a cell, CellRightClick (1) with the point, `button` as
//   given (any value) and the node and column; MouseB (8).
// Expand(nodeId) and Collapse(nodeId), as the keyboard does: a node with
//   children that changes state raises ExpandCollapseA (2) on expanding,
//   ExpandCollapseB (3) on collapsing; when collapsing hides the focused
//   node, the focus moves to the collapsed node and CellB (4) follows. A
//   node that cannot change raises nothing. A ComponentError for an unknown
//   node or one below a collapsed node.
// Operations called through ITreeListControl raise no events.
ARBORKIT_API void Click(HWND control, int x, int y);
ARBORKIT_API void DoubleClick(HWND control, int x, int y);
ARBORKIT_API void RightClick(HWND control, int x, int y,
                             TreeMouseButton button = TreeMouseButton::Right);
ARBORKIT_API void Expand(HWND control, int nodeId);
ARBORKIT_API void Collapse(HWND control, int nodeId);

} // namespace StandIn

} // namespace ArborkitLib

#endif // ARBORKIT_ARBORKIT_H
