// Nodrix: a native facade over the tree-list control of the Arborkit
// component.
//
// A program constructs an NDXxXtraTreeList, which creates one control, puts
// the control's window (Handle()) into a window of its own with SetParent,
// fills and styles the tree through the facade's methods, and receives the
// control's user events as the window messages TLM_CELL_A ... TLM_NOTIFY_C
// (2024 to 2039) in whatever window is the control's parent at that moment.
//
// Conventions of this interface:
//   * long and unsigned long are 32 bits on every platform (spelled LONG and
//     ULONG here);
//   * texts are NUL-terminated const wchar_t*, read only during the call; a
//     null text means "no text" and differs from the empty text;
//   * text results are std::wstring values that belong to the caller;
//   * rectangles are RECT edges;
//   * methods forward to the control and return its result unchanged; they
//     check no arguments and catch nothing, so whatever the control reports
//     (an unknown node or column, for instance) arrives as an exception.
//
// Threading: a facade, its copies and its control belong to the thread that
// constructed it, which runs the message loop of the window hosting the
// control. Events arrive on that thread while it dispatches messages, and
// the receiving window may call the facade, or destroy it, while it handles
// one.
#ifndef NODRIX_NODRIX_H
#define NODRIX_NODRIX_H

#include "winapi/windows_api.h"

#include <cstdint>
#include <string>

#if defined(_WIN32)
#if defined(NODRIX_BUILDING)
#define NODRIX_API __declspec(dllexport)
#else
#define NODRIX_API __declspec(dllimport)
#endif
#else
#define NODRIX_API __attribute__((visibility("default")))
#endif

namespace ArborkitLib {
class CellRightClickArgs;
class CellLeftDoubleClickArgs;
} // namespace ArborkitLib

// One cell of a row given to AddNodeEx.
struct _Cell_Info {
    const wchar_t* pszValue;       // the cell's value; may be null
    std::int32_t lForeColor;       // fore colour, passed on unchanged
    std::int32_t lBackColor;       // back colour, passed on unchanged
    std::int32_t nPicture;         // picture index, passed on unchanged
    const wchar_t* pszDisplayText; // the text shown for the cell; may be null
};

// A whole row given to AddNodeEx. It stays the caller's and is read only
// during the call.
struct _Row_Info {
    const wchar_t* pszFontName; // font of the row; may be null
    float fFontSize;            // font size of the row
    std::int32_t nCellCount;    // number of records at pCellInfo
    _Cell_Info* pCellInfo;      // the row's cells; not read when nCellCount is 0
    std::int64_t llNodeTag;     // the node's tag: a value or an address of the caller's
};

// The control's user events, as messages to its parent window. Each message
// has wParam = the control's window handle and lParam = the address of a
// payload structure, or 0 for the notifications. The payload lives only
// while the message is being sent: copy what you need before returning.
namespace NDXxXtraTreeListEvent {

struct _CellPosition {
    std::int32_t row;
    std::int32_t col;
};

struct _CellRightClickData {
    std::int32_t x;
    std::int32_t y;
    std::int32_t button; // 1, 2 or 3; 0 for any other button
    std::int32_t nodeId;
    std::int32_t col;
};

struct _ExpandCollapseData {
    std::int32_t nodeId;
};

struct _MousePositionData {
    std::int32_t x;
    std::int32_t y;
};

struct _CellLeftDoubleClickData {
    std::int32_t x;
    std::int32_t y;
    std::int32_t nodeId;
    std::int32_t col;
};

// Message ids (WM_USER + 1000 onwards) and their payloads.
inline constexpr UINT TLM_CELL_A = 2024;                 // _CellPosition
inline constexpr UINT TLM_CELL_RIGHT_CLICK = 2025;       // _CellRightClickData
inline constexpr UINT TLM_EXPAND_COLLAPSE_A = 2026;      // _ExpandCollapseData
inline constexpr UINT TLM_EXPAND_COLLAPSE_B = 2027;      // _ExpandCollapseData
inline constexpr UINT TLM_CELL_B = 2028;                 // _CellPosition
inline constexpr UINT TLM_MOUSE_A = 2029;                // _MousePositionData
inline constexpr UINT TLM_NOTIFY_A = 2030;               // no payload
inline constexpr UINT TLM_CELL_LEFT_DOUBLE_CLICK = 2031; // _CellLeftDoubleClickData
inline constexpr UINT TLM_MOUSE_B = 2032;                // _MousePositionData
inline constexpr UINT TLM_NOTIFY_B = 2033;               // no payload
inline constexpr UINT TLM_CELL_C = 2034;                 // _CellPosition
inline constexpr UINT TLM_CELL_D = 2035;                 // _CellPosition
inline constexpr UINT TLM_CELL_E = 2036;                 // _CellPosition
inline constexpr UINT TLM_CELL_F = 2037;                 // _CellPosition
inline constexpr UINT TLM_CELL_G = 2038;                 // _CellPosition
inline constexpr UINT TLM_NOTIFY_C = 2039;               // no payload

// Fill a payload from the control's event data.
NODRIX_API void Marshal(const ArborkitLib::CellRightClickArgs& source, _CellRightClickData& target);
NODRIX_API void Marshal(const ArborkitLib::CellLeftDoubleClickArgs& source,
                        _CellLeftDoubleClickData& target);

} // namespace NDXxXtraTreeListEvent

