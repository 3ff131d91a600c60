// The stand-in's tree-list control: a headless, in-memory tree-list.
//
// It owns a window of the window API for its whole life, keeps its event,
// its visibility, its painting switch and its bounds, and can be disposed.
// The tree itself is kept by small model pieces, each in a file pair of its
// own: the nodes (node_tree), their cells and row styles (row_content), the
// columns (column_set), selection and focus (selection), the control-wide
// look and options (view_settings), the images (image_list), key lookup
// (key_lookup), the layout and hit tests (layout) and the text export
// (text_export). The operations are defined by family, in control_*.cpp;
// the user's side (clicks, expanding, collapsing) is in user_input.cpp.
//
// Every operation goes through Run(), which checks that the control is not
// disposed, journals the call with its arguments and its result or failure,
// and passes the failure on with the operation's name in front of its
// message.
#ifndef ARBORKIT_TREE_LIST_CONTROL_H
#define ARBORKIT_TREE_LIST_CONTROL_H

#include "arborkit/arborkit.h"
#include "column_set.h"
#include "image_list.h"
#include "journal.h"
#include "key_lookup.h"
#include "layout.h"
#include "node_tree.h"
#include "selection.h"
#include "view_settings.h"

#include <memory>
#include <optional>
#include <string>
#include <type_traits>

