// Events of the control reach the control's parent window as messages,
// through the process-wide send function.
#include "arborkit/arborkit.h"
#include "nodrix/nodrix.h"
#include "test_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

using namespace ArborkitLib;
using namespace NDXxXtraTreeListEvent;
using testing::ElementsAre;
using testing::IsEmpty;
using testsupport::TestWindow;

namespace {

// What a replacement send function saw, payload copied during the call.
struct Sent {
    HWND window;
    UINT message;
    WPARAM wParam;
    bool hasPayload;
    std::vector<std::int32_t> payload;
};
std::vector<Sent> sentThroughA;
std::vector<Sent> sentThroughB;

LRESULT CALLBACK recordA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    sentThroughA.push_back(
        {window, message, wParam, lParam != 0, testsupport::copyPayload(message, lParam)});
    return 17;
}
LRESULT CALLBACK recordB(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    sentThroughB.push_back(
        {window, message, wParam, lParam != 0, testsupport::copyPayload(message, lParam)});
    return -3;
}

// Restores whatever send function was current before it replaced it.
class SendFunctionScope {
public:
    explicit SendFunctionScope(NDX::SendWindowMessageFunction fn)
        : previous_(NDX::SetSendWindowMessageFunction(fn)) {}
    ~SendFunctionScope() { NDX::SetSendWindowMessageFunction(previous_); }

private:
    NDX::SendWindowMessageFunction previous_;
};

// A tree-list placed in a real parent window.
class EventForwarding : public testing::Test {
protected:
    void SetUp() override {
        sentThroughA.clear();
        sentThroughB.clear();
        SetParent(control, parent.handle());
    }

    void raise(int eventType, std::shared_ptr<EventArgs> data) {
        StandIn::RaiseEvent(control, eventType, std::move(data));
    }

    TestWindow parent;
    NDXxXtraTreeList list;
    HWND control = list.Handle();
};

TEST_F(EventForwarding, EveryEventTypeHasItsMessageAndPayload) {
    struct Case {
        int eventType;
        std::shared_ptr<EventArgs> data;
        UINT message; // by number, as receivers know it; 0: nothing is sent
        std::vector<std::int32_t> payload;
    };
    const auto cell = [](int row, int col) { return std::make_shared<CellPositionArgs>(row, col); };
    const Case cases[] = {
        {0, cell(3, 4), 2024, {3, 4}},
        {1,
         std::make_shared<CellRightClickArgs>(10, 20, TreeMouseButton::Right, 7, 2),
         2025,
         {10, 20, 2, 7, 2}},
        {2, std::make_shared<ExpandCollapseArgs>(42), 2026, {42}},
        {3, std::make_shared<ExpandCollapseArgs>(-1), 2027, {-1}},
        {4, cell(-5, 6), 2028, {-5, 6}},
        {5, std::make_shared<MousePositionArgs>(-3, 9), 2029, {-3, 9}},
        {6, nullptr, 2030, {}},
        {7, std::make_shared<CellLeftDoubleClickArgs>(1, 2, 3, 4), 2031, {1, 2, 3, 4}},
        // A subclass of the data class will do.
        {8, std::make_shared<MouseButtonArgs>(8, 9, TreeMouseButton::Left), 2032, {8, 9}},
        {9, cell(1, 1), 0, {}},
        {10, cell(1, 1), 0, {}},
        {11, std::make_shared<ExpandCollapseArgs>(1), 0, {}},
        {12, nullptr, 0, {}},
        {13, cell(1, 1), 0, {}},
        {14, cell(1, 1), 0, {}},
        {15, std::make_shared<ExpandCollapseArgs>(5), 2033, {}},
        {16, cell(16, 1), 2034, {16, 1}},
        {17, cell(17, 1), 2035, {17, 1}},
        {18, cell(18, 1), 2036, {18, 1}},
        {19, cell(19, 1), 2038, {19, 1}},
        {20, cell(20, 1), 2037, {20, 1}},
        {21, cell(21, 1), 2039, {}},
        {22, cell(1, 1), 0, {}},
        {1000, cell(1, 1), 0, {}},
        {std::numeric_limits<int>::max(), cell(1, 1), 0, {}},
        {-1, cell(1, 1), 0, {}},
        {std::numeric_limits<int>::min(), cell(1, 1), 0, {}},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "event type " << c.eventType);
        parent.clear();
        raise(c.eventType, c.data);
        if (c.message == 0) {
            EXPECT_THAT(parent.received(), IsEmpty());
            continue;
        }
        ASSERT_EQ(parent.received().size(), 1u);
        const auto& got = parent.received()[0];
        EXPECT_EQ(got.message, c.message);
        EXPECT_EQ(got.wParam, reinterpret_cast<WPARAM>(control));
        EXPECT_EQ(got.lParam == 0, c.payload.empty());
        EXPECT_EQ(got.payload, c.payload);
    }
}