struct NDXxXtraTreeListControl;

// The tree-list facade. Copies share one control: it lives until the last
// facade that refers to it is destroyed or assigned another control.
class NODRIX_API NDXxXtraTreeList {
public:
    // How the cells of a column are edited; the values are the control's.
    enum DCtrlEditType : std::int32_t {};

    // Creates a new control. A failure of the control comes out as an
    // exception, and nothing is left allocated.
    NDXxXtraTreeList();
    NDXxXtraTreeList(const NDXxXtraTreeList& other);
    NDXxXtraTreeList& operator=(const NDXxXtraTreeList& other);
    virtual ~NDXxXtraTreeList();

    // The control as a whole. The facade never parents, places or sizes the
    // control's window; the caller does, with the handle.
    HWND Handle();
    void ShowControl();
    void Redraw(bool bValue);
    RECT GetControlRect();

    // Nodes, tags and keys.
    int AddNode(const wchar_t* ItemText, int parentNodeId);
    int AddNodeEx(_Row_Info* rowInfo, LONG ParentId);
    void RemoveNode(LONG row);
    void ClearNodes();
    int GetNodeCount();
    int GetNodeLevel(LONG row);
    int GetParentNode(LONG row);
    int GetNextSiblingNode(LONG row);
    int GetNodeIndexById(LONG row);
    void SetNodeTag(LONG index, std::int64_t newValue);
    void SetNodeTagPtr(LONG index, std::int64_t newValue);
    std::int64_t GetNodeTag(LONG row);
    void SetDelimiter(const wchar_t* delimeter);
    void SetKeyFieldName(const wchar_t* keyFieldName);
    int GetNodeIdByKeyValue(const wchar_t* keyValue);
    void ExpandTlistAll();
    void FullExpandNode(LONG row);
    void SetAutoExpand(bool bAutoExpand);

    // Columns and headers.
    int AddColumn(const wchar_t* name, const wchar_t* fieldname, const wchar_t* caption,
                  bool visible, bool readonly, DCtrlEditType lEditType, bool bCanMoved);
    void RemoveColumn(LONG col);
    void ClearColumns();
    int GetColumnCount();
    void SetColumnCaption(LONG col, const wchar_t* value);
    std::wstring GetColumnCaption(LONG col);
    void SetColumnWidth(LONG index, LONG width);
    int GetColumnWidth(LONG col);
    void DisableColumnAutoWidth(bool bDisableAutoWidth);
    void SetColumnFixedLeft(int col, bool bFixedLeft);
    void SetColumnTextIndent(int col, int textIndent);
    void SetColumnImageIndent(int col, int imageIndent);
    void SetColumnTextOptionTrimming(int col, int trimType);
    void SetColPicHCenter(int col, bool bCenter);
    void SetColumnVisibleIndex(LONG col, LONG visibleIndex);
    int GetColumnVisibleIndex(LONG col);
    int GetVisibleColumnCount();
    int GetNextVisibleColumnIndex(LONG col);
    int GetPreVisibleColumnIndex(LONG col);
    void SetColumnTag(LONG col, int tag);
    int GetColumnTag(LONG col);
    void EnableColumnSort(LONG col, bool bEnable);
    void SetColumnHeaderFontName(LONG col, const wchar_t* name);
    void SetColumnHeaderFontSize(LONG col, float size);
    void SetColumnHeaderFontGdiCharSet(LONG col, unsigned char gdiCharSet);
    void SetColumnHeaderPicture(LONG col, unsigned int id);
    void SetColumnHeaderBackColor(LONG col, ULONG uvalue);
    void SetColumnHeaderForeColor(LONG col, ULONG uvalue);
    void SetColumnHeaderAlignCenter(LONG col);
    void SetColumnHeaderHeight(int height);
    LONG GetColumnHeaderHeight();
    RECT GetColumnHeaderRect(LONG col);

