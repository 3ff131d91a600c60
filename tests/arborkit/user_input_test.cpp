// The user's side of the control: what clicks, double clicks, context
// clicks, expanding and collapsing do, and which events they raise, in
// which order and with which data.
//
// Points: the fixture's rows are 20 high below a 24-high header; Name spans
// x 0-149 (a top-level node's expand button is x 0-15), Size x 150-209.
#include "small_tree.h"
#include "test_window.h"

#include "nodrix/nodrix.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ArborkitLib;
using namespace arborkit_test;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

constexpr int kDocsY = 30;   // a point in docs' row
constexpr int kSrcY = 50;    // in src's row (until docs is expanded)
constexpr int kReadmeY = 70; // in readme's row (until docs is expanded)
constexpr int kNameX = 40;   // in Name, right of the expand buttons of top-level nodes
constexpr int kSizeX = 160;  // in Size

// One event as "type" or "type(field,field,...)".
std::string ev(int type, std::initializer_list<std::int32_t> fields = {}) {
    std::string out = std::to_string(type);
    if (fields.size() == 0) return out;
    char separator = '(';
    for (std::int32_t field : fields) {
        out += separator;
        out += std::to_string(field);
        separator = ',';
    }
    out += ')';
    return out;
}

std::string describe(TreeEventType type, const EventArgs* data) {
    const int t = static_cast<int>(type);
    if (auto* a = dynamic_cast<const CellRightClickArgs*>(data)) {
        return ev(t, {a->x, a->y, static_cast<std::int32_t>(a->button), a->nodeId, a->columnIndex});
    }
    if (auto* b = dynamic_cast<const CellLeftDoubleClickArgs*>(data)) {
        return ev(t, {b->x, b->y, b->nodeId, b->columnIndex});
    }
    if (auto* m = dynamic_cast<const MousePositionArgs*>(data)) return ev(t, {m->x, m->y});
    if (auto* c = dynamic_cast<const CellPositionArgs*>(data)) return ev(t, {c->row, c->column});
    if (auto* e = dynamic_cast<const ExpandCollapseArgs*>(data)) return ev(t, {e->nodeId});
    return data == nullptr ? ev(t) : ev(t) + "(?)";
}

// What the handler sees, and what it may do while an event is raised.
struct Recorder {
    std::vector<std::string> events;
    std::function<void(TreeEventType)> reaction;

    static void Handle(void* target, IntPtr, TreeEventType type,
                       const std::shared_ptr<EventArgs>& data) {
        auto* self = static_cast<Recorder*>(target);
        self->events.push_back(describe(type, data.get()));
        if (self->reaction) self->reaction(type);
    }
};

class UserInput : public SmallTree {
protected:
    UserInput() : window(windowOf(tree)) {
        tree.Events().Add(TreeEventHandler(recorder, &Recorder::Handle));
    }

    // The events the action raised.
    template <class Action> std::vector<std::string> eventsOf(Action&& action) {
        recorder->events.clear();
        action();
        return recorder->events;
    }

    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
    HWND window;
};

// ---------------------------------------------------------------------------
// Clicks
// ---------------------------------------------------------------------------

TEST_F(UserInput, AClickOnACellFocusesAndSelectsItsNode) {
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, kNameX, kDocsY); }),
                ElementsAre(ev(5, {kNameX, kDocsY}), ev(4, {docs, nameColumn}), ev(6),
                            ev(0, {docs, nameColumn}), ev(8, {kNameX, kDocsY})));
    EXPECT_EQ(tree.GetFocusedRow(), docs);
    EXPECT_EQ(tree.GetFocusedCol(), nameColumn);
    EXPECT_THAT(selected(), ElementsAre(docs));

    EXPECT_THAT(
        eventsOf([&] { StandIn::Click(window, kNameX, kDocsY); }),
        ElementsAre(ev(5, {kNameX, kDocsY}), ev(0, {docs, nameColumn}), ev(8, {kNameX, kDocsY})))
        << "nothing moves, nothing to report but the click";
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, kSizeX, kDocsY); }),
                ElementsAre(ev(5, {kSizeX, kDocsY}), ev(4, {docs, sizeColumn}),
                            ev(0, {docs, sizeColumn}), ev(8, {kSizeX, kDocsY})))
        << "another column of the same node: the focus moves, the selection stays";
}

