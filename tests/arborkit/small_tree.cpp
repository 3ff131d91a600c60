#include "small_tree.h"

namespace arborkit_test {

using namespace ArborkitLib;

ComponentString text(std::u16string units) { return ComponentString(std::move(units)); }

Value textValue(std::u16string units) { return Value::FromString(text(std::move(units))); }

HWND windowOf(ITreeListControl& control) { return reinterpret_cast<HWND>(control.Handle().value); }

void dispose(ITreeListControl& control) { dynamic_cast<IDisposable&>(control).Dispose(); }

std::int32_t addColumn(ITreeListControl& control, std::u16string name) {
    std::u16string caption = name;
    caption[0] = static_cast<char16_t>(caption[0] - u'a' + u'A');
    return control.AddColumn(text(name), text(name), text(caption), true, false,
                             Value::FromInt32(0), true);
}

SmallTree::SmallTree() : control(TreeComponentFactory::CreateTreeControl()), tree(*control) {
    addColumn(tree, u"name");
    addColumn(tree, u"size");
    tree.SetColumnWidth(nameColumn, 150);
    tree.SetColumnWidth(sizeColumn, 60);

    const auto add = [&](std::u16string name, std::int32_t parent, std::u16string size) {
        const std::int32_t id = tree.AddNode(text(std::move(name)), parent);
        if (!size.empty()) tree.SetCellValue(id, sizeColumn, textValue(std::move(size)));
        return id;
    };
    docs = add(u"docs", -1, u"");
    aTxt = add(u"a.txt", docs, u"10");
    img = add(u"img", docs, u"");
    bPng = add(u"b.png", img, u"20");
    src = add(u"src", -1, u"");
    mainCpp = add(u"main.cpp", src, u"30");
    readme = add(u"readme", -1, u"40");
}

std::vector<std::int32_t> SmallTree::visibleNodes() {
    // The first visible node is the one at visible index 0, among the
    // fixture's nodes and the few a test may add.
    std::int32_t first = -1;
    for (std::int32_t id = 0; id <= readme + 16 && first == -1; ++id) {
        try {
            if (tree.GetNodeVisibleIndex(id) == 0) first = id;
        } catch (const ComponentError&) {
            // removed, or never added
        }
    }
    std::vector<std::int32_t> order;
    for (std::int32_t node = first; node != -1; node = tree.GetNextVisibleNodeId(node))
        order.push_back(node);
    return order;
}

std::vector<std::int32_t> SmallTree::selected() {
    std::vector<std::int32_t> ids;
    for (std::int32_t i = 0; i < tree.GetSelectedNodesCount(); ++i)
        ids.push_back(tree.GetSelectedNodeId(i));
    return ids;
}

} // namespace arborkit_test
