// The control-wide look and behaviour: row and header heights, look and
// tree-line styles, switches, numbered view options and the menus.
//
// Most of these only change how a real screen would be painted and are kept
// as set. The ones the headless control acts on: the row height and the
// header height (the layout), view option ColumnHeaders (a control without
// headers lays its rows out from the top), view option ExpandButtons
// (without buttons there is nothing to click to expand), the row indicator
// (it takes the left edge) and auto-expand (a node that gets the focus is
// expanded).
#ifndef ARBORKIT_VIEW_SETTINGS_H
#define ARBORKIT_VIEW_SETTINGS_H

#include "arborkit/arborkit.h"

#include <array>
#include <cstdint>

namespace ArborkitLib {

constexpr std::int32_t kDefaultRowHeight = 20;
constexpr std::int32_t kDefaultHeaderHeight = 24;

// View options by number, for SetViewOptions.
enum class ViewOption : std::int32_t {
    ColumnHeaders = 0,
    HorizontalLines = 1,
    VerticalLines = 2,
    RootLines = 3,
    ExpandButtons = 4,
    FocusRectangle = 5,
    Editing = 6,
};
constexpr std::size_t kViewOptionCount = 7;

enum class LookStyle : std::int32_t { Flat = 0, ThreeD = 1, UltraFlat = 2, Office = 3, System = 4 };
enum class TreeLineStyle : std::int32_t { None = 0, Solid = 1, Dotted = 2, Dashed = 3 };

struct MenuSettings {
    bool columnCustomizationMenu = true;
    // CreateColumnCustomization opens the form that lists the hidden
    // columns; the headless control only notes that it is open.
    bool customizationFormOpen = false;
    // Absent: the control's own texts.
    ComponentString columnCustomMenuName;
    ComponentString columnCustomFormName;
    bool stylesColumnMenu = false;
    bool contextMenuSortItems = true;
    bool sortAscendingMenu = true;
    bool sortDescendingMenu = true;
};

class ViewSettings {
public:
    std::int32_t rowHeight = kDefaultRowHeight;
    std::int32_t headerHeight = kDefaultHeaderHeight;
    LookStyle lookStyle = LookStyle::Flat;
    TreeLineStyle treeLineStyle = TreeLineStyle::Solid;
    bool columnAutoWidth = false;
    bool autoExpand = false;
    bool rowSelectHighlight = true;
    bool rowIndicator = false;
    bool emptySpaceTransparent = false;
    bool alwaysCustomDrawNodeCell = false;
    MenuSettings menus;

    // Checked setters: a ComponentError naming the value when it is out of
    // range.
    void SetRowHeight(std::int32_t height);
    void SetHeaderHeight(std::int32_t height);
    void SetLookStyle(std::int32_t style);
    void SetTreeLineStyle(std::int32_t style);
    void SetViewOption(std::int32_t option, bool enabled);
    bool ViewOptionEnabled(ViewOption option) const noexcept;

private:
    // Every option is on until it is switched off.
    std::array<bool, kViewOptionCount> viewOptions_{true, true, true, true, true, true, true};
};

} // namespace ArborkitLib

#endif // ARBORKIT_VIEW_SETTINGS_H