TEST_F(UserInput, AClickOffTheCellsReportsOnlyWhatItReaches) {
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, 300, 5); }),
                ElementsAre(ev(5, {300, 5}), ev(8, {300, 5})))
        << "the header area right of the last column";
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, kNameX, 200); }),
                ElementsAre(ev(5, {kNameX, 200}), ev(8, {kNameX, 200})))
        << "below the last row";
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, 300, kSrcY); }),
                ElementsAre(ev(5, {300, kSrcY}), ev(4, {src, -1}), ev(6), ev(8, {300, kSrcY})))
        << "a row right of the last column: the row, but no cell";
    EXPECT_EQ(tree.GetFocusedRow(), src);
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, -10, kSrcY); }),
                ElementsAre(ev(5, {-10, kSrcY}), ev(8, {-10, kSrcY})))
        << "outside the control";
}

TEST_F(UserInput, AClickOnAnExpandButtonOpensAndClosesTheNode) {
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, 5, kDocsY); }),
                ElementsAre(ev(5, {5, kDocsY}), ev(2, {docs}), ev(8, {5, kDocsY})));
    EXPECT_EQ(tree.GetVisibleNodesCount(), 5);
    EXPECT_EQ(tree.GetFocusedRow(), -1) << "the button does not move the focus";

    // img, at level 1, has its button one indent further in.
    const int imgY = 24 + 2 * 20 + 5;
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, 16 + 5, imgY); }),
                ElementsAre(ev(5, {21, imgY}), ev(2, {img}), ev(8, {21, imgY})));
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, 5, kDocsY); }),
                ElementsAre(ev(5, {5, kDocsY}), ev(3, {docs}), ev(8, {5, kDocsY})));
    EXPECT_EQ(tree.GetVisibleNodesCount(), 3);

    // A leaf has no button: the same spot is an ordinary click.
    const int readmeY = kReadmeY;
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, 5, readmeY); }),
                ElementsAre(ev(5, {5, readmeY}), ev(4, {readme, nameColumn}), ev(6),
                            ev(0, {readme, nameColumn}), ev(8, {5, readmeY})));
    // And without buttons there is nothing to open by clicking.
    tree.SetViewOptions(4, false);
    StandIn::Click(window, 5, kDocsY);
    EXPECT_EQ(tree.GetVisibleNodesCount(), 3);
    EXPECT_EQ(tree.GetFocusedRow(), docs);
}

TEST_F(UserInput, WithAutoExpandAClickedNodeOpens) {
    tree.SetAutoExpand(true);
    EXPECT_THAT(eventsOf([&] { StandIn::Click(window, kNameX, kSrcY); }),
                ElementsAre(ev(5, {kNameX, kSrcY}), ev(4, {src, nameColumn}), ev(6), ev(2, {src}),
                            ev(0, {src, nameColumn}), ev(8, {kNameX, kSrcY})));
    EXPECT_EQ(tree.GetNodeVisibleIndex(mainCpp), 2);
}

// ---------------------------------------------------------------------------
// Double clicks and context clicks
// ---------------------------------------------------------------------------