    // Cells.
    void SetCellValue(LONG row, LONG col, const wchar_t* value);
    std::wstring GetCellValue(LONG row, LONG col);
    void SetCellDisplayText(LONG row, LONG col, const wchar_t* name);
    void SetCellTag(LONG row, LONG col, int tag);
    int GetCellTag(LONG row, LONG col);
    void SetCellFontName(LONG row, LONG col, const wchar_t* name);
    void SetCellFontSize(LONG row, LONG col, float size);
    void SetFontUnderLine(int row, int col, bool bUnderline);
    void SetCellBackColor(LONG row, LONG col, ULONG uvalue);
    void SetCellForeColor(LONG row, LONG col, ULONG uvalue);
    void SetCellPicture(LONG row, LONG col, unsigned int id);
    void SetCellStateImage(LONG row, LONG col, unsigned int id);
    void SetCellAlignCenter(LONG row, LONG col);
    RECT GetCellRect(LONG row, LONG col);

    // Rows, fonts, colours and look.
    void SetRowFontName(LONG row, const wchar_t* name);
    void SetRowFontSize(LONG row, float size);
    void SetRowFontGdiCharSet(LONG row, unsigned char gdiCharSet);
    void SetRowFontBold(int row, bool bBold);
    void SetRowBackColor(LONG row, ULONG uvalue);
    void SetRowForeColor(int row, int iForeColor);
    void SetRowSelectedBackColor(LONG row, ULONG ulColor);
    void SetRowSelectedForeColor(LONG row, ULONG ulColor);
    void SetRowHeight(int height);
    void SetRowShadeStyle(int row, bool bShade);
    void EnableRowSelectHighLight(bool bEnableRowSelectHighLight);
    void ShowRowIndicator(bool bshow);
    void SetLookStyle(int iStyle);
    void SetTreeLineStyle(int iStyle);
    void MakeEmptySpaceTransparent(bool transparent);
    void SetAlwaysCustomDrawNodeCell();

    // Selection, focus and navigation.
    void SetAllowMultiSelection(bool bEnable);
    void SelectNode(LONG row, bool bSelect);
    void SelectOffspring(LONG row);
    void ClearSelection();
    bool IsSelected(LONG row);
    int GetSelectedNodesCount();
    int GetSelectedNodeId(int iSelIdx);
    void SetSelected(LONG row);
    void SetFocusedRow(LONG row);
    int GetFocusedRow();
    void SetFocusedCol(LONG col);
    int GetFocusedCol();
    int GetTopVisibleNodeIndex();
    void SetTopVisibleNodeIndex(int index);
    int GetVisibleNodesCount();
    int GetNodeVisibleIndex(LONG row);
    int GetNextVisibleNodeId(LONG nodeId);
    int GetPreVisibleNodeId(LONG nodeId);
    int GetRowByPoint(int x, int y);
    int GetColByPoint(int x, int y);

    // View options, menus, images and export.
    void SetViewOptions(int iOption, bool benabled);
    void EnableColumnCustomizationMenu(bool benable);
    void CreateColumnCustomization();
    void SetColumnCustomMenuName(const wchar_t* strname);
    void SetColumnCustomFormName(const wchar_t* strname);
    void SetStylesColumnMenu(bool bStyles);
    void ShowContextMenuSortItems(bool bShow);
    void EnableSortAsendingMenu(bool bEnableSortAsend);
    void EnableSortDesndingMenu(bool bEnableSortDesend);
    void AddImage(unsigned int id, LONG handle, int type, int width, int height);
    void SetBackgroundImage(LONG handle);
    RECT GetPictureRect(LONG row);
    void ExportDataToTxt(const wchar_t* strname);

private:
    NDXxXtraTreeListControl* m_pControl; // shared by copies; never null
};

namespace NDX {

// A function that sends a window message, shaped like SendMessageW.
typedef LRESULT(CALLBACK* SendWindowMessageFunction)(HWND hWnd, UINT Msg, WPARAM wParam,
                                                     LPARAM lParam);

// Replaces the function through which every tree-list of the process sends
// its event messages, and returns the one it replaces. The first replacement
// returns the default, which calls SendMessageW. A null `fn` changes nothing
// and returns null.
//
// A replacement must be done with the payload (lParam) when it returns: the
// payload does not outlive the call.
NODRIX_API SendWindowMessageFunction SetSendWindowMessageFunction(SendWindowMessageFunction fn);

} // namespace NDX

#endif // NODRIX_NODRIX_H
