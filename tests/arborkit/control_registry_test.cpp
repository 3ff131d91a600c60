// How a control lets go of its window (white-box: the registry of live
// controls is internal to the component). A window handle may be reused once
// its window is gone; a control released after that must leave the handle,
// and the window it now names, to their new owner. The stand-in's window API
// never reuses a handle, so the test registers the reuse itself.
#include "control_registry.h"
#include "tree_list_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

using namespace ArborkitLib;

namespace {

// The two ways a control lets go of its window.
const std::pair<const char*, std::function<void(std::shared_ptr<TreeListControl>&)>> kReleases[] = {
    {"released", [](std::shared_ptr<TreeListControl>& control) { control.reset(); }},
    {"disposed", [](std::shared_ptr<TreeListControl>& control) { control->Dispose(); }},
};

TEST(ArborkitControlRegistry, ReleasingAControlForgetsAndDestroysItsWindow) {
    for (const auto& [how, release] : kReleases) {
        SCOPED_TRACE(how);
        std::shared_ptr<TreeListControl> control = TreeListControl::Create();
        const HWND window = control->Window();
        ASSERT_EQ(ControlRegistry::Find(window), control);
        release(control);
        EXPECT_EQ(ControlRegistry::Find(window), nullptr);
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST(ArborkitControlRegistry, AReusedHandleStaysWithItsNewControl) {
    for (const auto& [how, release] : kReleases) {
        SCOPED_TRACE(how);
        std::shared_ptr<TreeListControl> first = TreeListControl::Create();
        const std::shared_ptr<TreeListControl> second = TreeListControl::Create();
        const HWND reused = first->Window();
        // As if the first control's window had gone and its handle now named
        // the second control's.
        ControlRegistry::Add(reused, second);
        release(first);
        EXPECT_EQ(ControlRegistry::Find(reused), second);
        EXPECT_TRUE(IsWindow(reused));
        DestroyWindow(reused);
    }
}

} // namespace