TEST_F(UserInput, ADoubleClickIsAClickThenTheDoubleClickThenOpeningOrClosing) {
    EXPECT_THAT(eventsOf([&] { StandIn::DoubleClick(window, kNameX, kDocsY); }),
                ElementsAre(ev(5, {kNameX, kDocsY}), ev(4, {docs, nameColumn}), ev(6),
                            ev(0, {docs, nameColumn}), ev(8, {kNameX, kDocsY}),
                            ev(7, {kNameX, kDocsY, docs, nameColumn}), ev(2, {docs})));
    EXPECT_THAT(eventsOf([&] { StandIn::DoubleClick(window, kNameX, kDocsY); }),
                ElementsAre(ev(5, {kNameX, kDocsY}), ev(0, {docs, nameColumn}),
                            ev(8, {kNameX, kDocsY}), ev(7, {kNameX, kDocsY, docs, nameColumn}),
                            ev(3, {docs})));
    EXPECT_THAT(eventsOf([&] { StandIn::DoubleClick(window, kSizeX, kReadmeY); }),
                ElementsAre(ev(5, {kSizeX, kReadmeY}), ev(4, {readme, sizeColumn}), ev(6),
                            ev(0, {readme, sizeColumn}), ev(8, {kSizeX, kReadmeY}),
                            ev(7, {kSizeX, kReadmeY, readme, sizeColumn})))
        << "a leaf has nothing to open";
    EXPECT_THAT(eventsOf([&] { StandIn::DoubleClick(window, 5, kDocsY); }),
                ElementsAre(ev(5, {5, kDocsY}), ev(2, {docs}), ev(8, {5, kDocsY})))
        << "on an expand button only the button counts";
}

TEST_F(UserInput, AContextClickReportsTheButtonAsGiven) {
    EXPECT_THAT(eventsOf([&] { StandIn::RightClick(window, kSizeX, kDocsY); }),
                ElementsAre(ev(5, {kSizeX, kDocsY}), ev(4, {docs, sizeColumn}), ev(6),
                            ev(1, {kSizeX, kDocsY, 2, docs, sizeColumn}), ev(8, {kSizeX, kDocsY})));
    for (const int button : {0, 1, 3, 4, -7}) {
        const auto events = eventsOf([&] {
            StandIn::RightClick(window, kSizeX, kDocsY, static_cast<TreeMouseButton>(button));
        });
        EXPECT_THAT(events, testing::Contains(ev(1, {kSizeX, kDocsY, button, docs, sizeColumn})))
            << button;
    }
    EXPECT_THAT(eventsOf([&] { StandIn::RightClick(window, kNameX, 5); }),
                ElementsAre(ev(5, {kNameX, 5}), ev(8, {kNameX, 5})))
        << "on a header";
}

TEST_F(UserInput, AContextClickOnASelectedNodeKeepsTheSelection) {
    tree.SetAllowMultiSelection(true);
    tree.SelectNode(docs, true);
    tree.SelectNode(src, true);
    EXPECT_THAT(eventsOf([&] { StandIn::RightClick(window, kNameX, kSrcY); }),
                ElementsAre(ev(5, {kNameX, kSrcY}), ev(4, {src, nameColumn}),
                            ev(1, {kNameX, kSrcY, 2, src, nameColumn}), ev(8, {kNameX, kSrcY})));
    EXPECT_THAT(selected(), ElementsAre(docs, src));
    EXPECT_EQ(tree.GetFocusedRow(), src);

    StandIn::RightClick(window, kNameX, kReadmeY);
    EXPECT_THAT(selected(), ElementsAre(readme));
}

// ---------------------------------------------------------------------------
// Sorting by a header
// ---------------------------------------------------------------------------

TEST_F(UserInput, AClickOnASortableHeaderSortsEverySiblingListByThatColumn) {
    tree.SetCellValue(docs, sizeColumn, textValue(u"9"));
    tree.SetCellValue(src, sizeColumn, textValue(u"100"));
    tree.ExpandTlistAll();
    const auto sizeHeader = [&] { StandIn::Click(window, kSizeX, 5); };

    EXPECT_THAT(eventsOf(sizeHeader), ElementsAre(ev(5, {kSizeX, 5}), ev(15), ev(8, {kSizeX, 5})));
    EXPECT_THAT(visibleNodes(), ElementsAre(docs, img, bPng, aTxt, readme, src, mainCpp))
        << "numbers by size, and a cell without value first";
    sizeHeader();
    EXPECT_THAT(visibleNodes(), ElementsAre(src, mainCpp, readme, docs, aTxt, img, bPng))
        << "the same header again: the other way round";
    EXPECT_EQ(tree.GetNodeIndexById(docs), 2);
    EXPECT_EQ(tree.GetNextSiblingNode(readme), docs);
    EXPECT_EQ(tree.GetNextSiblingNode(docs), -1);
    EXPECT_EQ(tree.GetParentNode(bPng), img) << "sorting moves no node to another parent";

    StandIn::Click(window, kNameX, 5);
    EXPECT_THAT(visibleNodes(), ElementsAre(docs, aTxt, img, bPng, readme, src, mainCpp))
        << "another header starts ascending";

    tree.EnableColumnSort(sizeColumn, false);
    EXPECT_THAT(eventsOf(sizeHeader), ElementsAre(ev(5, {kSizeX, 5}), ev(8, {kSizeX, 5})));
    EXPECT_THAT(visibleNodes(), ElementsAre(docs, aTxt, img, bPng, readme, src, mainCpp));
}

