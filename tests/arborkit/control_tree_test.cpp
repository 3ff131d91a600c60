// The control's nodes: structure, ids, tags, expansion, visible-node
// navigation and lookup by key.
#include "small_tree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

using namespace ArborkitLib;
using namespace arborkit_test;
using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// ---------------------------------------------------------------------------
// Structure and ids
// ---------------------------------------------------------------------------

TEST_F(SmallTree, ReportsParentsLevelsIndexesAndSiblings) {
    struct Expected {
        std::int32_t node, parent, level, index, nextSibling;
    };
    const Expected cases[] = {
        {docs, -1, 0, 0, src},  {aTxt, docs, 1, 0, img}, {img, docs, 1, 1, -1},
        {bPng, img, 2, 0, -1},  {src, -1, 0, 1, readme}, {mainCpp, src, 1, 0, -1},
        {readme, -1, 0, 2, -1},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.node);
        EXPECT_EQ(tree.GetParentNode(e.node), e.parent);
        EXPECT_EQ(tree.GetNodeLevel(e.node), e.level);
        EXPECT_EQ(tree.GetNodeIndexById(e.node), e.index);
        EXPECT_EQ(tree.GetNextSiblingNode(e.node), e.nextSibling);
    }
    EXPECT_EQ(tree.GetNodeCount(), 7);
}

TEST_F(SmallTree, RemovingANodeTakesItsSubtreeAndNeverFreesItsIds) {
    tree.RemoveNode(docs);
    EXPECT_EQ(tree.GetNodeCount(), 3);
    for (std::int32_t gone : {docs, aTxt, img, bPng}) {
        EXPECT_THROW(tree.GetNodeLevel(gone), ComponentError) << gone;
    }
    EXPECT_EQ(tree.GetNodeIndexById(src), 0) << "the later siblings move up";

    const std::int32_t added = tree.AddNode(text(u"new"), -1);
    EXPECT_EQ(added, readme + 1) << "ids count on, past the removed ones";
    tree.ClearNodes();
    EXPECT_EQ(tree.GetNodeCount(), 0);
    EXPECT_EQ(tree.AddNode(text(u"after clearing"), -1), added + 1);
}

TEST_F(SmallTree, ANewNodeNeedsAKnownParent) {
    EXPECT_THROW(tree.AddNode(text(u"x"), 99), ComponentError);
    EXPECT_THROW(tree.AddNode(text(u"x"), -2), ComponentError) << "only -1 is the top level";
    EXPECT_EQ(tree.GetNodeCount(), 7) << "nothing was added";
}

TEST(ArborkitNodes, AWholeRowKeepsItsCellsTagAndFontEvenBeforeItsColumnsExist) {
    auto control = TreeComponentFactory::CreateTreeControl();
    RowInfoRecord row;
    row.fontName = text(u"Serif");
    row.fontSize = 9.5F;
    row.nodeTag = IntPtr(std::numeric_limits<std::intptr_t>::min());
    row.cells = {CellInfoRecord{text(u"first"), 1, 2, -1, ComponentString()},
                 CellInfoRecord{ComponentString(), 3, 4, 5, text(u"shown")}};
    const std::int32_t node = control->AddNodeEx(row, -1);
    const std::int32_t nodeText = control->AddNode(text(u"plain"), -1);

    addColumn(*control, u"one");
    EXPECT_EQ(control->GetCellValue(node, 0), textValue(u"first"));
    EXPECT_EQ(control->GetCellValue(nodeText, 0), textValue(u"plain"));
    EXPECT_THROW(control->GetCellValue(node, 1), ComponentError) << "no column 1 yet";
    addColumn(*control, u"two");
    EXPECT_TRUE(control->GetCellValue(node, 1).IsNothing()) << "an absent value stays absent";
    EXPECT_EQ(control->GetNodeTag(node), Value::FromIntPtr(row.nodeTag));
    EXPECT_EQ(control->GetNodeTag(nodeText), Value::FromIntPtr(IntPtr(0)));
}

