// What every operation promises its caller: a refusal is a ComponentError
// that names the operation and the value it refused, and leaves the control
// as it was; and the journal records real results.
#include "journal_file.h"
#include "small_tree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace ArborkitLib;
using namespace arborkit_test;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

constexpr std::int32_t kNoSuchNode = 99;
constexpr std::int32_t kNoSuchColumn = 5;
constexpr float kInfinity = std::numeric_limits<float>::infinity();

struct Refusal {
    const char* operation;
    std::function<void(ITreeListControl&)> call;
    const char* value; // how the message names the refused value
};

// The small tree, made outside a test's own fixture so that each refusal
// can have a fresh one.
class Refusals : public SmallTree {
public:
    void TestBody() override {}
    std::vector<Refusal> table();
    using SmallTree::control;
};

std::vector<Refusal> Refusals::table() {
    const std::int32_t n = docs;
    const std::int32_t c = nameColumn;
    const std::int32_t N = kNoSuchNode;
    const std::int32_t C = kNoSuchColumn;
    using T = ITreeListControl;
    return {
        // Nodes, tags and keys.
        {"AddNode", [=](T& t) { t.AddNode(text(u"x"), N); }, "99"},
        {"AddNodeEx", [=](T& t) { t.AddNodeEx(RowInfoRecord{}, N); }, "99"},
        {"RemoveNode", [=](T& t) { t.RemoveNode(N); }, "99"},
        {"GetNodeLevel", [=](T& t) { t.GetNodeLevel(N); }, "99"},
        {"GetParentNode", [=](T& t) { t.GetParentNode(N); }, "99"},
        {"GetNextSiblingNode", [=](T& t) { t.GetNextSiblingNode(N); }, "99"},
        {"GetNodeIndexById", [=](T& t) { t.GetNodeIndexById(N); }, "99"},
        {"SetNodeTag", [=](T& t) { t.SetNodeTag(n, Value::FromInt32(5)); }, "int32:5"},
        {"GetNodeTag", [=](T& t) { t.GetNodeTag(N); }, "99"},
        {"GetNodeIdByKeyValue", [=](T& t) { t.GetNodeIdByKeyValue(textValue(u"k")); }, "key field"},
        {"FullExpandNode", [=](T& t) { t.FullExpandNode(N); }, "99"},
        // Columns and headers.
        {"AddColumn",
         [=](T& t) {
             t.AddColumn(text(u"x"), text(u"x"), text(u"x"), true, false, Value::FromInt32(9),
                         true);
         },
         "9"},
        {"RemoveColumn", [=](T& t) { t.RemoveColumn(C); }, "5"},
        {"SetColumnCaption", [=](T& t) { t.SetColumnCaption(C, text(u"x")); }, "5"},
        {"GetColumnCaption", [=](T& t) { t.GetColumnCaption(-1); }, "-1"},
        {"SetColumnWidth", [=](T& t) { t.SetColumnWidth(c, -4); }, "-4"},
        {"GetColumnWidth", [=](T& t) { t.GetColumnWidth(C); }, "5"},
        {"SetColumnFixedLeft", [=](T& t) { t.SetColumnFixedLeft(C, true); }, "5"},
        {"SetColumnTextIndent", [=](T& t) { t.SetColumnTextIndent(c, -2); }, "-2"},
        {"SetColumnImageIndent", [=](T& t) { t.SetColumnImageIndent(c, -3); }, "-3"},
        {"SetColumnTextOptionTrimming", [=](T& t) { t.SetColumnTextOptionTrimming(c, 7); }, "7"},
        {"SetColumnTextOptionTrimming", [=](T& t) { t.SetColumnTextOptionTrimming(c, -1); }, "-1"},
        {"SetColPicHCenter", [=](T& t) { t.SetColPicHCenter(C, true); }, "5"},
        {"SetColumnVisibleIndex", [=](T& t) { t.SetColumnVisibleIndex(C, 0); }, "5"},
        {"GetColumnVisibleIndex", [=](T& t) { t.GetColumnVisibleIndex(C); }, "5"},
        {"GetNextVisibleColumnIndex", [=](T& t) { t.GetNextVisibleColumnIndex(C); }, "5"},
        {"GetPreVisibleColumnIndex", [=](T& t) { t.GetPreVisibleColumnIndex(C); }, "5"},
        {"SetColumnTag", [=](T& t) { t.SetColumnTag(C, 1); }, "5"},
        {"GetColumnTag", [=](T& t) { t.GetColumnTag(C); }, "5"},
        {"EnableColumnSort", [=](T& t) { t.EnableColumnSort(C, true); }, "5"},
        {"SetColumnHeaderFontName", [=](T& t) { t.SetColumnHeaderFontName(C, text(u"")); }, "5"},
        {"SetColumnHeaderFontSize", [=](T& t) { t.SetColumnHeaderFontSize(c, kInfinity); }, "inf"},
        {"SetColumnHeaderFontGdiCharSet", [=](T& t) { t.SetColumnHeaderFontGdiCharSet(C, 0); },
         "5"},
        {"SetColumnHeaderPicture", [=](T& t) { t.SetColumnHeaderPicture(C, 1); }, "5"},
        {"SetColumnHeaderBackColor", [=](T& t) { t.SetColumnHeaderBackColor(C, 1); }, "5"},
        {"SetColumnHeaderForeColor", [=](T& t) { t.SetColumnHeaderForeColor(C, 1); }, "5"},
        {"SetColumnHeaderAlignCenter", [=](T& t) { t.SetColumnHeaderAlignCenter(C); }, "5"},
        {"SetColumnHeaderHeight", [=](T& t) { t.SetColumnHeaderHeight(-1); }, "-1"},
        // Cells.
        {"SetCellValue", [=](T& t) { t.SetCellValue(n, C, Value()); }, "5"},
        {"SetCellValue", [=](T& t) { t.SetCellValue(N, c, Value()); }, "99"},
        {"GetCellValue", [=](T& t) { t.GetCellValue(n, -1); }, "-1"},
        {"SetCellDisplayText", [=](T& t) { t.SetCellDisplayText(N, c, text(u"")); }, "99"},
        {"SetCellTag", [=](T& t) { t.SetCellTag(n, C, 1); }, "5"},
        {"GetCellTag", [=](T& t) { t.GetCellTag(N, c); }, "99"},
        {"SetCellFontName", [=](T& t) { t.SetCellFontName(n, C, text(u"")); }, "5"},
        {"SetCellFontSize", [=](T& t) { t.SetCellFontSize(n, c, -0.5F); }, "-0.5"},
        {"SetFontUnderLine", [=](T& t) { t.SetFontUnderLine(N, c, true); }, "99"},
        {"SetCellBackColor", [=](T& t) { t.SetCellBackColor(n, C, -1); }, "5"},
        {"SetCellForeColor", [=](T& t) { t.SetCellForeColor(N, c, -1); }, "99"},
        {"SetCellPicture", [=](T& t) { t.SetCellPicture(n, C, 1); }, "5"},
        {"SetCellStateImage", [=](T& t) { t.SetCellStateImage(N, c, 1); }, "99"},
        {"SetCellAlignCenter", [=](T& t) { t.SetCellAlignCenter(n, C); }, "5"},
        {"GetCellRect", [=](T& t) { t.GetCellRect(N, c); }, "99"},
        {"GetCellRect", [=](T& t) { t.GetCellRect(n, C); }, "5"},
        // Rows and look.
        {"SetRowFontName", [=](T& t) { t.SetRowFontName(N, text(u"")); }, "99"},
        {"SetRowFontSize", [=](T& t) { t.SetRowFontSize(n, -1.0F); }, "-1"},
        {"SetRowFontGdiCharSet", [=](T& t) { t.SetRowFontGdiCharSet(N, 0); }, "99"},
        {"SetRowFontBold", [=](T& t) { t.SetRowFontBold(N, true); }, "99"},
        {"SetRowBackColor", [=](T& t) { t.SetRowBackColor(N, 0); }, "99"},
        {"SetRowForeColor", [=](T& t) { t.SetRowForeColor(N, 0); }, "99"},
        {"SetRowSelectedBackColor", [=](T& t) { t.SetRowSelectedBackColor(N, 0); }, "99"},
        {"SetRowSelectedForeColor", [=](T& t) { t.SetRowSelectedForeColor(N, 0); }, "99"},
        {"SetRowHeight", [=](T& t) { t.SetRowHeight(0); }, "0"},
        {"SetRowShadeStyle", [=](T& t) { t.SetRowShadeStyle(N, true); }, "99"},
        {"SetLookStyle", [=](T& t) { t.SetLookStyle(5); }, "5"},
        {"SetTreeLineStyle", [=](T& t) { t.SetTreeLineStyle(-1); }, "-1"},
        // Selection, focus and navigation.
        {"SelectNode", [=](T& t) { t.SelectNode(N, true); }, "99"},
        {"SelectOffspring", [=](T& t) { t.SelectOffspring(N); }, "99"},
        {"IsSelected", [=](T& t) { t.IsSelected(N); }, "99"},
        {"GetSelectedNodeId", [=](T& t) { t.GetSelectedNodeId(0); }, "0"},
        {"SetFocusedRow", [=](T& t) { t.SetFocusedRow(N); }, "99"},
        {"SetFocusedCol", [=](T& t) { t.SetFocusedCol(C); }, "5"},
        {"SetTopVisibleNodeIndex", [=](T& t) { t.SetTopVisibleNodeIndex(-1); }, "-1"},
        {"GetNodeVisibleIndex", [=](T& t) { t.GetNodeVisibleIndex(N); }, "99"},
        {"GetNextVisibleNodeId", [=](T& t) { t.GetNextVisibleNodeId(N); }, "99"},
        {"GetPreVisibleNodeId", [=](T& t) { t.GetPreVisibleNodeId(N); }, "99"},
        // View options, images and export.
        {"SetViewOptions", [=](T& t) { t.SetViewOptions(7, true); }, "7"},
        {"AddImage", [=](T& t) { t.AddImage(1, 0, 0, 16, 16); }, "handle"},
        {"AddImage", [=](T& t) { t.AddImage(1, 5, 3, 16, 16); }, "3"},
        {"AddImage", [=](T& t) { t.AddImage(1, 5, 0, 0, 16); }, "0x16"},
        {"GetPictureRect", [=](T& t) { t.GetPictureRect(N); }, "99"},
        {"ExportDataToTxt", [=](T& t) { t.ExportDataToTxt(ComponentString()); }, "absent"},
        {"SetBounds",
         [=](T& t) {
             t.SetBounds({0, 0, -1, 1});
         },
         "negative"},
    };
}

