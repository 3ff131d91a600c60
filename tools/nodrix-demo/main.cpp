// nodrix-demo: a native program hosting a tree-list in a window of its own.
//
//   nodrix-demo [directory]
//
// It creates a parent window and an NDXxXtraTreeList, places the control in
// the window and fills it from a directory listing (the directory given, or
// else ./samples when there is one, or else the current directory): one row
// per entry, each carrying the address of the program's own record of that
// entry as its tag. It then styles rows and cells, lets the user sort by a
// column (clicks on its header), navigates, looks nodes up, selects,
// hit-tests and acts as a user would (clicks, a double click, a right click,
// the keyboard), printing every message that arrives in the parent window,
// and finally exports the tree as text and prints the file. The output is
// the same on every run for the same directory.
#include "directory_listing.h"
#include "parent_window.h"
#include "utf8.h"

#include "arborkit/arborkit.h"
#include "nodrix/nodrix.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using demo::Entry;

constexpr int kNoNode = -1; // the parent of a top-level node
constexpr LONG kNameColumn = 0;
constexpr LONG kSizeColumn = 1;
constexpr LONG kKindColumn = 2;

// The control's colours are 0xAARRGGBB.
constexpr ULONG kFolderBack = 0xFFE8F0FF;
constexpr ULONG kLargeFileFore = 0xFFC00000;
constexpr ULONG kHeaderBack = 0xFF404040;
constexpr ULONG kHeaderFore = 0xFFFFFFFF;

// A file at least this big has its size shown in a colour of its own.
constexpr std::uintmax_t kLargeFile = 2048;

// Pictures, by the ids the program gives them, and the (made-up) handles of
// the icons behind them.
constexpr unsigned int kFolderImage = 1;
constexpr unsigned int kFileImage = 2;
constexpr LONG kFolderIcon = 101;
constexpr LONG kFileIcon = 102;
constexpr int kIconKind = 1;

void heading(const std::string& title) { std::cout << "\n-- " << title << '\n'; }

std::string sizeText(const Entry& entry) {
    if (entry.isDirectory) return "";
    if (entry.size < 1024) return std::to_string(entry.size) + " B";
    std::ostringstream text;
    text.precision(1);
    text << std::fixed << static_cast<double>(entry.size) / 1024.0 << " kB";
    return text.str();
}

std::string kindText(const Entry& entry) {
    if (entry.isDirectory) return "folder";
    const std::size_t dot = entry.name.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == entry.name.size()) return "file";
    return entry.name.substr(dot + 1) + " file";
}

// The directory to list: the one given, else ./samples, else the current one.
fs::path chooseDirectory(int argc, char** argv) {
    if (argc > 1) return fs::path(argv[1]);
    if (fs::is_directory("samples")) return fs::path("samples");
    return fs::current_path();
}

std::string displayName(const fs::path& directory) {
    const fs::path absolute = fs::weakly_canonical(fs::absolute(directory));
    const std::u8string name = absolute.filename().u8string();
    return name.empty() ? absolute.generic_string() : std::string(name.begin(), name.end());
}

// The facade and the program's records of what each node shows.
class DirectoryTree {
public:
    DirectoryTree(NDXxXtraTreeList& list, std::string rootName, std::vector<Entry> entries)
        : list_(list), rootName_(std::move(rootName)), entries_(std::move(entries)),
          nodeIds_(entries_.size(), kNoNode) {}

    void AddColumns() {
        const auto text = NDXxXtraTreeList::DCtrlEditType{0};
        list_.AddColumn(L"name", L"name", L"Name", true, true, text, false);
        list_.AddColumn(L"size", L"size", L"Size", true, true, text, true);
        list_.AddColumn(L"kind", L"kind", L"Kind", true, true, text, true);
        list_.SetColumnWidth(kNameColumn, 220);
        list_.SetColumnWidth(kSizeColumn, 80);
        list_.SetColumnWidth(kKindColumn, 90);
        for (LONG col = 0; col < list_.GetColumnCount(); ++col) {
            std::cout << "  column " << col << ": " << demo::ToUtf8(list_.GetColumnCaption(col))
                      << ", " << list_.GetColumnWidth(col) << " px wide\n";
        }
    }

    // The look of the whole control: heights, headers, pictures, sorting.
    void StyleControl() {
        list_.SetRowHeight(20);
        list_.SetColumnHeaderHeight(24);
        list_.SetLookStyle(3);
        list_.SetTreeLineStyle(2);
        list_.AddImage(kFolderImage, kFolderIcon, kIconKind, 16, 16);
        list_.AddImage(kFileImage, kFileIcon, kIconKind, 16, 16);
        for (LONG col = 0; col < list_.GetColumnCount(); ++col) {
            list_.SetColumnHeaderBackColor(col, kHeaderBack);
            list_.SetColumnHeaderForeColor(col, kHeaderFore);
            list_.SetColumnHeaderFontName(col, L"Sans");
            list_.EnableColumnSort(col, true);
        }
        list_.SetColumnHeaderAlignCenter(kSizeColumn);
        list_.ShowContextMenuSortItems(true);
        list_.EnableSortAsendingMenu(true);
        list_.EnableSortDesndingMenu(true);
    }

