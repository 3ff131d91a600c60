// The facade's life: construction, copies and assignment sharing one
// control, release by the last owner, and destruction from inside an event.
// Run under AddressSanitizer, these also show that nothing is used after it
// is freed and nothing leaks.
#include "arborkit/arborkit.h"
#include "journal_file.h"
#include "nodrix/nodrix.h"
#include "test_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

using namespace ArborkitLib;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::SizeIs;
using testsupport::ScopedJournal;
using testsupport::TestWindow;
using testsupport::windowNumber;

namespace {

void notify(HWND control) { StandIn::RaiseEvent(control, 6, nullptr); }

// The control's window is gone, after exactly one unsubscription and one
// disposal.
void expectReleasedOnce(HWND control, const ScopedJournal& journal) {
    EXPECT_FALSE(IsWindow(control));
    EXPECT_THAT(journal.linesStartingWith("TreeEvent.Remove"), SizeIs(1));
    EXPECT_THAT(journal.linesStartingWith("Dispose"), SizeIs(1));
}

// The lines that subscribe, unsubscribe and dispose, in order.
std::vector<std::string> lifecycleOf(const ScopedJournal& journal) {
    std::vector<std::string> lines;
    for (const std::string& line : journal.lines()) {
        if (line.rfind("CreateTreeControl", 0) == 0 || line.rfind("TreeEvent.", 0) == 0 ||
            line == "Dispose") {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST(Lifetime, ConstructionSubscribesAndDestructionUnsubscribesBeforeDisposing) {
    ScopedJournal journal;
    HWND control = nullptr;
    {
        NDXxXtraTreeList list;
        control = list.Handle();
        EXPECT_TRUE(IsWindow(control));
    }
    EXPECT_FALSE(IsWindow(control));
    EXPECT_EQ(StandIn::FindControl(control), nullptr);
    EXPECT_THAT(journal.lines(),
                ElementsAre("CreateTreeControl\t=> " + windowNumber(control), "TreeEvent.Add",
                            "Handle\t=> " + windowNumber(control), "TreeEvent.Remove", "Dispose"));
}

TEST(Lifetime, ACopyDrivesTheSameControlUntilTheLastOneGoes) {
    ScopedJournal journal;
    TestWindow parent;
    auto original = std::make_unique<NDXxXtraTreeList>();
    const HWND control = original->Handle();
    SetParent(control, parent.handle());
    NDXxXtraTreeList copy(*original);
    EXPECT_EQ(copy.Handle(), control);

    original.reset();
    EXPECT_TRUE(IsWindow(control));
    EXPECT_EQ(copy.Handle(), control);
    notify(control);
    EXPECT_THAT(parent.received(), SizeIs(1)) << "events still reach the parent, once";
    EXPECT_THAT(lifecycleOf(journal),
                ElementsAre("CreateTreeControl\t=> " + windowNumber(control), "TreeEvent.Add"));
}

TEST(Lifetime, TheLastOfManyCopiesReleasesExactlyOnce) {
    ScopedJournal journal;
    HWND control = nullptr;
    {
        NDXxXtraTreeList list;
        control = list.Handle();
        NDXxXtraTreeList a(list);
        NDXxXtraTreeList b(a);
        NDXxXtraTreeList c(list);
        c = b;
    }
    expectReleasedOnce(control, journal);
}

TEST(Lifetime, AssignmentReleasesTheControlItNoLongerShares) {
    ScopedJournal journal;
    NDXxXtraTreeList target;
    NDXxXtraTreeList source;
    const HWND dropped = target.Handle();
    const HWND kept = source.Handle();

    target = source;

    EXPECT_EQ(target.Handle(), kept);
    EXPECT_FALSE(IsWindow(dropped));
    EXPECT_THAT(lifecycleOf(journal),
                ElementsAre("CreateTreeControl\t=> " + windowNumber(dropped), "TreeEvent.Add",
                            "CreateTreeControl\t=> " + windowNumber(kept), "TreeEvent.Add",
                            "TreeEvent.Remove", "Dispose"));
    EXPECT_TRUE(IsWindow(kept));
}

TEST(Lifetime, AssignmentKeepsAControlThatAnotherCopyStillShares) {
    TestWindow parent;
    NDXxXtraTreeList target;
    NDXxXtraTreeList stillThere(target);
    NDXxXtraTreeList source;
    const HWND shared = target.Handle();
    SetParent(shared, parent.handle());

    target = source;

    EXPECT_TRUE(IsWindow(shared));
    EXPECT_EQ(stillThere.Handle(), shared);
    notify(shared);
    EXPECT_THAT(parent.received(), SizeIs(1));
}

TEST(Lifetime, SelfAssignmentChangesNothing) {
    ScopedJournal journal;
    HWND control = nullptr;
    {
        NDXxXtraTreeList list;
        control = list.Handle();
        NDXxXtraTreeList& same = list;
        list = same;
        NDXxXtraTreeList copy(list);
        list = copy; // the same holder under another name
        EXPECT_TRUE(IsWindow(control));
        EXPECT_EQ(list.Handle(), control);
        EXPECT_THAT(journal.linesStartingWith("TreeEvent.Remove"), IsEmpty());
    }
    expectReleasedOnce(control, journal);
}

TEST(Lifetime, TwoFacadesOwnTwoIndependentControls) {
    TestWindow firstParent;
    TestWindow secondParent;
    auto first = std::make_unique<NDXxXtraTreeList>();
    NDXxXtraTreeList second;
    const HWND firstControl = first->Handle();
    const HWND secondControl = second.Handle();
    ASSERT_NE(firstControl, secondControl);
    SetParent(firstControl, firstParent.handle());
    SetParent(secondControl, secondParent.handle());

    notify(firstControl);
    first.reset();
    notify(secondControl);

    EXPECT_FALSE(IsWindow(firstControl));
    EXPECT_TRUE(IsWindow(secondControl));
    EXPECT_THAT(firstParent.received(), SizeIs(1));
    EXPECT_THAT(secondParent.received(), SizeIs(1));
    EXPECT_EQ(secondParent.received()[0].wParam, reinterpret_cast<WPARAM>(secondControl));
}

TEST(Lifetime, TheParentMayDestroyTheLastFacadeWhileHandlingItsEvent) {
    ScopedJournal journal;
    TestWindow parent;
    auto list = std::make_unique<NDXxXtraTreeList>();
    const HWND control = list->Handle();
    SetParent(control, parent.handle());
    parent.onMessage = [&](const testsupport::ReceivedMessage&) { list.reset(); };

    EXPECT_NO_THROW(StandIn::RaiseEvent(
        control, 1, std::make_shared<CellRightClickArgs>(1, 2, TreeMouseButton::Left, 3, 4)));

    EXPECT_EQ(list, nullptr);
    EXPECT_THAT(parent.received(), SizeIs(1));
    expectReleasedOnce(control, journal);
}

TEST(Lifetime, NoEventIsForwardedAfterTheFacadeIsGone) {
    TestWindow parent;
    std::shared_ptr<ITreeListControl> stillHeld;
    HWND control = nullptr;
    {
        NDXxXtraTreeList list;
        control = list.Handle();
        SetParent(control, parent.handle());
        stillHeld = StandIn::FindControl(control);
    }
    // Even a control that someone else keeps and that raises its event
    // afterwards reaches nobody.
    stillHeld->Events().Raise(IntPtr(reinterpret_cast<std::intptr_t>(control)),
                              TreeEventType::NotifyA, nullptr);
    EXPECT_EQ(stillHeld->Events().Count(), 0u);
    EXPECT_THROW(notify(control), ComponentError) << "the control is disposed";
    EXPECT_THAT(parent.received(), IsEmpty());
}

// The control cannot be created: the failure reaches the caller, and (as
// AddressSanitizer shows) nothing stays allocated.
TEST(Lifetime, AFailureWhileCreatingTheControlReachesTheCallerAndLeavesNothingBehind) {
    ScopedJournal journal;
    journal.makeUnwritable();
    std::optional<NDXxXtraTreeList> list;
    EXPECT_THROW(list.emplace(), ComponentError);
    EXPECT_FALSE(list.has_value());
}

TEST(Lifetime, AFailingDisposalStillReleasesEverything) {
    ScopedJournal journal;
    HWND control = nullptr;
    {
        NDXxXtraTreeList list;
        control = list.Handle();
        journal.makeUnwritable(); // every journaled step now fails after its effect
    }
    EXPECT_FALSE(IsWindow(control));
    EXPECT_EQ(StandIn::FindControl(control), nullptr);
}

} // namespace
