// The Arborkit stand-in: its controls, events, values and journal, used
// through the installed header only.
#include "arborkit/arborkit.h"
#include "journal_file.h"
#include "small_tree.h"
#include "test_support.h"
#include "test_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ArborkitLib;
using namespace arborkit_test;
using testing::ElementsAre;
using testsupport::TestWindow;

namespace {

// ---------------------------------------------------------------------------
// Controls
// ---------------------------------------------------------------------------

TEST(ArborkitControl, EachControlOwnsItsOwnWindowUntilDisposed) {
    auto first = TreeComponentFactory::CreateTreeControl();
    auto second = TreeComponentFactory::CreateTreeControl();
    const HWND firstWindow = windowOf(*first);
    const HWND secondWindow = windowOf(*second);

    EXPECT_NE(firstWindow, secondWindow);
    EXPECT_TRUE(IsWindow(firstWindow));
    // Parked below the component's hidden window until someone places them.
    const HWND parking = GetParent(firstWindow);
    EXPECT_TRUE(IsWindow(parking));
    EXPECT_EQ(GetParent(secondWindow), parking);
    TestWindow host;
    SetParent(firstWindow, host.handle());
    EXPECT_EQ(GetParent(firstWindow), host.handle());
    EXPECT_EQ(StandIn::FindControl(firstWindow), first);

    auto* disposable = dynamic_cast<IDisposable*>(first.get());
    ASSERT_NE(disposable, nullptr);
    disposable->Dispose();

    EXPECT_FALSE(IsWindow(firstWindow));
    EXPECT_EQ(StandIn::FindControl(firstWindow), nullptr);
    EXPECT_TRUE(IsWindow(secondWindow));
    EXPECT_THROW(first->Handle(), ComponentError);
    EXPECT_THROW(first->ShowControl(), ComponentError);
    EXPECT_NO_THROW(disposable->Dispose()) << "a second Dispose does nothing";
}

TEST(ArborkitControl, ReleasingAnUndisposedControlDestroysItsWindow) {
    HWND window = nullptr;
    {
        auto control = TreeComponentFactory::CreateTreeControl();
        window = windowOf(*control);
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(StandIn::FindControl(window), nullptr);
}

TEST(ArborkitControl, KeepsVisibilityPaintingAndBounds) {
    auto control = TreeComponentFactory::CreateTreeControl();
    EXPECT_FALSE(control->IsShown());
    EXPECT_TRUE(control->IsRedrawEnabled());
    EXPECT_EQ(control->GetControlRect(), (BoundsRect{0, 0, 400, 300}));

    control->ShowControl();
    control->Redraw(false);
    control->SetBounds({-5, 7, 120, 0});

    EXPECT_TRUE(control->IsShown());
    EXPECT_FALSE(control->IsRedrawEnabled());
    EXPECT_EQ(control->GetControlRect(), (BoundsRect{-5, 7, 120, 0}));

    EXPECT_THROW(control->SetBounds({0, 0, -1, 10}), ComponentError);
    EXPECT_THROW(control->SetBounds({0, 0, 10, -1}), ComponentError);
    EXPECT_EQ(control->GetControlRect(), (BoundsRect{-5, 7, 120, 0})) << "unchanged by a refusal";
}

// ---------------------------------------------------------------------------
// TreeEvent
// ---------------------------------------------------------------------------

struct Call {
    void* target;
    int method;
    std::intptr_t handle;
    int type;
    EventArgs* data;
    friend bool operator==(const Call&, const Call&) = default;
};
std::vector<Call> calls;

void methodOne(void* target, IntPtr handle, TreeEventType type,
               const std::shared_ptr<EventArgs>& data) {
    calls.push_back({target, 1, handle.value, static_cast<int>(type), data.get()});
}
void methodTwo(void* target, IntPtr handle, TreeEventType type,
               const std::shared_ptr<EventArgs>& data) {
    calls.push_back({target, 2, handle.value, static_cast<int>(type), data.get()});
}

class TreeEventTest : public testing::Test {
protected:
    void SetUp() override { calls.clear(); }

    std::vector<std::pair<void*, int>> raiseAndSeeWhoIsCalled() {
        calls.clear();
        event.Raise(IntPtr(1), TreeEventType::CellA, nullptr);
        std::vector<std::pair<void*, int>> who;
        for (const Call& call : calls)
            who.emplace_back(call.target, call.method);
        return who;
    }

    std::shared_ptr<int> a = std::make_shared<int>(1);
    std::shared_ptr<int> b = std::make_shared<int>(2);
    TreeEvent event;
};

TEST_F(TreeEventTest, RemoveMatchesTargetAndMethodBoth) {
    event.Add(TreeEventHandler(a, methodOne));
    event.Add(TreeEventHandler(a, methodTwo));
    event.Add(TreeEventHandler(b, methodOne));

    event.Remove(TreeEventHandler(b, methodTwo)); // same method as nobody's, target of one
    event.Remove(
        TreeEventHandler(std::make_shared<int>(1), methodOne)); // equal value, other object
    EXPECT_THAT(raiseAndSeeWhoIsCalled(),
                ElementsAre(std::pair{a.get(), 1}, std::pair{a.get(), 2}, std::pair{b.get(), 1}));

    event.Remove(TreeEventHandler(a, methodOne));
    EXPECT_THAT(raiseAndSeeWhoIsCalled(),
                ElementsAre(std::pair{a.get(), 2}, std::pair{b.get(), 1}));
}

TEST_F(TreeEventTest, AHandlerAddedTwiceNeedsTwoRemoves) {
    event.Add(TreeEventHandler(a, methodOne));
    event.Add(TreeEventHandler(a, methodOne));
    event.Remove(TreeEventHandler(a, methodOne));
    EXPECT_EQ(raiseAndSeeWhoIsCalled().size(), 1u);
    event.Remove(TreeEventHandler(a, methodOne));
    EXPECT_TRUE(raiseAndSeeWhoIsCalled().empty());
    EXPECT_NO_THROW(event.Remove(TreeEventHandler(a, methodOne)));
}

TEST_F(TreeEventTest, AHandlerKeepsItsTargetAliveUntilRemoved) {
    std::weak_ptr<int> watch = a;
    event.Add(TreeEventHandler(a, methodOne));
    void* target = a.get();
    a.reset();
    ASSERT_FALSE(watch.expired());
    EXPECT_THAT(raiseAndSeeWhoIsCalled(), ElementsAre(std::pair{target, 1}));

    event.Remove(TreeEventHandler(watch.lock(), methodOne));
    EXPECT_TRUE(watch.expired());
}

// Handlers that act on the event while it is being raised.
TreeEvent* raising = nullptr;
std::shared_ptr<int> removeTarget;
void removesMethodTwo(void*, IntPtr, TreeEventType, const std::shared_ptr<EventArgs>&) {
    calls.push_back({nullptr, 3, 0, 0, nullptr});
    raising->Remove(TreeEventHandler(removeTarget, methodTwo));
    raising->Add(TreeEventHandler(removeTarget, methodOne));
}
void fails(void*, IntPtr, TreeEventType, const std::shared_ptr<EventArgs>&) {
    throw std::runtime_error("handler failed");
}

TEST_F(TreeEventTest, ChangesDuringARaiseApplyAtOnceToRemovalsAndNextTimeToAdditions) {
    raising = &event;
    removeTarget = b;
    event.Add(TreeEventHandler(a, removesMethodTwo));
    event.Add(TreeEventHandler(b, methodTwo));

    EXPECT_THAT(raiseAndSeeWhoIsCalled(), ElementsAre(std::pair{nullptr, 3}))
        << "the removed handler is skipped and the added one waits";
    EXPECT_THAT(raiseAndSeeWhoIsCalled(),
                ElementsAre(std::pair{nullptr, 3}, std::pair{b.get(), 1}));
    removeTarget.reset();
}

TEST_F(TreeEventTest, AHandlersFailureEndsTheRaiseAndReachesTheRaiser) {
    event.Add(TreeEventHandler(a, fails));
    event.Add(TreeEventHandler(b, methodOne));
    EXPECT_THROW(event.Raise(IntPtr(1), TreeEventType::CellA, nullptr), std::runtime_error);
    EXPECT_TRUE(calls.empty());
}

// ---------------------------------------------------------------------------
// StandIn::RaiseEvent
// ---------------------------------------------------------------------------

TEST_F(TreeEventTest, RaiseEventPassesHandleTypeAndDataObjectUnchanged) {
    auto control = TreeComponentFactory::CreateTreeControl();
    const HWND window = windowOf(*control);
    control->Events().Add(TreeEventHandler(a, methodOne));
    auto data = std::make_shared<CellPositionArgs>(3, 4);
    auto odd = std::make_shared<EventArgs>();

    StandIn::RaiseEvent(window, 0, data);
    StandIn::RaiseEvent(window, 99, odd);
    StandIn::RaiseEvent(window, -5, nullptr);

    const auto handle = reinterpret_cast<std::intptr_t>(window);
    EXPECT_THAT(calls, ElementsAre(Call{a.get(), 1, handle, 0, data.get()},
                                   Call{a.get(), 1, handle, 99, odd.get()},
                                   Call{a.get(), 1, handle, -5, nullptr}));
}

TEST(ArborkitRaiseEvent, NeedsALiveControl) {
    auto control = TreeComponentFactory::CreateTreeControl();
    const HWND window = windowOf(*control);
    dispose(*control);

    EXPECT_THROW(StandIn::RaiseEvent(window, 0, nullptr), ComponentError);
    EXPECT_THROW(StandIn::RaiseEvent(nullptr, 0, nullptr), ComponentError);
}

std::shared_ptr<ITreeListControl> released;
void disposesAndReleases(void*, IntPtr, TreeEventType, const std::shared_ptr<EventArgs>&) {
    calls.push_back({nullptr, 4, 0, 0, nullptr});
    dispose(*released);
    released.reset();
}

TEST_F(TreeEventTest, AHandlerMayDisposeAndReleaseTheRaisingControl) {
    released = TreeComponentFactory::CreateTreeControl();
    const HWND window = windowOf(*released);
    std::weak_ptr<ITreeListControl> watch = released;
    released->Events().Add(TreeEventHandler(a, disposesAndReleases));
    released->Events().Add(TreeEventHandler(b, methodOne));

    StandIn::RaiseEvent(window, 1, nullptr);

    EXPECT_THAT(calls, ElementsAre(Call{nullptr, 4, 0, 0, nullptr}))
        << "disposal drops the other handler before its turn";
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(IsWindow(window));
}

// ---------------------------------------------------------------------------
// Values
// ---------------------------------------------------------------------------

TEST(ArborkitValues, AbsentStringsDifferFromEmptyOnes) {
    const ComponentString absent;
    const ComponentString empty(u"");
    EXPECT_TRUE(absent.IsAbsent());
    EXPECT_FALSE(empty.IsAbsent());
    EXPECT_NE(absent, empty);
    EXPECT_EQ(absent.Data(), nullptr);
    ASSERT_NE(empty.Data(), nullptr);
    EXPECT_EQ(empty.Data()[0], u'\0');
    EXPECT_THROW(absent.Text(), ComponentError);

    EXPECT_TRUE(Value::FromString(absent).IsNothing());
    EXPECT_EQ(Value::FromString(empty).GetKind(), Value::Kind::String);
}

TEST(ArborkitValues, AValueGivesOnlyWhatItHolds) {
    const Value values[] = {Value(), Value::FromInt32(-7), Value::FromIntPtr(IntPtr(-7)),
                            textValue(u"7")};
    for (const Value& value : values) {
        const auto kind = value.GetKind();
        SCOPED_TRACE(static_cast<int>(kind));
        if (kind == Value::Kind::Int32) {
            EXPECT_EQ(value.AsInt32(), -7);
        } else {
            EXPECT_THROW(value.AsInt32(), ComponentError);
        }
        if (kind == Value::Kind::IntPtr) {
            EXPECT_EQ(value.AsIntPtr(), IntPtr(-7));
        } else {
            EXPECT_THROW(value.AsIntPtr(), ComponentError);
        }
        if (kind == Value::Kind::String) {
            EXPECT_EQ(value.AsString().Text(), u"7");
        } else {
            EXPECT_THROW(value.AsString(), ComponentError);
        }
    }
    EXPECT_NE(Value::FromInt32(5), Value::FromIntPtr(IntPtr(5)));
}

// ---------------------------------------------------------------------------
// Journal
// ---------------------------------------------------------------------------

TEST(ArborkitJournal, RecordsCreationOperationsSubscriptionsAndDisposal) {
    testsupport::ScopedJournal journal;
    auto target = std::make_shared<int>(0);
    HWND window = nullptr;
    {
        auto control = TreeComponentFactory::CreateTreeControl();
        window = windowOf(*control);
        control->Redraw(false);
        control->SetBounds({10, 20, 100, 50});
        control->GetControlRect();
        EXPECT_THROW(control->AddNode(ComponentString(), 3), ComponentError);
        control->Events().Add(TreeEventHandler(target, methodOne));
        control->Events().Remove(TreeEventHandler(target, methodOne));
        dispose(*control);
    }
    const std::string h = testsupport::windowNumber(window);
    EXPECT_THAT(journal.lines(),
                ElementsAre("CreateTreeControl\t=> " + h, "Handle\t=> " + h, "Redraw\tfalse",
                            "SetBounds\t10,20,100,50", "GetControlRect\t=> 10,20,100,50",
                            "AddNode\tnull\t3\t!> \"AddNode: no node has the id 3\"",
                            "TreeEvent.Add", "TreeEvent.Remove", "Dispose"));
}

TEST(ArborkitJournal, WritesNothingWithoutAFileName) {
    test_support::unsetEnvironment("ARBORKIT_STANDIN_JOURNAL");
    auto control = TreeComponentFactory::CreateTreeControl();
    EXPECT_NO_THROW(control->Redraw(true));
    test_support::setEnvironment("ARBORKIT_STANDIN_JOURNAL", "");
    EXPECT_NO_THROW(control->Redraw(true));
}

TEST(ArborkitJournal, AnUnwritableJournalFailsTheOperationAfterItsEffect) {
    testsupport::ScopedJournal journal;
    auto control = TreeComponentFactory::CreateTreeControl();
    journal.makeUnwritable();

    EXPECT_THROW(control->Redraw(false), ComponentError);
    EXPECT_THROW(TreeComponentFactory::CreateTreeControl(), ComponentError);

    journal.clear();
    testsupport::ScopedJournal readable;
    EXPECT_FALSE(control->IsRedrawEnabled());
}

} // namespace