TEST(ArborkitSorting, OrdersCellsWithoutValueThenNumbersThenTexts) {
    auto control = TreeComponentFactory::CreateTreeControl();
    addColumn(*control, u"name");
    const std::vector<Value> values = {textValue(u"b"),
                                       Value(),
                                       textValue(u"10"),
                                       Value::FromInt32(-12),
                                       textValue(u"9"),
                                       textValue(u"a"),
                                       textValue(u"99999999999999999999"),
                                       Value::FromIntPtr(IntPtr(5)),
                                       textValue(u"-"),
                                       textValue(u""),
                                       textValue(u"-3")};
    for (const Value& value : values) {
        const std::int32_t node = control->AddNode(ComponentString(), -1);
        control->SetCellValue(node, 0, value);
    }
    StandIn::Click(windowOf(*control), 10, 5);

    std::vector<Value> sorted(values.size());
    for (std::int32_t node = 0; node < static_cast<std::int32_t>(values.size()); ++node)
        sorted[static_cast<std::size_t>(control->GetNodeIndexById(node))] = values[node];
    EXPECT_THAT(sorted,
                ElementsAre(Value(), Value::FromInt32(-12), textValue(u"-3"),
                            Value::FromIntPtr(IntPtr(5)), textValue(u"9"), textValue(u"10"),
                            textValue(u""), textValue(u"-"), textValue(u"99999999999999999999"),
                            textValue(u"a"), textValue(u"b")))
        << "a number too large for 64 bits sorts as a text";
}

// ---------------------------------------------------------------------------
// Expanding and collapsing
// ---------------------------------------------------------------------------

TEST_F(UserInput, ExpandAndCollapseReportOnlyChanges) {
    EXPECT_THAT(eventsOf([&] { StandIn::Expand(window, docs); }), ElementsAre(ev(2, {docs})));
    EXPECT_THAT(eventsOf([&] { StandIn::Expand(window, docs); }), IsEmpty());
    EXPECT_THAT(eventsOf([&] { StandIn::Expand(window, readme); }), IsEmpty()) << "a leaf";
    EXPECT_THAT(eventsOf([&] { StandIn::Collapse(window, src); }), IsEmpty());
    EXPECT_THAT(eventsOf([&] { StandIn::Expand(window, img); }), ElementsAre(ev(2, {img})));
    EXPECT_EQ(tree.GetNodeVisibleIndex(bPng), 3);
}

TEST_F(UserInput, CollapsingOverTheFocusMovesItToTheCollapsedNode) {
    tree.ExpandTlistAll();
    tree.SetFocusedCol(sizeColumn);
    tree.SetFocusedRow(bPng);
    EXPECT_THAT(eventsOf([&] { StandIn::Collapse(window, docs); }),
                ElementsAre(ev(3, {docs}), ev(4, {docs, sizeColumn})));
    EXPECT_EQ(tree.GetFocusedRow(), docs);
    EXPECT_THAT(selected(), ElementsAre(bPng)) << "the selection is the user's";

    tree.SetTopVisibleNodeIndex(3); // readme, the last of docs, src, main.cpp, readme
    StandIn::Collapse(window, src);
    EXPECT_EQ(tree.GetTopVisibleNodeIndex(), 2) << "the top follows the shorter list";
}