    // Fills the tree: one row for the directory itself, then its entries
    // in the listing's order, each row carrying the address of its entry's
    // record as the node's tag; then styles the rows. Returns the number of
    // sizes shown in the colour for large files.
    int Fill() {
        list_.Redraw(false); // no painting while the tree is being filled
        root_ = AddRow(rootName_, nullptr, "", "folder", 0, kNoNode);
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const Entry& entry = entries_[i];
            const std::string bytes = std::to_string(entry.size);
            nodeIds_[i] = AddRow(entry.name, entry.isDirectory ? nullptr : &bytes, sizeText(entry),
                                 kindText(entry), reinterpret_cast<std::intptr_t>(&entry),
                                 entry.parent < 0 ? root_ : nodeIds_[entry.parent]);
        }
        const int large = StyleRows();
        list_.Redraw(true);
        return large;
    }

    // Every visible node, from the top down: its visible index, its name
    // indented by level, the value of its size cell and the record its tag
    // points at.
    void Walk() {
        int visible = 0;
        for (int node = root_; node != kNoNode; node = list_.GetNextVisibleNodeId(node)) {
            const auto indent = static_cast<std::size_t>(list_.GetNodeLevel(node)) * 2;
            std::cout << "  " << std::setw(3) << list_.GetNodeVisibleIndex(node) << "  "
                      << std::left << std::setw(32) << std::string(indent, ' ') + Name(node)
                      << std::right << std::setw(8)
                      << demo::ToUtf8(list_.GetCellValue(node, kSizeColumn)) << "  tag -> "
                      << PathOf(node) << '\n';
            ++visible;
        }
        std::cout << "  " << visible << " of " << list_.GetVisibleNodesCount()
                  << " visible nodes walked\n";
    }

    // Where a node stands among its relatives.
    void Describe(int node) {
        const int parent = list_.GetParentNode(node);
        const int sibling = list_.GetNextSiblingNode(node);
        const int before = list_.GetPreVisibleNodeId(node);
        std::cout << "  " << Name(node) << ": level " << list_.GetNodeLevel(node) << ", child "
                  << list_.GetNodeIndexById(node) << " of "
                  << (parent == kNoNode ? "nobody" : Name(parent)) << ", next sibling "
                  << (sibling == kNoNode ? "none" : Name(sibling)) << ", shown below "
                  << (before == kNoNode ? "nothing" : Name(before)) << '\n';
    }

    // Looks up the deepest entry and a missing one by key. Keys are paths of
    // names from the top: the directory's own name first.
    void LookUpByKey() {
        list_.SetKeyFieldName(L"name");
        list_.SetDelimiter(L"/");
        std::vector<std::string> keys;
        const Entry* deepest = nullptr;
        for (const Entry& entry : entries_) {
            if (deepest == nullptr || entry.level > deepest->level) deepest = &entry;
        }
        if (deepest != nullptr) keys.push_back(rootName_ + "/" + deepest->relativePath);
        keys.push_back(rootName_ + "/no such entry");
        for (const std::string& key : keys) {
            const int found = list_.GetNodeIdByKeyValue(demo::FromUtf8(key).c_str());
            std::cout << "  \"" << key << "\" -> "
                      << (found == kNoNode
                              ? "not found"
                              : "node " + std::to_string(found) + " (" + PathOf(found) + ")")
                      << '\n';
        }
    }

    std::string Name(int node) { return demo::ToUtf8(list_.GetCellValue(node, kNameColumn)); }

    // The path of the record a node's tag points at (the root has tag 0).
    std::string PathOf(int node) {
        const std::int64_t tag = list_.GetNodeTag(node);
        if (tag == 0) return rootName_ + "/";
        const auto* entry = reinterpret_cast<const Entry*>(static_cast<std::intptr_t>(tag));
        return rootName_ + "/" + entry->relativePath + (entry->isDirectory ? "/" : "");
    }

    int Root() const { return root_; }
    const std::vector<Entry>& Entries() const { return entries_; }
    int NodeOf(std::size_t entry) const { return nodeIds_[entry]; }

