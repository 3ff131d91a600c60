#include "view_settings.h"

#include "argument_checks.h"

#include <string>

namespace ArborkitLib {

void ViewSettings::SetRowHeight(std::int32_t height) {
    if (height < 1) {
        throw ComponentError("the row height " + std::to_string(height) + " is less than 1 pixel");
    }
    rowHeight = height;
}

void ViewSettings::SetHeaderHeight(std::int32_t height) {
    headerHeight = Check::NotNegative("the header height", height);
}

void ViewSettings::SetLookStyle(std::int32_t style) {
    lookStyle = static_cast<LookStyle>(
        Check::InRange("the look style", style, static_cast<std::int32_t>(LookStyle::System)));
}

void ViewSettings::SetTreeLineStyle(std::int32_t style) {
    treeLineStyle = static_cast<TreeLineStyle>(Check::InRange(
        "the tree-line style", style, static_cast<std::int32_t>(TreeLineStyle::Dashed)));
}

void ViewSettings::SetViewOption(std::int32_t option, bool enabled) {
    Check::InRange("the view option", option, static_cast<std::int32_t>(kViewOptionCount) - 1);
    viewOptions_[static_cast<std::size_t>(option)] = enabled;
}

bool ViewSettings::ViewOptionEnabled(ViewOption option) const noexcept {
    return viewOptions_[static_cast<std::size_t>(option)];
}

} // namespace ArborkitLib
