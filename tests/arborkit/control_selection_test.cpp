// Selection, focus and the top visible index.
#include "small_tree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ArborkitLib;
using namespace arborkit_test;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

class Selecting : public SmallTree {};

TEST_F(Selecting, SingleSelectionHoldsOneNodeAtMost) {
    tree.SelectNode(img, true);
    tree.SelectNode(src, true);
    EXPECT_THAT(selected(), ElementsAre(src));
    EXPECT_FALSE(tree.IsSelected(img));
    tree.SelectNode(img, false);
    EXPECT_THAT(selected(), ElementsAre(src)) << "deselecting another node changes nothing";
    tree.SelectNode(src, false);
    EXPECT_THAT(selected(), IsEmpty());
}

TEST_F(Selecting, MultipleSelectionKeepsTheOrderOfSelecting) {
    tree.SetAllowMultiSelection(true);
    tree.SelectNode(readme, true);
    tree.SelectNode(aTxt, true); // hidden nodes can be selected too
    tree.SelectNode(readme, true);
    tree.SelectNode(docs, true);
    EXPECT_THAT(selected(), ElementsAre(readme, aTxt, docs));

    tree.SelectNode(aTxt, false);
    EXPECT_THAT(selected(), ElementsAre(readme, docs));
    tree.SetAllowMultiSelection(false);
    EXPECT_THAT(selected(), ElementsAre(docs)) << "the node selected last stays";
}

TEST_F(Selecting, SelectOffspringAddsTheWholeSubtreeInTreeOrder) {
    tree.SetAllowMultiSelection(true);
    tree.SelectNode(img, true);
    tree.SelectOffspring(docs);
    EXPECT_THAT(selected(), ElementsAre(img, aTxt, bPng)) << "not docs itself, img only once";

    tree.SetAllowMultiSelection(false);
    EXPECT_THROW(tree.SelectOffspring(src), ComponentError);
    EXPECT_THAT(selected(), ElementsAre(bPng));
    EXPECT_NO_THROW(tree.SelectOffspring(readme)) << "no offspring: nothing to refuse";
}

TEST_F(Selecting, ReadingPastTheSelectionFails) {
    tree.SelectNode(src, true);
    EXPECT_EQ(tree.GetSelectedNodeId(0), src);
    EXPECT_THROW(tree.GetSelectedNodeId(1), ComponentError);
    EXPECT_THROW(tree.GetSelectedNodeId(-1), ComponentError);
}

TEST_F(Selecting, RemovedNodesLeaveTheSelectionAndTheFocus) {
    tree.SetAllowMultiSelection(true);
    tree.SelectNode(bPng, true);
    tree.SelectNode(readme, true);
    tree.SetFocusedRow(img);
    tree.SelectNode(readme, true);
    tree.RemoveNode(img);
    EXPECT_THAT(selected(), ElementsAre(readme));
    EXPECT_EQ(tree.GetFocusedRow(), -1);

    tree.SetFocusedRow(src);
    tree.ClearNodes();
    EXPECT_THAT(selected(), IsEmpty());
    EXPECT_EQ(tree.GetFocusedRow(), -1);
}

TEST_F(Selecting, FocusingANodeSelectsItAloneAndAutoExpandOpensIt) {
    EXPECT_EQ(tree.GetFocusedRow(), -1);
    EXPECT_EQ(tree.GetFocusedCol(), -1);
    tree.SetAllowMultiSelection(true);
    tree.SelectNode(readme, true);
    tree.SelectNode(docs, true);

    tree.SetFocusedRow(src);
    EXPECT_EQ(tree.GetFocusedRow(), src);
    EXPECT_THAT(selected(), ElementsAre(src));
    EXPECT_EQ(tree.GetNodeVisibleIndex(mainCpp), -1) << "no auto-expand yet";

    tree.SetAutoExpand(true);
    tree.SetFocusedRow(docs);
    EXPECT_EQ(tree.GetNodeVisibleIndex(aTxt), 1);
    tree.SetFocusedRow(-1);
    EXPECT_EQ(tree.GetFocusedRow(), -1);
    EXPECT_THAT(selected(), ElementsAre(docs)) << "losing the focus keeps the selection";
    EXPECT_THROW(tree.SetFocusedRow(99), ComponentError);
}

TEST_F(Selecting, OnlyAShownColumnTakesTheFocus) {
    tree.SetFocusedCol(sizeColumn);
    EXPECT_EQ(tree.GetFocusedCol(), sizeColumn);
    tree.SetColumnVisibleIndex(sizeColumn, -1);
    EXPECT_EQ(tree.GetFocusedCol(), -1) << "hiding the focused column drops its focus";
    EXPECT_THROW(tree.SetFocusedCol(sizeColumn), ComponentError);
    EXPECT_THROW(tree.SetFocusedCol(5), ComponentError);
    tree.SetFocusedCol(-1);
    EXPECT_EQ(tree.GetFocusedCol(), -1);
}

TEST_F(Selecting, TheTopVisibleIndexStaysOnAVisibleNode) {
    tree.ExpandTlistAll(); // 7 visible nodes
    tree.SetTopVisibleNodeIndex(4);
    EXPECT_EQ(tree.GetTopVisibleNodeIndex(), 4);
    tree.SetTopVisibleNodeIndex(50);
    EXPECT_EQ(tree.GetTopVisibleNodeIndex(), 6) << "past the end: the last node";
    EXPECT_THROW(tree.SetTopVisibleNodeIndex(-1), ComponentError);

    tree.RemoveNode(src); // 5 visible nodes left
    EXPECT_EQ(tree.GetTopVisibleNodeIndex(), 4);
    tree.AddNode(text(u"more"), -1);
    EXPECT_EQ(tree.GetTopVisibleNodeIndex(), 4) << "growing again does not scroll back";
    tree.ClearNodes();
    EXPECT_EQ(tree.GetTopVisibleNodeIndex(), -1) << "no node to be at the top";
}

} // namespace
