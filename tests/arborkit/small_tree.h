// A small, known tree in a fresh control, for the behaviour tests of the
// component:
//
//   index  Name (field "name")   Size (field "size")
//          docs
//            a.txt               10
//            img
//              b.png             20
//          src
//            main.cpp            30
//          readme                40
//
// Every node starts collapsed, so only docs, src and readme are visible.
#ifndef ARBORKIT_TESTS_SMALL_TREE_H
#define ARBORKIT_TESTS_SMALL_TREE_H

#include "arborkit/arborkit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace arborkit_test {

ArborkitLib::ComponentString text(std::u16string units);
ArborkitLib::Value textValue(std::u16string units);
HWND windowOf(ArborkitLib::ITreeListControl& control);
void dispose(ArborkitLib::ITreeListControl& control);

// The message of the ComponentError the action fails with, or "no failure".
template <class Action> std::string failureOf(Action&& action) {
    try {
        action();
    } catch (const ArborkitLib::ComponentError& error) {
        return error.what();
    }
    return "no failure";
}

// Adds a visible column with a name, field name and caption; returns its index.
std::int32_t addColumn(ArborkitLib::ITreeListControl& control, std::u16string name);

class SmallTree : public testing::Test {
protected:
    SmallTree();

    // The visible nodes, in order, as the control steps through them.
    std::vector<std::int32_t> visibleNodes();
    // The selected nodes, in the order the control gives them.
    std::vector<std::int32_t> selected();

    std::shared_ptr<ArborkitLib::ITreeListControl> control;
    ArborkitLib::ITreeListControl& tree;
    const std::int32_t nameColumn = 0;
    const std::int32_t sizeColumn = 1;
    std::int32_t docs = -1, aTxt = -1, img = -1, bPng = -1, src = -1, mainCpp = -1, readme = -1;
};

} // namespace arborkit_test

#endif // ARBORKIT_TESTS_SMALL_TREE_H