TEST(ArborkitNodes, AWholeRowWithABadFontSizeAddsNothing) {
    auto control = TreeComponentFactory::CreateTreeControl();
    RowInfoRecord row;
    row.fontSize = -1.0F;
    EXPECT_THROW(control->AddNodeEx(row, -1), ComponentError);
    row.fontSize = std::numeric_limits<float>::quiet_NaN();
    EXPECT_THROW(control->AddNodeEx(row, -1), ComponentError);
    EXPECT_EQ(control->GetNodeCount(), 0);
}

// ---------------------------------------------------------------------------
// Tags
// ---------------------------------------------------------------------------

TEST_F(SmallTree, TagsKeepEveryBitAndMustBePointerSized) {
    for (const std::intptr_t value :
         {std::intptr_t{-1}, std::intptr_t{0}, std::numeric_limits<std::intptr_t>::min(),
          std::numeric_limits<std::intptr_t>::max(), reinterpret_cast<std::intptr_t>(&tree)}) {
        tree.SetNodeTag(img, Value::FromIntPtr(IntPtr(value)));
        EXPECT_EQ(tree.GetNodeTag(img).AsIntPtr().value, value);
    }
    EXPECT_EQ(tree.GetNodeTag(bPng).AsIntPtr().value, 0) << "other nodes keep theirs";

    for (const Value& wrong : {Value(), Value::FromInt32(5), textValue(u"5")}) {
        EXPECT_THROW(tree.SetNodeTag(img, wrong), ComponentError);
    }
    EXPECT_THROW(tree.SetNodeTag(99, Value::FromIntPtr(IntPtr(1))), ComponentError);
}

// ---------------------------------------------------------------------------
// Expansion and visible-node navigation
// ---------------------------------------------------------------------------

TEST_F(SmallTree, OnlyTopLevelNodesAreVisibleUntilSomethingIsExpanded) {
    EXPECT_THAT(visibleNodes(), ElementsAre(docs, src, readme));
    EXPECT_EQ(tree.GetVisibleNodesCount(), 3);
    EXPECT_EQ(tree.GetNodeVisibleIndex(readme), 2);
    EXPECT_EQ(tree.GetNodeVisibleIndex(aTxt), -1) << "below a collapsed node";
    EXPECT_EQ(tree.GetNextVisibleNodeId(aTxt), -1);
    EXPECT_EQ(tree.GetPreVisibleNodeId(aTxt), -1);
    EXPECT_EQ(tree.GetPreVisibleNodeId(docs), -1);
    EXPECT_EQ(tree.GetNextVisibleNodeId(readme), -1);
}

TEST_F(SmallTree, FullExpandNodeOpensTheWholeSubtreeAndNothingElse) {
    tree.FullExpandNode(docs);
    EXPECT_THAT(visibleNodes(), ElementsAre(docs, aTxt, img, bPng, src, readme));
    EXPECT_EQ(tree.GetNodeVisibleIndex(bPng), 3);
    EXPECT_EQ(tree.GetPreVisibleNodeId(src), bPng);

    tree.FullExpandNode(readme); // a leaf: nothing to open
    tree.ExpandTlistAll();
    EXPECT_THAT(visibleNodes(), ElementsAre(docs, aTxt, img, bPng, src, mainCpp, readme));
}

TEST_F(SmallTree, ANodeWhoseLastChildGoesIsCollapsedForItsNextChild) {
    tree.ExpandTlistAll();
    tree.RemoveNode(mainCpp);
    const std::int32_t again = tree.AddNode(text(u"again.cpp"), src);
    EXPECT_EQ(tree.GetNodeVisibleIndex(again), -1);
    EXPECT_EQ(tree.GetNodeVisibleIndex(bPng), 3) << "other nodes stay open";
}