TEST(EventMessageIds, NamesMatchTheNumbersReceiversSwitchOn) {
    const UINT named[] = {TLM_CELL_A,
                          TLM_CELL_RIGHT_CLICK,
                          TLM_EXPAND_COLLAPSE_A,
                          TLM_EXPAND_COLLAPSE_B,
                          TLM_CELL_B,
                          TLM_MOUSE_A,
                          TLM_NOTIFY_A,
                          TLM_CELL_LEFT_DOUBLE_CLICK,
                          TLM_MOUSE_B,
                          TLM_NOTIFY_B,
                          TLM_CELL_C,
                          TLM_CELL_D,
                          TLM_CELL_E,
                          TLM_CELL_F,
                          TLM_CELL_G,
                          TLM_NOTIFY_C};
    for (UINT i = 0; i < 16; ++i)
        EXPECT_EQ(named[i], WM_USER + 1000 + i) << i;
}

TEST_F(EventForwarding, MissingOrWrongDataFailsBackToTheRaiserAndSendsNothing) {
    struct Case {
        int eventType;
        std::shared_ptr<EventArgs> data;
    };
    const Case cases[] = {
        {0, nullptr},
        {0, std::make_shared<ExpandCollapseArgs>(1)},
        {1, std::make_shared<MouseButtonArgs>(1, 2, TreeMouseButton::Right)}, // a base class
        {2, std::make_shared<CellPositionArgs>(1, 2)},
        {5, std::make_shared<EventArgs>()},
        {7, std::make_shared<CellRightClickArgs>(1, 2, TreeMouseButton::Left, 3, 4)},
        {19, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "event type " << c.eventType);
        EXPECT_THROW(raise(c.eventType, c.data), std::invalid_argument);
    }
    EXPECT_THAT(parent.received(), IsEmpty());
}

TEST_F(EventForwarding, OnlyButtonsOneToThreeAreReported) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0},
        {1, 1},
        {2, 2},
        {3, 3},
        {4, 0},
        {-1, 0},
        {std::numeric_limits<std::int32_t>::max(), 0}};
    for (const auto& [button, reported] : cases) {
        SCOPED_TRACE(button);
        parent.clear();
        raise(1, std::make_shared<CellRightClickArgs>(1, 2, static_cast<TreeMouseButton>(button), 3,
                                                      4));
        ASSERT_EQ(parent.received().size(), 1u);
        EXPECT_THAT(parent.received()[0].payload, ElementsAre(1, 2, reported, 3, 4));
    }
}

TEST_F(EventForwarding, TheParentIsLookedUpAtEveryEvent) {
    TestWindow other;
    raise(6, nullptr);
    SetParent(control, other.handle());
    raise(15, nullptr);

    ASSERT_EQ(parent.received().size(), 1u);
    EXPECT_EQ(parent.received()[0].message, TLM_NOTIFY_A);
    ASSERT_EQ(other.received().size(), 1u);
    EXPECT_EQ(other.received()[0].message, TLM_NOTIFY_B);
}