TEST(ArborkitRefusals, NameTheOperationAndTheValue) {
    Refusals fixture;
    for (const Refusal& refusal : fixture.table()) {
        SCOPED_TRACE(refusal.operation);
        Refusals fresh;
        try {
            refusal.call(*fresh.control);
            ADD_FAILURE() << "no failure";
        } catch (const ComponentError& error) {
            EXPECT_THAT(error.what(), StartsWith(std::string(refusal.operation) + ": "));
            EXPECT_THAT(error.what(), HasSubstr(refusal.value));
        }
        // Nothing changed: still the fixture's tree.
        EXPECT_EQ(fresh.control->GetNodeCount(), 7);
        EXPECT_EQ(fresh.control->GetColumnCount(), 2);
        EXPECT_EQ(fresh.control->GetColumnWidth(0), 150);
    }
}

TEST(ArborkitRefusals, ADisposedControlRefusesEverything) {
    Refusals fixture;
    dispose(*fixture.control);
    // Every call in the table is refused by a live control too: the message
    // tells the refusal of a disposed one.
    const auto expectDisposed = [](const char* operation, const std::function<void()>& call) {
        SCOPED_TRACE(operation);
        try {
            call();
            ADD_FAILURE() << "no failure";
        } catch (const ComponentError& error) {
            EXPECT_EQ(error.what(), std::string(operation) + ": the control has been disposed");
        }
    };
    for (const Refusal& refusal : fixture.table()) {
        expectDisposed(refusal.operation, [&] { refusal.call(*fixture.control); });
    }
    expectDisposed("GetNodeCount", [&] { fixture.control->GetNodeCount(); });
}

