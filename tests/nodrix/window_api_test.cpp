// The window API as the bridge relies on it. These tests hold for the
// platform's API as well as for our stand-in.
#include "test_window.h"

#include <gtest/gtest.h>

using testsupport::TestWindow;

namespace {

constexpr UINT kPing = WM_USER + 7;

TEST(WindowApi, SendMessageCallsTheProcedureAtOnceAndReturnsItsResult) {
    TestWindow window;
    window.result = 1234;
    int seenInsideCall = 0;
    window.onMessage = [&](const testsupport::ReceivedMessage&) { ++seenInsideCall; };

    EXPECT_EQ(SendMessageW(window.handle(), kPing, 42, -17), 1234);

    EXPECT_EQ(seenInsideCall, 1);
    ASSERT_EQ(window.received().size(), 1u);
    const auto& message = window.received()[0];
    EXPECT_EQ(message.window, window.handle());
    EXPECT_EQ(message.message, kPing);
    EXPECT_EQ(message.wParam, WPARAM{42});
    EXPECT_EQ(message.lParam, LPARAM{-17});
}

TEST(WindowApi, NullAndDestroyedWindowsReceiveNothing) {
    TestWindow bystander;
    bystander.result = 99;
    HWND destroyed = [] {
        TestWindow gone;
        return gone.handle();
    }();

    for (HWND nonWindow : {HWND{nullptr}, destroyed}) {
        SCOPED_TRACE(nonWindow == nullptr ? "null" : "destroyed");
        EXPECT_FALSE(IsWindow(nonWindow));
        EXPECT_EQ(SendMessageW(nonWindow, kPing, 1, 2), 0);
        EXPECT_EQ(GetParent(nonWindow), nullptr);
        EXPECT_FALSE(DestroyWindow(nonWindow));
    }
    EXPECT_TRUE(bystander.received().empty());
}

TEST(WindowApi, ClassesAreRegisteredOnceAndWindowsNeedOne) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = L"NodrixWindowApiTestClass";
    EXPECT_NE(RegisterClassW(&windowClass), 0);
    EXPECT_EQ(RegisterClassW(&windowClass), 0) << "a second class of the same name";

    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClassAnywhere", L"", 0, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    HWND window = CreateWindowExW(0, L"NodrixWindowApiTestClass", L"", 0, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(IsWindow(window));
}

TEST(WindowApi, ParentsCanBeSetChangedAndRemoved) {
    TestWindow first;
    TestWindow second;
    TestWindow child(first.handle());
    EXPECT_EQ(GetParent(child.handle()), first.handle());

    EXPECT_EQ(SetParent(child.handle(), second.handle()), first.handle());
    EXPECT_EQ(GetParent(child.handle()), second.handle());
    EXPECT_EQ(SetParent(child.handle(), first.handle()), second.handle());
    EXPECT_EQ(GetParent(child.handle()), first.handle());
    // What a removed child reports differs (nothing here, the desktop on
    // Windows), but never the parent it left.
    EXPECT_EQ(SetParent(child.handle(), nullptr), first.handle());
    EXPECT_NE(GetParent(child.handle()), first.handle());
}

TEST(WindowApi, OnlyChildWindowsReportTheirParent) {
    TestWindow top;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = L"NodrixWindowApiStyleTest";
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    const auto create = [](DWORD style, HWND parent) {
        return CreateWindowExW(0, L"NodrixWindowApiStyleTest", L"", style, 0, 0, 10, 10, parent,
                               nullptr, nullptr, nullptr);
    };

    HWND owned = create(0, top.handle());
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(GetParent(owned), nullptr) << "an owned top-level window has no parent";
    EXPECT_EQ(create(WS_CHILD, nullptr), nullptr) << "a child window needs a parent";

    HWND topLevel = create(0, nullptr);
    SetParent(topLevel, top.handle());
    EXPECT_EQ(GetParent(topLevel), nullptr) << "SetParent leaves the style as it is";

    DestroyWindow(top.handle());
    EXPECT_FALSE(IsWindow(owned)) << "owned windows go with their owner";
    EXPECT_FALSE(IsWindow(topLevel));
}

TEST(WindowApi, AWindowCannotBecomeItsOwnAncestor) {
    TestWindow top;
    TestWindow middle(top.handle());
    TestWindow bottom(middle.handle());

    EXPECT_EQ(SetParent(top.handle(), bottom.handle()), nullptr);
    EXPECT_EQ(SetParent(top.handle(), top.handle()), nullptr);
    EXPECT_EQ(GetParent(top.handle()), nullptr);
    EXPECT_EQ(GetParent(bottom.handle()), middle.handle());
}

TEST(WindowApi, DestroyingAWindowDestroysItsDescendants) {
    TestWindow top;
    TestWindow middle(top.handle());
    TestWindow bottom(middle.handle());
    TestWindow unrelated;

    EXPECT_TRUE(DestroyWindow(top.handle()));

    EXPECT_FALSE(IsWindow(middle.handle()));
    EXPECT_FALSE(IsWindow(bottom.handle()));
    EXPECT_TRUE(IsWindow(unrelated.handle()));
}

TEST(WindowApi, AProcedureMayDestroyItsOwnWindowAndSendFurther) {
    TestWindow other;
    TestWindow window;
    window.onMessage = [&](const testsupport::ReceivedMessage& message) {
        SendMessageW(other.handle(), kPing + 1, message.wParam, 0);
        DestroyWindow(message.window);
    };

    SendMessageW(window.handle(), kPing, 5, 0);

    EXPECT_FALSE(IsWindow(window.handle()));
    ASSERT_EQ(other.received().size(), 1u);
    EXPECT_EQ(other.received()[0].wParam, WPARAM{5});
    EXPECT_EQ(SendMessageW(window.handle(), kPing, 6, 0), 0);
    EXPECT_EQ(window.received().size(), 1u);
}

} // namespace