TEST_F(UserInput, OnlyShownNodesCanBeExpandedByTheUser) {
    EXPECT_THAT(failureOf([&] { StandIn::Expand(window, img); }),
                testing::StartsWith("Expand: node " + std::to_string(img)));
    EXPECT_THAT(failureOf([&] { StandIn::Collapse(window, 99); }),
                testing::StartsWith("Collapse: no node has the id 99"));
    EXPECT_THAT(recorder->events, IsEmpty());
}

// ---------------------------------------------------------------------------
// Handlers that act while the events are raised
// ---------------------------------------------------------------------------

TEST_F(UserInput, AHandlerThatDisposesTheControlEndsTheAction) {
    recorder->reaction = [&](TreeEventType type) {
        if (type == TreeEventType::MouseA) dispose(tree);
    };
    EXPECT_THAT(eventsOf([&] { StandIn::DoubleClick(window, kNameX, kDocsY); }),
                ElementsAre(ev(5, {kNameX, kDocsY})));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_THROW(StandIn::Click(window, kNameX, kDocsY), ComponentError);
}

TEST_F(UserInput, AHandlerThatRemovesTheClickedNodeIsNotContradicted) {
    tree.SetAutoExpand(true); // docs opens on focus: no event for it once it is gone
    recorder->reaction = [&](TreeEventType type) {
        if (type == TreeEventType::CellB && tree.GetNodeCount() == 7) tree.RemoveNode(docs);
    };
    EXPECT_THAT(eventsOf([&] { StandIn::DoubleClick(window, kNameX, kDocsY); }),
                ElementsAre(ev(5, {kNameX, kDocsY}), ev(4, {docs, nameColumn}),
                            ev(8, {kNameX, kDocsY}), ev(7, {kNameX, kDocsY, src, nameColumn}),
                            ev(2, {src})))
        << "no selection or cell click for the removed node; the double click then lands on "
           "src, which moved up under the pointer";
    EXPECT_EQ(tree.GetFocusedRow(), -1);
    EXPECT_EQ(tree.GetNodeVisibleIndex(mainCpp), 1);
}

TEST_F(UserInput, AHandlersFailureEndsTheActionAndReachesTheCaller) {
    recorder->reaction = [&](TreeEventType type) {
        if (type == TreeEventType::CellB) throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(StandIn::Click(window, kNameX, kDocsY), std::runtime_error);
    EXPECT_THAT(recorder->events, ElementsAre(ev(5, {kNameX, kDocsY}), ev(4, {docs, nameColumn})));
    EXPECT_EQ(tree.GetFocusedRow(), docs) << "what happened before the event stays";
}

TEST(ArborkitUserInput, NeedsALiveControl) {
    EXPECT_THROW(StandIn::Click(nullptr, 0, 0), ComponentError);
    auto control = TreeComponentFactory::CreateTreeControl();
    const HWND window = windowOf(*control);
    dispose(*control);
    EXPECT_THROW(StandIn::DoubleClick(window, 0, 0), ComponentError);
    EXPECT_THROW(StandIn::RightClick(window, 0, 0), ComponentError);
    EXPECT_THROW(StandIn::Expand(window, 0), ComponentError);
}

// ---------------------------------------------------------------------------
// All the way to the parent window
// ---------------------------------------------------------------------------

TEST(ArborkitUserInput, AClickReachesTheFacadesParentWindowAsMessages) {
    testsupport::TestWindow parent;
    NDXxXtraTreeList list;
    SetParent(list.Handle(), parent.handle());
    std::shared_ptr<ITreeListControl> control = StandIn::FindControl(list.Handle());
    addColumn(*control, u"name");
    const std::int32_t node = control->AddNode(text(u"only"), -1);

    StandIn::Click(list.Handle(), 10, 30);

    std::vector<std::pair<UINT, std::vector<std::int32_t>>> received;
    for (const testsupport::ReceivedMessage& m : parent.received())
        received.emplace_back(m.message, m.payload);
    using Payload = std::vector<std::int32_t>;
    EXPECT_THAT(received,
                ElementsAre(std::pair{2029u, Payload{10, 30}}, std::pair{2028u, Payload{node, 0}},
                            std::pair{2030u, Payload{}}, std::pair{2024u, Payload{node, 0}},
                            std::pair{2032u, Payload{10, 30}}));
}

} // namespace