private:
    // A row of three cells. The size cell's value is the number of bytes
    // (none for a folder), so that sorting by it compares numbers; it shows
    // `shownSize`.
    int AddRow(const std::string& name, const std::string* bytes, const std::string& shownSize,
               const std::string& kind, std::intptr_t tag, int parent) {
        const std::wstring wideName = demo::FromUtf8(name);
        const std::wstring wideBytes = demo::FromUtf8(bytes == nullptr ? "" : *bytes);
        const std::wstring wideSize = demo::FromUtf8(shownSize);
        const std::wstring wideKind = demo::FromUtf8(kind);
        _Cell_Info cells[] = {
            {wideName.c_str(), 0, 0, 0, nullptr},
            {bytes == nullptr ? nullptr : wideBytes.c_str(), 0, 0, 0, wideSize.c_str()},
            {wideKind.c_str(), 0, 0, 0, nullptr},
        };
        _Row_Info row{L"Sans", 9.0F, 3, cells, static_cast<std::int64_t>(tag)};
        return list_.AddNodeEx(&row, parent);
    }

    // Folders bold on a light background, large sizes in red, a picture in
    // front of every name.
    int StyleRows() {
        list_.SetRowFontBold(root_, true);
        list_.SetCellPicture(root_, kNameColumn, kFolderImage);
        int large = 0;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const Entry& entry = entries_[i];
            const int node = nodeIds_[i];
            list_.SetCellPicture(node, kNameColumn, entry.isDirectory ? kFolderImage : kFileImage);
            list_.SetCellAlignCenter(node, kKindColumn);
            if (entry.isDirectory) {
                list_.SetRowBackColor(node, kFolderBack);
                list_.SetRowFontBold(node, true);
            } else if (entry.size >= kLargeFile) {
                list_.SetCellForeColor(node, kSizeColumn, kLargeFileFore);
                ++large;
            }
        }
        return large;
    }

    NDXxXtraTreeList& list_;
    std::string rootName_;
    const std::vector<Entry> entries_; // never resized: the tags point into it
    std::vector<int> nodeIds_;         // the node of each entry
    int root_ = kNoNode;
};

struct Point {
    int x;
    int y;
};