TEST_F(EventForwarding, AControlTakenOutOfItsParentSendsToWhatThePlatformReports) {
    // With our window API that is no window at all; on Windows it is the
    // desktop window. Either way the event goes nowhere near the old parent.
    SetParent(control, nullptr);
    {
        SendFunctionScope scope(recordA);
        raise(2, std::make_shared<ExpandCollapseArgs>(8));
    }
    ASSERT_EQ(sentThroughA.size(), 1u);
    EXPECT_EQ(sentThroughA[0].window, GetParent(control));
    EXPECT_EQ(sentThroughA[0].payload, std::vector<std::int32_t>{8});

    EXPECT_NO_THROW(raise(2, std::make_shared<ExpandCollapseArgs>(9)));
    EXPECT_THAT(parent.received(), IsEmpty());
}

TEST_F(EventForwarding, TheSendFunctionIsReplacedForTheWholeProcess) {
    TestWindow secondParent;
    NDXxXtraTreeList second;
    SetParent(second.Handle(), secondParent.handle());

    SendFunctionScope scope(recordA);
    raise(6, nullptr);
    StandIn::RaiseEvent(second.Handle(), 21, nullptr);

    ASSERT_EQ(sentThroughA.size(), 2u);
    EXPECT_EQ(sentThroughA[0].window, parent.handle());
    EXPECT_EQ(sentThroughA[0].wParam, reinterpret_cast<WPARAM>(control));
    EXPECT_FALSE(sentThroughA[0].hasPayload);
    EXPECT_EQ(sentThroughA[1].window, secondParent.handle());
    EXPECT_EQ(sentThroughA[1].message, TLM_NOTIFY_C);
    EXPECT_THAT(parent.received(), IsEmpty());
    EXPECT_THAT(secondParent.received(), IsEmpty());
}

TEST_F(EventForwarding, SetterReturnsTheFunctionItReplaces) {
    // Null changes nothing: the default keeps delivering.
    EXPECT_EQ(NDX::SetSendWindowMessageFunction(nullptr), nullptr);
    raise(6, nullptr);
    EXPECT_EQ(parent.received().size(), 1u);

    const NDX::SendWindowMessageFunction original = NDX::SetSendWindowMessageFunction(recordA);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(NDX::SetSendWindowMessageFunction(recordB), &recordA);
    raise(6, nullptr);
    EXPECT_EQ(sentThroughA.size(), 0u);
    EXPECT_EQ(sentThroughB.size(), 1u);

    // The first replacement handed back the default: SendMessageW itself.
    EXPECT_EQ(NDX::SetSendWindowMessageFunction(original), &recordB);
    parent.clear();
    parent.result = 55;
    EXPECT_EQ(original(parent.handle(), WM_USER + 3, 4, 5), 55);
    raise(6, nullptr);
    ASSERT_EQ(parent.received().size(), 2u);
    EXPECT_EQ(parent.received()[1].message, TLM_NOTIFY_A);
    EXPECT_EQ(sentThroughB.size(), 1u);
}

TEST(EventMarshal, FillsThePayloadsFromTheEventData) {
    _CellRightClickData rightClick{};
    Marshal(CellRightClickArgs(-1, -2, static_cast<TreeMouseButton>(9), 5, 6), rightClick);
    EXPECT_EQ(rightClick.x, -1);
    EXPECT_EQ(rightClick.y, -2);
    EXPECT_EQ(rightClick.button, 0);
    EXPECT_EQ(rightClick.nodeId, 5);
    EXPECT_EQ(rightClick.col, 6);

    _CellLeftDoubleClickData doubleClick{};
    Marshal(CellLeftDoubleClickArgs(7, 8, 9, 10), doubleClick);
    EXPECT_EQ(doubleClick.x, 7);
    EXPECT_EQ(doubleClick.y, 8);
    EXPECT_EQ(doubleClick.nodeId, 9);
    EXPECT_EQ(doubleClick.col, 10);
}

} // namespace