namespace ArborkitLib {

class TreeListControl final : public ITreeListControl,
                              public IDisposable,
                              public std::enable_shared_from_this<TreeListControl> {
public:
    // Where a new control sits in its parent until it is placed.
    static constexpr BoundsRect kDefaultBounds{0, 0, 400, 300};

    // A new control with a child window of its own, parked below a hidden
    // window of the component, known to StandIn::FindControl and
    // StandIn::RaiseEvent until it is disposed.
    static std::shared_ptr<TreeListControl> Create();

    TreeListControl(const TreeListControl&) = delete;
    TreeListControl& operator=(const TreeListControl&) = delete;
    ~TreeListControl() override;

    void Dispose() override;

    // The control's window, without journaling.
    HWND Window() const noexcept { return window_; }
    // The same, as the number the interface hands out for it.
    IntPtr WindowHandle() const noexcept {
        return IntPtr(reinterpret_cast<std::intptr_t>(window_));
    }

    // Raises the control's TreeEvent as a user's action would.
    void RaiseTreeEvent(TreeEventType type, const std::shared_ptr<EventArgs>& data);

    // The user's side (see StandIn in arborkit.h): what a click, a double
    // click, a context click, expanding or collapsing does, with the events
    // it raises.
    void UserClick(std::int32_t x, std::int32_t y);
    void UserDoubleClick(std::int32_t x, std::int32_t y);
    void UserRightClick(std::int32_t x, std::int32_t y, TreeMouseButton button);
    void UserExpand(std::int32_t node, bool expand);

    // The control's TreeEvent.
    TreeEvent& Events() override;

    // The control as a whole.
    IntPtr Handle() override;
    void ShowControl() override;
    bool IsShown() override;
    // false suspends painting (for instance while the tree is being filled),
    // true resumes it and repaints.
    void Redraw(bool bValue) override;
    bool IsRedrawEnabled() override;
    BoundsRect GetControlRect() override;
    // Places and sizes the control within its parent.
    void SetBounds(const BoundsRect& bounds) override;

    // Nodes, tags and keys.
    std::int32_t AddNode(const ComponentString& ItemText, std::int32_t parentNodeId) override;
    std::int32_t AddNodeEx(const RowInfoRecord& rowInfo, std::int32_t ParentId) override;
    void RemoveNode(std::int32_t row) override;
    void ClearNodes() override;
    std::int32_t GetNodeCount() override;
    std::int32_t GetNodeLevel(std::int32_t row) override;
    std::int32_t GetParentNode(std::int32_t row) override;
    std::int32_t GetNextSiblingNode(std::int32_t row) override;
    std::int32_t GetNodeIndexById(std::int32_t row) override;
    void SetNodeTag(std::int32_t index, const Value& newValue) override;
    Value GetNodeTag(std::int32_t row) override;
    void SetDelimiter(const ComponentString& delimeter) override;
    void SetKeyFieldName(const ComponentString& keyFieldName) override;
    std::int32_t GetNodeIdByKeyValue(const Value& keyValue) override;
    void ExpandTlistAll() override;
    void FullExpandNode(std::int32_t row) override;
    void SetAutoExpand(bool bAutoExpand) override;

    // Columns and headers.
    std::int32_t AddColumn(const ComponentString& name, const ComponentString& fieldname,
                           const ComponentString& caption, bool visible, bool readonly,
                           const Value& lEditType, bool bCanMoved) override;
    void RemoveColumn(std::int32_t col) override;
    void ClearColumns() override;
    std::int32_t GetColumnCount() override;
    void SetColumnCaption(std::int32_t col, const ComponentString& value) override;
    Value GetColumnCaption(std::int32_t col) override;
    void SetColumnWidth(std::int32_t index, std::int32_t width) override;
    std::int32_t GetColumnWidth(std::int32_t col) override;
    void DisableColumnAutoWidth(bool bDisableAutoWidth) override;
    void SetColumnFixedLeft(std::int32_t col, bool bFixedLeft) override;
    void SetColumnTextIndent(std::int32_t col, std::int32_t textIndent) override;
    void SetColumnImageIndent(std::int32_t col, std::int32_t imageIndent) override;
    void SetColumnTextOptionTrimming(std::int32_t col, std::int32_t trimType) override;
    void SetColPicHCenter(std::int32_t col, bool bCenter) override;
    void SetColumnVisibleIndex(std::int32_t col, std::int32_t visibleIndex) override;
    std::int32_t GetColumnVisibleIndex(std::int32_t col) override;
    std::int32_t GetVisibleColumnCount() override;
    std::int32_t GetNextVisibleColumnIndex(std::int32_t col) override;
    std::int32_t GetPreVisibleColumnIndex(std::int32_t col) override;
    void SetColumnTag(std::int32_t col, std::int32_t tag) override;
    std::int32_t GetColumnTag(std::int32_t col) override;
    void EnableColumnSort(std::int32_t col, bool bEnable) override;
    void SetColumnHeaderFontName(std::int32_t col, const ComponentString& name) override;
    void SetColumnHeaderFontSize(std::int32_t col, float size) override;
    void SetColumnHeaderFontGdiCharSet(std::int32_t col, std::uint8_t gdiCharSet) override;
    void SetColumnHeaderPicture(std::int32_t col, std::int32_t id) override;
    void SetColumnHeaderBackColor(std::int32_t col, std::int32_t uvalue) override;
    void SetColumnHeaderForeColor(std::int32_t col, std::int32_t uvalue) override;
    void SetColumnHeaderAlignCenter(std::int32_t col) override;
    void SetColumnHeaderHeight(std::int32_t height) override;
    std::int32_t GetColumnHeaderHeight() override;

    // Cells.
    void SetCellValue(std::int32_t row, std::int32_t col, const Value& value) override;
    Value GetCellValue(std::int32_t row, std::int32_t col) override;
    void SetCellDisplayText(std::int32_t row, std::int32_t col,
                            const ComponentString& name) override;
    void SetCellTag(std::int32_t row, std::int32_t col, std::int32_t tag) override;
    std::int32_t GetCellTag(std::int32_t row, std::int32_t col) override;
    void SetCellFontName(std::int32_t row, std::int32_t col, const ComponentString& name) override;
    void SetCellFontSize(std::int32_t row, std::int32_t col, float size) override;
    void SetFontUnderLine(std::int32_t row, std::int32_t col, bool bUnderline) override;
    void SetCellBackColor(std::int32_t row, std::int32_t col, std::int32_t uvalue) override;
    void SetCellForeColor(std::int32_t row, std::int32_t col, std::int32_t uvalue) override;
    void SetCellPicture(std::int32_t row, std::int32_t col, std::int32_t id) override;
    void SetCellStateImage(std::int32_t row, std::int32_t col, std::int32_t id) override;
    void SetCellAlignCenter(std::int32_t row, std::int32_t col) override;
    BoundsRect GetCellRect(std::int32_t row, std::int32_t col) override;

    // Rows, fonts, colours and look.
    void SetRowFontName(std::int32_t row, const ComponentString& name) override;
    void SetRowFontSize(std::int32_t row, float size) override;
    void SetRowFontGdiCharSet(std::int32_t row, std::uint8_t gdiCharSet) override;
    void SetRowFontBold(std::int32_t row, bool bBold) override;
    void SetRowBackColor(std::int32_t row, std::int32_t uvalue) override;
    void SetRowForeColor(std::int32_t row, std::int32_t iForeColor) override;
    void SetRowSelectedBackColor(std::int32_t row, std::int32_t ulColor) override;
    void SetRowSelectedForeColor(std::int32_t row, std::int32_t ulColor) override;
    void SetRowHeight(std::int32_t height) override;
    void SetRowShadeStyle(std::int32_t row, bool bShade) override;
    void EnableRowSelectHighLight(bool bEnableRowSelectHighLight) override;
    void ShowRowIndicator(bool bshow) override;
    void SetLookStyle(std::int32_t iStyle) override;
    void SetTreeLineStyle(std::int32_t iStyle) override;
    void MakeEmptySpaceTransparent(bool transparent) override;
    void SetAlwaysCustomDrawNodeCell() override;

    // Selection, focus and navigation.
    void SetAllowMultiSelection(bool bEnable) override;
    void SelectNode(std::int32_t row, bool bSelect) override;
    void SelectOffspring(std::int32_t row) override;
    void ClearSelection() override;
    bool IsSelected(std::int32_t row) override;
    std::int32_t GetSelectedNodesCount() override;
    std::int32_t GetSelectedNodeId(std::int32_t iSelIdx) override;
    void SetFocusedRow(std::int32_t row) override;
    std::int32_t GetFocusedRow() override;
    void SetFocusedCol(std::int32_t col) override;
    std::int32_t GetFocusedCol() override;
    std::int32_t GetTopVisibleNodeIndex() override;
    void SetTopVisibleNodeIndex(std::int32_t index) override;
    std::int32_t GetVisibleNodesCount() override;
    std::int32_t GetNodeVisibleIndex(std::int32_t row) override;
    std::int32_t GetNextVisibleNodeId(std::int32_t nodeId) override;
    std::int32_t GetPreVisibleNodeId(std::int32_t nodeId) override;
    std::int32_t GetRowByPoint(std::int32_t x, std::int32_t y) override;
    std::int32_t GetColByPoint(std::int32_t x, std::int32_t y) override;

    // View options, menus, images and export.
    void SetViewOptions(std::int32_t iOption, bool benabled) override;
    void EnableColumnCustomizationMenu(bool benable) override;
    void CreateColumnCustomization() override;
    void SetColumnCustomMenuName(const ComponentString& strname) override;
    void SetColumnCustomFormName(const ComponentString& strname) override;
    void SetStylesColumnMenu(bool bStyles) override;
    void ShowContextMenuSortItems(bool bShow) override;
    void EnableSortAsendingMenu(bool bEnableSortAsend) override;
    void EnableSortDesndingMenu(bool bEnableSortDesend) override;
    void AddImage(std::int32_t id, std::int32_t handle, std::int32_t type, std::int32_t width,
                  std::int32_t height) override;
    void SetBackgroundImage(std::int32_t handle) override;
    BoundsRect GetPictureRect(std::int32_t row) override;
    void ExportDataToTxt(const ComponentString& strname) override;

private:
    TreeListControl() = default;

    void RequireLive() const;
    // Forgets the control's window and destroys it, unless the window's
    // handle is no longer this control's.
    void ReleaseWindow();

    template <class Work> static void Attempt(const char* name, Journal::Line& line, Work&& work) {
        try {
            try {
                work();
            } catch (const ComponentError& error) {
                throw ComponentError(std::string(name) + ": " + error.what());
            }
        } catch (const std::exception& error) {
            line.Failure(error.what());
            line.Write();
            throw;
        } catch (...) {
            line.Failure("unknown failure");
            line.Write();
            throw;
        }
        line.Write();
    }

    // Journals and performs one operation of a live control.
    template <class Result, class Body, class... Args>
    Result Run(const char* name, Body&& body, const Args&... args) {
        Journal::Line line(name);
        (line.Argument(args), ...);
        if constexpr (std::is_void_v<Result>) {
            Attempt(name, line, [&] {
                RequireLive();
                body();
            });
        } else {
            std::optional<Result> result;
            Attempt(name, line, [&] {
                RequireLive();
                result.emplace(body());
                line.Result(*result);
            });
            return std::move(*result);
        }
    }

    // The layout as things stand.
    Layout CurrentLayout() const;
    // The visible index of the top row, kept within the visible nodes.
    std::int32_t TopIndex() const;
    // A cell of a known node and column, made when it is not there yet.
    CellData& CellAt(std::int32_t row, std::int32_t col);
    // Moves the focus to a node (kNoNode: none) and selects it alone (with
    // `keepSelection`, a node already selected keeps the selection as it
    // is); with auto-expand the node is expanded. True when it was.
    bool FocusNode(std::int32_t node, bool keepSelection = false);

    // The user's side: raises one event; false when the control was
    // disposed by a handler, so the action ends there.
    bool RaiseUserEvent(TreeEventType type, std::shared_ptr<EventArgs> data);
    // A user's click on a row: focus and selection; raises their events.
    bool UserFocus(std::int32_t node, std::int32_t column, bool keepSelection);
    // Expanding or collapsing by the user, with its events.
    bool UserToggle(std::int32_t node, bool expand);
    // A click on a column header: sorts by a sortable column, with its event.
    bool UserSort(std::int32_t column);
    // True when a clicked cell's node and column (kNoColumn: none) are still
    // there after the handlers of the click's first events.
    bool CellStillThere(std::int32_t row, std::int32_t column) const;

    HWND window_ = nullptr;
    bool disposed_ = false;
    bool shown_ = false;
    bool redrawEnabled_ = true;
    BoundsRect bounds_ = kDefaultBounds;
    TreeEvent events_;

    NodeTree nodes_;
    ColumnSet columns_;
    Selection selection_;
    ViewSettings view_;
    ImageList images_;
    KeySettings keys_;
    // The visible index wanted at the top; TopIndex() gives the one in use.
    std::int32_t topIndex_ = 0;
    // The column the user sorted by last (kNoColumn: none), and how.
    std::int32_t sortColumn_ = kNoColumn;
    bool sortDescending_ = false;
};

} // namespace ArborkitLib

#endif // ARBORKIT_TREE_LIST_CONTROL_H