// The centre of a rectangle of the control's client area.
Point centreOf(const RECT& r) { return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void selectAndFocus(NDXxXtraTreeList& list, DirectoryTree& tree) {
    list.SetAllowMultiSelection(true);
    list.EnableRowSelectHighLight(true);
    list.ClearSelection();
    list.SelectOffspring(tree.Root());
    std::cout << "  the root and everything below it: " << list.GetSelectedNodesCount()
              << " selected\n";
    list.ClearSelection();
    const auto& entries = tree.Entries();
    for (std::size_t i = 0; i < entries.size(); i += 2)
        list.SelectNode(tree.NodeOf(i), true);
    std::cout << "  every other entry: " << list.GetSelectedNodesCount() << " selected:";
    for (int i = 0; i < list.GetSelectedNodesCount(); ++i)
        std::cout << ' ' << tree.Name(list.GetSelectedNodeId(i));
    std::cout << '\n';
    if (!entries.empty()) {
        const int last = tree.NodeOf(entries.size() - 1);
        list.SetFocusedRow(last);
        list.SetFocusedCol(kKindColumn);
        std::cout << "  focus on " << tree.Name(list.GetFocusedRow()) << ", column "
                  << list.GetFocusedCol() << "; selected: " << std::boolalpha
                  << list.IsSelected(last) << '\n';
    }
}

void hitTest(NDXxXtraTreeList& list, DirectoryTree& tree) {
    const RECT control = list.GetControlRect();
    std::cout << "  the control: " << control.right - control.left << " x "
              << control.bottom - control.top << " px; top visible node index "
              << list.GetTopVisibleNodeIndex() << '\n';
    const RECT header = list.GetColumnHeaderRect(kSizeColumn);
    std::cout << "  headers of Name and Size: right edge " << header.right << ", height "
              << header.bottom << '\n';
    for (std::size_t i = 0; i < tree.Entries().size() && i < 2; ++i) {
        const int node = tree.NodeOf(i);
        const RECT cell = list.GetCellRect(node, kSizeColumn);
        const Point centre = centreOf(cell);
        const RECT picture = list.GetPictureRect(node);
        std::cout << "  " << tree.Name(node) << ": Size cell (" << cell.left << ", " << cell.top
                  << ")-(" << cell.right << ", " << cell.bottom << "), picture (" << picture.left
                  << ", " << picture.top << ")-(" << picture.right << ", " << picture.bottom
                  << "); the point (" << centre.x << ", " << centre.y << ") hits node "
                  << list.GetRowByPoint(centre.x, centre.y) << ", column "
                  << list.GetColByPoint(centre.x, centre.y) << '\n';
    }
    // Scrolling: the first row below the headers shows another node.
    const int firstRowY = static_cast<int>(list.GetColumnHeaderHeight()) + 1;
    list.SetTopVisibleNodeIndex(2);
    const int shown = list.GetRowByPoint(1, firstRowY);
    std::cout << "  scrolled to visible node 2: the first row shows "
              << (shown == kNoNode ? "nothing" : tree.Name(shown)) << '\n';
    list.SetTopVisibleNodeIndex(0);
}

// The user sorts by a column with clicks on its header: the first click
// sorts ascending (folders, which have no size, first), the second turns the
// order round. The header's place comes from the facade's header rectangles.
void sortAsUser(NDXxXtraTreeList& list, DirectoryTree& tree) {
    const RECT upToName = list.GetColumnHeaderRect(kNameColumn);
    const RECT upToSize = list.GetColumnHeaderRect(kSizeColumn);
    const Point onHeader{(upToName.right + upToSize.right) / 2, upToSize.bottom / 2};
    for (const char* order : {"ascending", "descending: the largest files first"}) {
        std::cout << "  click at (" << onHeader.x << ", " << onHeader.y << "), " << order << '\n';
        ArborkitLib::StandIn::Click(list.Handle(), onHeader.x, onHeader.y);
    }
    tree.Walk();
}

void actAsUser(NDXxXtraTreeList& list, DirectoryTree& tree) {
    namespace user = ArborkitLib::StandIn;
    const HWND control = list.Handle();
    if (tree.Entries().empty()) return;
    const int first = tree.NodeOf(0);

    const Point onName = centreOf(list.GetCellRect(first, kNameColumn));
    std::cout << "  click on the name of " << tree.Name(first) << '\n';
    user::Click(control, onName.x, onName.y);

    const Point onKind = centreOf(list.GetCellRect(first, kKindColumn));
    std::cout << "  right click on its kind\n";
    user::RightClick(control, onKind.x, onKind.y);

    const Point onRoot = centreOf(list.GetCellRect(tree.Root(), kSizeColumn));
    std::cout << "  double click on the row of " << tree.Name(tree.Root()) << ": it closes\n";
    user::DoubleClick(control, onRoot.x, onRoot.y);
    std::cout << "  " << list.GetVisibleNodesCount() << " node(s) visible now\n";

    std::cout << "  open it again from the keyboard\n";
    user::Expand(control, tree.Root());
    std::cout << "  " << list.GetVisibleNodesCount() << " node(s) visible now\n";
}

void exportAndPrint(NDXxXtraTreeList& list) {
    std::random_device random;
    const fs::path file =
        fs::temp_directory_path() / ("nodrix-demo-" + std::to_string(random()) + ".txt");
    list.ExportDataToTxt(file.wstring().c_str());
    std::ifstream in(file, std::ios::binary);
    std::cout << in.rdbuf();
    in.close();
    std::error_code ignored;
    fs::remove(file, ignored);
}

int run(int argc, char** argv) {
    const fs::path directory = chooseDirectory(argc, argv);
    const std::string rootName = displayName(directory);
    std::vector<Entry> entries = demo::ListDirectory(directory, demo::ListingLimits{});

    std::cout << "== Nodrix demonstration: a tree-list in a window of our own\n";
    demo::ParentWindow parent(std::cout);
    NDXxXtraTreeList list;
    SetParent(list.Handle(), parent.Handle());
    parent.control = list.Handle();
    list.ShowControl();
    std::cout << "  the control's window is a child of the demonstration's window: "
              << std::boolalpha << (GetParent(list.Handle()) == parent.Handle()) << '\n';

    heading("Columns");
    DirectoryTree tree(list, rootName, std::move(entries));
    tree.AddColumns();
    // The window procedure may call the facade while it handles a message.
    parent.describeNode = [&tree](int node) { return tree.Name(node); };

    heading("The tree, from the directory " + rootName);
    tree.StyleControl();
    const int large = tree.Fill();
    list.ExpandTlistAll();
    std::cout << "  " << list.GetNodeCount() << " nodes: the folder and its entries, folders "
              << "first, then by name\n"
              << "  folders in bold; " << large << " size(s) of 2 kB or more in red\n";
    tree.Walk();

    heading("Sorted by the user: two clicks on the header of Size");
    sortAsUser(list, tree);

    heading("Navigating");
    if (!tree.Entries().empty()) tree.Describe(tree.NodeOf(tree.Entries().size() / 2));
    tree.Describe(tree.Root());

    heading("Looking nodes up by key (the Name field, '/' between levels)");
    tree.LookUpByKey();

    heading("Selection and focus");
    selectAndFocus(list, tree);

    heading("Where things are");
    hitTest(list, tree);

    heading("The user at work; each message the parent window receives is shown");
    actAsUser(list, tree);
    std::cout << "  " << parent.MessagesReceived() << " messages received\n";

    heading("The tree exported as text");
    exportAndPrint(list);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "nodrix-demo: " << e.what() << '\n';
        return 1;
    }
}