TEST(ArborkitNodes, NavigationHandlesADeepChainWithoutRecursion) {
    auto control = TreeComponentFactory::CreateTreeControl();
    std::int32_t parent = -1;
    for (int level = 0; level < 20000; ++level)
        parent = control->AddNode(text(u"n"), parent);
    control->ExpandTlistAll();
    EXPECT_EQ(control->GetVisibleNodesCount(), 20000);
    EXPECT_EQ(control->GetNodeVisibleIndex(parent), 19999);
    EXPECT_EQ(control->GetNodeLevel(parent), 19999);
    control->RemoveNode(0);
    EXPECT_EQ(control->GetNodeCount(), 0);
}

// ---------------------------------------------------------------------------
// Lookup by key
// ---------------------------------------------------------------------------

TEST_F(SmallTree, FindsTheFirstNodeInTreeOrderWhoseKeyCellHoldsTheValue) {
    tree.SetKeyFieldName(text(u"name"));
    tree.SetCellValue(readme, nameColumn, textValue(u"b.png")); // a later duplicate
    tree.SetCellValue(src, sizeColumn, Value::FromInt32(7));
    const std::pair<std::u16string, std::int32_t> cases[] = {
        {u"docs", docs}, {u"b.png", bPng}, {u"main.cpp", mainCpp},
        {u"B.PNG", -1},  {u"b.pn", -1},    {u"", -1},
    };
    for (const auto& [key, expected] : cases) {
        EXPECT_EQ(tree.GetNodeIdByKeyValue(textValue(key)), expected);
    }
    tree.SetKeyFieldName(text(u"size"));
    EXPECT_EQ(tree.GetNodeIdByKeyValue(textValue(u"20")), bPng);
    EXPECT_EQ(tree.GetNodeIdByKeyValue(textValue(u"7")), src) << "an integer by its digits";
    EXPECT_EQ(tree.GetNodeIdByKeyValue(textValue(u"")), -1) << "a cell without value has no key";
}

TEST_F(SmallTree, WithADelimiterAKeyIsAPathFromTheTopLevel) {
    tree.SetKeyFieldName(text(u"name"));
    tree.SetDelimiter(text(u"::"));
    const std::pair<std::u16string, std::int32_t> cases[] = {
        {u"docs::img::b.png", bPng},
        {u"docs::img", img},
        {u"src", src},
        {u"b.png", -1},       // not at the top level
        {u"docs::b.png", -1}, // not a child of docs
        {u"docs::img::", -1}, // an empty last part
        {u"::docs", -1},      // an empty first part
        {u"docs:img", -1},    // half a delimiter
    };
    for (const auto& [key, expected] : cases) {
        EXPECT_EQ(tree.GetNodeIdByKeyValue(textValue(key)), expected);
    }
    tree.SetDelimiter(text(u""));
    EXPECT_EQ(tree.GetNodeIdByKeyValue(textValue(u"b.png")), bPng) << "empty: keys are whole";
}

TEST_F(SmallTree, KeyLookupNeedsAKeyFieldOfAColumnAndAStringKey) {
    const auto failure = [&](const Value& key) {
        return failureOf([&] { tree.GetNodeIdByKeyValue(key); });
    };
    EXPECT_THAT(failure(textValue(u"docs")), HasSubstr("no key field"));
    tree.SetKeyFieldName(text(u"nothing here"));
    EXPECT_THAT(failure(textValue(u"docs")), HasSubstr("\"nothing here\""));
    tree.SetKeyFieldName(text(u"name"));
    EXPECT_THAT(failure(Value()), HasSubstr("must be a string, not nothing"));
    EXPECT_THAT(failure(Value::FromInt32(3)), HasSubstr("not a 32-bit integer"));
    tree.SetKeyFieldName(ComponentString());
    EXPECT_THAT(failure(textValue(u"docs")), HasSubstr("no key field"));
}

} // namespace
