// The control's columns: indexes, visible order, captions, and what
// removing columns does to the cells and the focus.
#include "small_tree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ArborkitLib;
using namespace arborkit_test;
using testing::ElementsAre;

namespace {

class Columns : public testing::Test {
protected:
    // Four columns a, b, c (hidden) and d, index order = name order.
    Columns() {
        for (const char16_t* name : {u"a", u"b", u"c", u"d"}) {
            tree.AddColumn(text(name), text(name), text(name), name[0] != u'c', false,
                           Value::FromInt32(0), true);
        }
    }

    // Column indexes in visible order, as the control steps through them.
    std::vector<std::int32_t> visibleOrder() {
        std::vector<std::int32_t> order;
        for (std::int32_t col = 0; col < tree.GetColumnCount(); ++col) {
            if (tree.GetColumnVisibleIndex(col) == 0) order.push_back(col);
        }
        while (!order.empty()) {
            const std::int32_t next = tree.GetNextVisibleColumnIndex(order.back());
            if (next == -1) break;
            order.push_back(next);
        }
        EXPECT_EQ(static_cast<std::int32_t>(order.size()), tree.GetVisibleColumnCount());
        return order;
    }

    std::shared_ptr<ITreeListControl> control = TreeComponentFactory::CreateTreeControl();
    ITreeListControl& tree = *control;
};

TEST_F(Columns, VisibleOrderIsKeptApartFromIndexes) {
    EXPECT_THAT(visibleOrder(), ElementsAre(0, 1, 3));
    EXPECT_EQ(tree.GetColumnVisibleIndex(2), -1);

    tree.SetColumnVisibleIndex(3, 0);
    EXPECT_THAT(visibleOrder(), ElementsAre(3, 0, 1));
    tree.SetColumnVisibleIndex(2, 1);
    EXPECT_THAT(visibleOrder(), ElementsAre(3, 2, 0, 1));
    tree.SetColumnVisibleIndex(3, 99);
    EXPECT_THAT(visibleOrder(), ElementsAre(2, 0, 1, 3)) << "past the end: last";
    tree.SetColumnVisibleIndex(0, -1);
    EXPECT_THAT(visibleOrder(), ElementsAre(2, 1, 3));

    EXPECT_EQ(tree.GetPreVisibleColumnIndex(1), 2);
    EXPECT_EQ(tree.GetPreVisibleColumnIndex(2), -1);
    EXPECT_EQ(tree.GetNextVisibleColumnIndex(0), -1) << "a hidden column has no neighbours";
    EXPECT_THROW(tree.SetColumnVisibleIndex(1, -2), ComponentError);
    EXPECT_THROW(tree.GetNextVisibleColumnIndex(4), ComponentError);
}

TEST_F(Columns, RemovingAColumnMovesTheLaterColumnsTheirCellsAndTheFocusDown) {
    const std::int32_t node = tree.AddNode(text(u"in a"), -1);
    tree.SetCellValue(node, 1, textValue(u"in b"));
    tree.SetCellValue(node, 3, textValue(u"in d"));
    tree.SetCellTag(node, 3, 33);
    tree.SetColumnVisibleIndex(3, 0);
    tree.SetFocusedCol(3);

    tree.RemoveColumn(1);

    EXPECT_EQ(tree.GetColumnCount(), 3);
    EXPECT_EQ(tree.GetColumnCaption(2), textValue(u"d"));
    EXPECT_EQ(tree.GetCellValue(node, 0), textValue(u"in a"));
    EXPECT_TRUE(tree.GetCellValue(node, 1).IsNothing()) << "c had no value";
    EXPECT_EQ(tree.GetCellValue(node, 2), textValue(u"in d"));
    EXPECT_EQ(tree.GetCellTag(node, 2), 33);
    EXPECT_THAT(visibleOrder(), ElementsAre(2, 0));
    EXPECT_EQ(tree.GetFocusedCol(), 2);

    tree.RemoveColumn(2);
    EXPECT_EQ(tree.GetFocusedCol(), -1) << "the focused column is gone";
    EXPECT_THROW(tree.RemoveColumn(2), ComponentError);
}

TEST_F(Columns, ClearingColumnsDropsEveryCell) {
    const std::int32_t node = tree.AddNode(text(u"text"), -1);
    tree.ClearColumns();
    EXPECT_EQ(tree.GetColumnCount(), 0);
    EXPECT_EQ(tree.GetVisibleColumnCount(), 0);
    tree.AddColumn(text(u"new"), text(u"new"), text(u"New"), true, false, Value::FromInt32(0),
                   true);
    EXPECT_TRUE(tree.GetCellValue(node, 0).IsNothing());
}

TEST_F(Columns, CaptionsKeepAbsentApartFromEmpty) {
    tree.SetColumnCaption(0, ComponentString());
    tree.SetColumnCaption(1, text(u""));
    EXPECT_TRUE(tree.GetColumnCaption(0).IsNothing());
    EXPECT_EQ(tree.GetColumnCaption(1), textValue(u""));
    EXPECT_EQ(tree.GetColumnCaption(3), textValue(u"d"));
}

TEST_F(Columns, EditTypesAreSmallInt32Values) {
    const auto add = [&](const Value& editType) {
        return tree.AddColumn(text(u"e"), text(u"e"), text(u"E"), true, false, editType, true);
    };
    EXPECT_EQ(add(Value::FromInt32(6)), 4);
    for (const Value& bad : {Value::FromInt32(7), Value::FromInt32(-1),
                             Value::FromIntPtr(IntPtr(0)), textValue(u"0"), Value()}) {
        EXPECT_THROW(add(bad), ComponentError);
    }
    EXPECT_EQ(tree.GetColumnCount(), 5) << "a refused column is not added";
}

TEST_F(Columns, WidthsTagsAndHeaderHeightReadBack) {
    tree.SetColumnWidth(2, 0);
    tree.SetColumnTag(2, -7);
    tree.SetColumnHeaderHeight(0);
    EXPECT_EQ(tree.GetColumnWidth(2), 0);
    EXPECT_EQ(tree.GetColumnWidth(0), 100) << "the width a new column has";
    EXPECT_EQ(tree.GetColumnTag(2), -7);
    EXPECT_EQ(tree.GetColumnTag(1), 0);
    EXPECT_EQ(tree.GetColumnHeaderHeight(), 0);
}

} // namespace