TEST(ArborkitJournal, RecordsRealResultsAndRefusals) {
    testsupport::ScopedJournal journal;
    auto control = TreeComponentFactory::CreateTreeControl();
    ITreeListControl& tree = *control;
    addColumn(tree, u"name");
    const std::int32_t node = tree.AddNode(text(u"top"), -1);
    tree.SetNodeTag(node, Value::FromIntPtr(IntPtr(-1)));
    journal.clear();

    tree.GetNodeTag(node);
    tree.GetCellValue(node, 0);
    tree.GetCellRect(node, 0);
    tree.SetColumnCaption(0, ComponentString());
    tree.GetColumnCaption(0);
    tree.GetRowByPoint(5, 30);
    EXPECT_THROW(tree.GetNodeLevel(7), ComponentError);

    EXPECT_THAT(journal.lines(),
                ElementsAre("GetNodeTag\t0\t=> intptr:-1", "GetCellValue\t0\t0\t=> \"top\"",
                            "GetCellRect\t0\t0\t=> 0,24,100,20", "SetColumnCaption\t0\tnull",
                            "GetColumnCaption\t0\t=> null", "GetRowByPoint\t5\t30\t=> 0",
                            "GetNodeLevel\t7\t!> \"GetNodeLevel: no node has the id 7\""));
}

} // namespace
