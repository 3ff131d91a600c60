// Every facade method, called through a real NDXxXtraTreeList, checked from
// the component's journal: the one operation it makes, its exact arguments
// after conversion, and that the facade hands back exactly what the control
// gave (its result, or its failure as an exception).
//
// The argument tables run on a fresh control with argument values chosen to
// show the conversions: null and empty texts, all 32 bits of a colour or id
// set, 64-bit tags. Whether the control accepts them (an unknown node, say)
// does not matter there: the journal records the arguments either way, and
// the outcome check covers both ways. The result tables run on a small real
// tree, where every call must succeed and its result come back unchanged.
#include "arborkit/arborkit.h"
#include "journal_file.h"
#include "nodrix/nodrix.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::IsEmpty;
using testsupport::ScopedJournal;

namespace {

constexpr std::int64_t kTagMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kTagMax = std::numeric_limits<std::int64_t>::max();
constexpr ULONG kAllBits = 0xFFFFFFFFu;
constexpr NDXxXtraTreeList::DCtrlEditType kEditType{7};

// ---------------------------------------------------------------------------
// What a facade call gave back, in the journal's notation
// ---------------------------------------------------------------------------

// The journal texts of the control's results that the facade's result may
// have come from. No texts: the method returns nothing.
struct Returned {
    bool hasResult = false;
    std::vector<std::string> journalForms;
};

Returned nothing() { return {}; }
Returned number(std::int64_t value) { return {true, {std::to_string(value)}}; }
Returned flag(bool value) { return {true, {value ? "true" : "false"}}; }
Returned tag(std::int64_t value) { return {true, {"intptr:" + std::to_string(value)}}; }
// The control gives origin and size; the facade gives edges.
Returned rect(const RECT& r) {
    return {true,
            {std::to_string(r.left) + "," + std::to_string(r.top) + "," +
             std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top)}};
}

std::string journalQuoted(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\0':
            out += "\\0";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

// The test texts are ASCII.
std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// An empty text result comes from an absent or an empty string.
Returned text(const std::wstring& value) {
    if (value.empty()) return {true, {"null", "\"\""}};
    return {true, {journalQuoted(narrow(value))}};
}

using Call = std::function<Returned(NDXxXtraTreeList&)>;

// The call of a method that returns nothing.
template <class Method> Call done(Method method) {
    return [method](NDXxXtraTreeList& list) {
        method(list);
        return nothing();
    };
}

// The operation and arguments part of a journal line, and its outcome.
struct JournalLine {
    std::string call;
    enum class Outcome { Done, Result, Failure } outcome = Outcome::Done;
    std::string detail; // the result or the quoted failure message
};

JournalLine parse(const std::string& line) {
    for (auto [marker, outcome] : {std::pair{"\t=> ", JournalLine::Outcome::Result},
                                   std::pair{"\t!> ", JournalLine::Outcome::Failure}}) {
        const auto at = line.find(marker);
        if (at != std::string::npos) return {line.substr(0, at), outcome, line.substr(at + 4)};
    }
    return {line, JournalLine::Outcome::Done, {}};
}

enum class Outcome { Any, Success };

// Runs `call` and checks that it made exactly the one operation `expected`
// (name and arguments as the journal writes them), and that the facade
// passed on the outcome of that operation unchanged. With Outcome::Success
// the control must also have accepted the call.
void expectForwarded(NDXxXtraTreeList& list, const ScopedJournal& journal,
                     const std::string& expected, const Call& call, Outcome wanted = Outcome::Any) {
    SCOPED_TRACE(expected);
    journal.clear();
    Returned returned;
    std::optional<std::string> failure;
    try {
        returned = call(list);
    } catch (const std::exception& e) {
        failure = e.what();
    }
    const std::vector<std::string> lines = journal.lines();
    ASSERT_EQ(lines.size(), 1u) << "one operation of the control per call";
    const JournalLine line = parse(lines[0]);
    EXPECT_EQ(line.call, expected);
    if (wanted == Outcome::Success) {
        ASSERT_NE(line.outcome, JournalLine::Outcome::Failure) << "refused: " << line.detail;
    }
    switch (line.outcome) {
    case JournalLine::Outcome::Failure:
        ASSERT_TRUE(failure.has_value()) << "the control's failure must reach the caller";
        EXPECT_EQ(journalQuoted(*failure), line.detail);
        break;
    case JournalLine::Outcome::Result:
        ASSERT_FALSE(failure.has_value()) << *failure;
        ASSERT_TRUE(returned.hasResult) << "the control gave a result: " << line.detail;
        EXPECT_THAT(returned.journalForms, testing::Contains(line.detail))
            << "the facade returned something else than the control's " << line.detail;
        break;
    case JournalLine::Outcome::Done:
        ASSERT_FALSE(failure.has_value()) << *failure;
        EXPECT_FALSE(returned.hasResult) << "a result out of nothing";
        break;
    }
}

struct Forwarding {
    std::string line; // the operation and arguments the journal must show
    Call call;
};

// A facade with the journal of its control, and the runner of the tables.
class ForwardingTables : public testing::Test {
protected:
    explicit ForwardingTables(Outcome wanted) : wanted_(wanted) {}

    // expectForwarded for every row, in order, on the same facade.
    void runTable(const std::vector<Forwarding>& table) {
        for (const Forwarding& row : table)
            expectForwarded(list, journal, row.line, row.call, wanted_);
    }

    ScopedJournal journal;
    NDXxXtraTreeList list;

private:
    Outcome wanted_;
};

class FacadeForwarding : public ForwardingTables {
protected:
    FacadeForwarding() : ForwardingTables(Outcome::Any) {}
};

// ---------------------------------------------------------------------------
// Nodes, tags and keys
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, NodeMethods) {
    static int someObject = 0;
    const auto address = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&someObject));
    runTable({
        {"AddNode\t\"Item\"\t-1", [](auto& t) { return number(t.AddNode(L"Item", -1)); }},
        {"AddNode\tnull\t3", [](auto& t) { return number(t.AddNode(nullptr, 3)); }},
        {"AddNode\t\"\"\t3", [](auto& t) { return number(t.AddNode(L"", 3)); }},
        {"RemoveNode\t4", done([](auto& t) { t.RemoveNode(4); })},
        {"ClearNodes", done([](auto& t) { t.ClearNodes(); })},
        {"GetNodeCount", [](auto& t) { return number(t.GetNodeCount()); }},
        {"GetNodeLevel\t5", [](auto& t) { return number(t.GetNodeLevel(5)); }},
        {"GetParentNode\t6", [](auto& t) { return number(t.GetParentNode(6)); }},
        {"GetNextSiblingNode\t7", [](auto& t) { return number(t.GetNextSiblingNode(7)); }},
        {"GetNodeIndexById\t-8", [](auto& t) { return number(t.GetNodeIndexById(-8)); }},
        {"GetNodeTag\t9", [](auto& t) { return tag(t.GetNodeTag(9)); }},
        {"SetDelimiter\t\"/\"", done([](auto& t) { t.SetDelimiter(L"/"); })},
        {"SetDelimiter\tnull", done([](auto& t) { t.SetDelimiter(nullptr); })},
        {"SetDelimiter\t\"\"", done([](auto& t) { t.SetDelimiter(L""); })},
        {"SetKeyFieldName\t\"Path\"", done([](auto& t) { t.SetKeyFieldName(L"Path"); })},
        {"SetKeyFieldName\tnull", done([](auto& t) { t.SetKeyFieldName(nullptr); })},
        {"SetKeyFieldName\t\"\"", done([](auto& t) { t.SetKeyFieldName(L""); })},
        // The key crosses as a generic value holding text, or nothing.
        {"GetNodeIdByKeyValue\t\"a/b\"",
         [](auto& t) { return number(t.GetNodeIdByKeyValue(L"a/b")); }},
        {"GetNodeIdByKeyValue\tnull",
         [](auto& t) { return number(t.GetNodeIdByKeyValue(nullptr)); }},
        {"GetNodeIdByKeyValue\t\"\"", [](auto& t) { return number(t.GetNodeIdByKeyValue(L"")); }},
        {"ExpandTlistAll", done([](auto& t) { t.ExpandTlistAll(); })},
        {"FullExpandNode\t10", done([](auto& t) { t.FullExpandNode(10); })},
        {"SetAutoExpand\ttrue", done([](auto& t) { t.SetAutoExpand(true); })},
        {"SetAutoExpand\tfalse", done([](auto& t) { t.SetAutoExpand(false); })},
    });
    // Tags cross boxed as pointer-sized integers with all 64 bits, and
    // SetNodeTagPtr hands over exactly what SetNodeTag does.
    for (std::int64_t value : {std::int64_t{0}, std::int64_t{-1}, kTagMin, kTagMax, address}) {
        const std::string expected = "SetNodeTag\t11\tintptr:" + std::to_string(value);
        expectForwarded(list, journal, expected,
                        done([value](auto& t) { t.SetNodeTag(11, value); }));
        expectForwarded(list, journal, expected,
                        done([value](auto& t) { t.SetNodeTagPtr(11, value); }));
    }
}

TEST_F(FacadeForwarding, AddNodeExHandsOverTheWholeRow) {
    _Cell_Info cells[] = {
        {L"v1", -1, 0x00FF00, 3, L"shown"},
        {nullptr, 7, -8, 9, L""},
        {L"", 0, 0, -1, nullptr},
    };
    _Row_Info row{L"Mono", 10.5F, 3, cells, kTagMin};
    _Row_Info noCells{nullptr, 9.0F, 0, nullptr, -1};
    _Row_Info addressTag{L"", 0.1F, 1, cells,
                         static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(cells))};
    runTable({
        {"AddNodeEx\t{\"Mono\",10.5," + std::to_string(kTagMin) +
             ",[{\"v1\",-1,65280,3,\"shown\"},{null,7,-8,9,\"\"},{\"\",0,0,-1,null}]}\t-1",
         [&](auto& t) { return number(t.AddNodeEx(&row, -1)); }},
        // No cells: the cell pointer is not read, and may be null.
        {"AddNodeEx\t{null,9,-1,[]}\t12",
         [&](auto& t) { return number(t.AddNodeEx(&noCells, 12)); }},
        {"AddNodeEx\t{\"\",0.1," + std::to_string(addressTag.llNodeTag) +
             ",[{\"v1\",-1,65280,3,\"shown\"}]}\t0",
         [&](auto& t) { return number(t.AddNodeEx(&addressTag, 0)); }},
    });
}

TEST_F(FacadeForwarding, ImpossibleRowsFailBeforeTheControlIsCalled) {
    _Row_Info negative{L"Mono", 9.0F, -1, nullptr, 0};
    _Row_Info missingCells{L"Mono", 9.0F, 2, nullptr, 0};
    for (_Row_Info* row : {&negative, &missingCells, static_cast<_Row_Info*>(nullptr)}) {
        journal.clear();
        EXPECT_THROW(list.AddNodeEx(row, -1), std::invalid_argument);
        EXPECT_THAT(journal.lines(), IsEmpty());
    }
}

// ---------------------------------------------------------------------------
// Columns and headers
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, ColumnMethods) {
    runTable({
        {"AddColumn\t\"name\"\t\"field\"\t\"Caption\"\ttrue\tfalse\tint32:7\ttrue",
         [](auto& t) {
             return number(
                 t.AddColumn(L"name", L"field", L"Caption", true, false, kEditType, true));
         }},
        {"AddColumn\tnull\tnull\tnull\tfalse\ttrue\tint32:-1\tfalse",
         [](auto& t) {
             return number(t.AddColumn(nullptr, nullptr, nullptr, false, true,
                                       NDXxXtraTreeList::DCtrlEditType{-1}, false));
         }},
        {"AddColumn\t\"\"\t\"\"\t\"\"\ttrue\ttrue\tint32:0\ttrue",
         [](auto& t) {
             return number(
                 t.AddColumn(L"", L"", L"", true, true, NDXxXtraTreeList::DCtrlEditType{0}, true));
         }},
        {"RemoveColumn\t1", done([](auto& t) { t.RemoveColumn(1); })},
        {"ClearColumns", done([](auto& t) { t.ClearColumns(); })},
        {"GetColumnCount", [](auto& t) { return number(t.GetColumnCount()); }},
        {"SetColumnCaption\t2\t\"Size\"", done([](auto& t) { t.SetColumnCaption(2, L"Size"); })},
        {"SetColumnCaption\t2\tnull", done([](auto& t) { t.SetColumnCaption(2, nullptr); })},
        {"SetColumnCaption\t2\t\"\"", done([](auto& t) { t.SetColumnCaption(2, L""); })},
        {"GetColumnCaption\t3", [](auto& t) { return text(t.GetColumnCaption(3)); }},
        {"SetColumnWidth\t4\t120", done([](auto& t) { t.SetColumnWidth(4, 120); })},
        {"GetColumnWidth\t5", [](auto& t) { return number(t.GetColumnWidth(5)); }},
        {"DisableColumnAutoWidth\ttrue", done([](auto& t) { t.DisableColumnAutoWidth(true); })},
        {"SetColumnFixedLeft\t6\ttrue", done([](auto& t) { t.SetColumnFixedLeft(6, true); })},
        {"SetColumnTextIndent\t7\t-3", done([](auto& t) { t.SetColumnTextIndent(7, -3); })},
        {"SetColumnImageIndent\t8\t4", done([](auto& t) { t.SetColumnImageIndent(8, 4); })},
        {"SetColumnTextOptionTrimming\t9\t0",
         done([](auto& t) { t.SetColumnTextOptionTrimming(9, 0); })},
        {"SetColumnTextOptionTrimming\t9\t6",
         done([](auto& t) { t.SetColumnTextOptionTrimming(9, 6); })},
        {"SetColPicHCenter\t10\tfalse", done([](auto& t) { t.SetColPicHCenter(10, false); })},
        {"SetColumnVisibleIndex\t11\t-1", done([](auto& t) { t.SetColumnVisibleIndex(11, -1); })},
        {"GetColumnVisibleIndex\t12", [](auto& t) { return number(t.GetColumnVisibleIndex(12)); }},
        {"GetVisibleColumnCount", [](auto& t) { return number(t.GetVisibleColumnCount()); }},
        {"GetNextVisibleColumnIndex\t13",
         [](auto& t) { return number(t.GetNextVisibleColumnIndex(13)); }},
        {"GetPreVisibleColumnIndex\t14",
         [](auto& t) { return number(t.GetPreVisibleColumnIndex(14)); }},
        {"SetColumnTag\t15\t-2147483648",
         done([](auto& t) { t.SetColumnTag(15, std::numeric_limits<int>::min()); })},
        {"GetColumnTag\t16", [](auto& t) { return number(t.GetColumnTag(16)); }},
        {"EnableColumnSort\t17\ttrue", done([](auto& t) { t.EnableColumnSort(17, true); })},
        {"SetColumnHeaderFontName\t18\t\"Serif\"",
         done([](auto& t) { t.SetColumnHeaderFontName(18, L"Serif"); })},
        {"SetColumnHeaderFontName\t18\tnull",
         done([](auto& t) { t.SetColumnHeaderFontName(18, nullptr); })},
        {"SetColumnHeaderFontName\t18\t\"\"",
         done([](auto& t) { t.SetColumnHeaderFontName(18, L""); })},
        {"SetColumnHeaderFontSize\t19\t8.25",
         done([](auto& t) { t.SetColumnHeaderFontSize(19, 8.25F); })},
        {"SetColumnHeaderFontGdiCharSet\t20\t255",
         done([](auto& t) { t.SetColumnHeaderFontGdiCharSet(20, 255); })},
        {"SetColumnHeaderPicture\t21\t-1",
         done([](auto& t) { t.SetColumnHeaderPicture(21, 4294967295u); })},
        {"SetColumnHeaderPicture\t21\t-2147483648",
         done([](auto& t) { t.SetColumnHeaderPicture(21, 0x80000000u); })},
        {"SetColumnHeaderBackColor\t22\t-1",
         done([](auto& t) { t.SetColumnHeaderBackColor(22, kAllBits); })},
        {"SetColumnHeaderBackColor\t22\t16744512",
         done([](auto& t) { t.SetColumnHeaderBackColor(22, 0x00FF8040u); })},
        {"SetColumnHeaderForeColor\t23\t-1",
         done([](auto& t) { t.SetColumnHeaderForeColor(23, kAllBits); })},
        {"SetColumnHeaderAlignCenter\t24", done([](auto& t) { t.SetColumnHeaderAlignCenter(24); })},
        {"SetColumnHeaderHeight\t25", done([](auto& t) { t.SetColumnHeaderHeight(25); })},
        {"GetColumnHeaderHeight", [](auto& t) { return number(t.GetColumnHeaderHeight()); }},
        // A negative column asks for no width: the header height is the
        // only call, and left, top and right are 0.
        {"GetColumnHeaderHeight",
         [](auto& t) {
             const RECT r = t.GetColumnHeaderRect(-1);
             EXPECT_EQ(r.left, 0);
             EXPECT_EQ(r.top, 0);
             EXPECT_EQ(r.right, 0);
             return number(r.bottom);
         }},
    });
}

TEST_F(FacadeForwarding, TrimmingOutsideZeroToSixNeverReachesTheControl) {
    for (int trimType :
         {7, -1, 100, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        SCOPED_TRACE(trimType);
        journal.clear();
        EXPECT_NO_THROW(list.SetColumnTextOptionTrimming(0, trimType));
        EXPECT_THAT(journal.lines(), IsEmpty());
    }
}

TEST_F(FacadeForwarding, HeaderRectStopsAtTheFirstFailingWidth) {
    // The fresh control has no columns: the first width fails, and nothing
    // more is asked.
    journal.clear();
    EXPECT_THROW(list.GetColumnHeaderRect(2), ArborkitLib::ComponentError);
    const std::vector<std::string> lines = journal.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(parse(lines[0]).call, "GetColumnWidth\t0");
    EXPECT_EQ(parse(lines[0]).outcome, JournalLine::Outcome::Failure);
}

// ---------------------------------------------------------------------------
// Cells
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, CellMethods) {
    runTable({
        // The value crosses as a generic value holding text, or nothing.
        {"SetCellValue\t1\t2\t\"12 kB\"", done([](auto& t) { t.SetCellValue(1, 2, L"12 kB"); })},
        {"SetCellValue\t1\t2\tnull", done([](auto& t) { t.SetCellValue(1, 2, nullptr); })},
        {"SetCellValue\t1\t2\t\"\"", done([](auto& t) { t.SetCellValue(1, 2, L""); })},
        {"GetCellValue\t3\t4", [](auto& t) { return text(t.GetCellValue(3, 4)); }},
        {"SetCellDisplayText\t5\t6\t\"shown\"",
         done([](auto& t) { t.SetCellDisplayText(5, 6, L"shown"); })},
        {"SetCellDisplayText\t5\t6\tnull",
         done([](auto& t) { t.SetCellDisplayText(5, 6, nullptr); })},
        {"SetCellDisplayText\t5\t6\t\"\"", done([](auto& t) { t.SetCellDisplayText(5, 6, L""); })},
        {"SetCellTag\t7\t8\t-9", done([](auto& t) { t.SetCellTag(7, 8, -9); })},
        {"GetCellTag\t10\t11", [](auto& t) { return number(t.GetCellTag(10, 11)); }},
        {"SetCellFontName\t12\t13\t\"Mono\"",
         done([](auto& t) { t.SetCellFontName(12, 13, L"Mono"); })},
        {"SetCellFontName\t12\t13\tnull",
         done([](auto& t) { t.SetCellFontName(12, 13, nullptr); })},
        {"SetCellFontName\t12\t13\t\"\"", done([](auto& t) { t.SetCellFontName(12, 13, L""); })},
        {"SetCellFontSize\t14\t15\t11.5", done([](auto& t) { t.SetCellFontSize(14, 15, 11.5F); })},
        {"SetFontUnderLine\t16\t17\ttrue", done([](auto& t) { t.SetFontUnderLine(16, 17, true); })},
        {"SetCellBackColor\t18\t19\t-1",
         done([](auto& t) { t.SetCellBackColor(18, 19, kAllBits); })},
        {"SetCellBackColor\t18\t19\t255", done([](auto& t) { t.SetCellBackColor(18, 19, 0xFFu); })},
        {"SetCellForeColor\t20\t21\t-1",
         done([](auto& t) { t.SetCellForeColor(20, 21, kAllBits); })},
        {"SetCellPicture\t22\t23\t-1",
         done([](auto& t) { t.SetCellPicture(22, 23, 4294967295u); })},
        {"SetCellPicture\t22\t23\t5", done([](auto& t) { t.SetCellPicture(22, 23, 5u); })},
        {"SetCellStateImage\t24\t25\t-1",
         done([](auto& t) { t.SetCellStateImage(24, 25, 4294967295u); })},
        {"SetCellAlignCenter\t26\t27", done([](auto& t) { t.SetCellAlignCenter(26, 27); })},
        {"GetCellRect\t28\t29", [](auto& t) { return rect(t.GetCellRect(28, 29)); }},
    });
}

// ---------------------------------------------------------------------------
// Rows, fonts, colours and look
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, RowAndLookMethods) {
    runTable({
        {"SetRowFontName\t1\t\"Bold Face\"",
         done([](auto& t) { t.SetRowFontName(1, L"Bold Face"); })},
        {"SetRowFontName\t1\tnull", done([](auto& t) { t.SetRowFontName(1, nullptr); })},
        {"SetRowFontName\t1\t\"\"", done([](auto& t) { t.SetRowFontName(1, L""); })},
        {"SetRowFontSize\t2\t9", done([](auto& t) { t.SetRowFontSize(2, 9.0F); })},
        {"SetRowFontGdiCharSet\t3\t0", done([](auto& t) { t.SetRowFontGdiCharSet(3, 0); })},
        {"SetRowFontGdiCharSet\t3\t255", done([](auto& t) { t.SetRowFontGdiCharSet(3, 255); })},
        {"SetRowFontBold\t4\ttrue", done([](auto& t) { t.SetRowFontBold(4, true); })},
        {"SetRowBackColor\t5\t-1", done([](auto& t) { t.SetRowBackColor(5, kAllBits); })},
        {"SetRowBackColor\t5\t-16777216", done([](auto& t) { t.SetRowBackColor(5, 0xFF000000u); })},
        {"SetRowForeColor\t6\t-1", done([](auto& t) { t.SetRowForeColor(6, -1); })},
        {"SetRowSelectedBackColor\t7\t-1",
         done([](auto& t) { t.SetRowSelectedBackColor(7, kAllBits); })},
        {"SetRowSelectedForeColor\t8\t-1",
         done([](auto& t) { t.SetRowSelectedForeColor(8, kAllBits); })},
        {"SetRowSelectedForeColor\t8\t65535",
         done([](auto& t) { t.SetRowSelectedForeColor(8, 0xFFFFu); })},
        {"SetRowHeight\t18", done([](auto& t) { t.SetRowHeight(18); })},
        {"SetRowShadeStyle\t9\tfalse", done([](auto& t) { t.SetRowShadeStyle(9, false); })},
        {"EnableRowSelectHighLight\ttrue", done([](auto& t) { t.EnableRowSelectHighLight(true); })},
        {"ShowRowIndicator\tfalse", done([](auto& t) { t.ShowRowIndicator(false); })},
        {"SetLookStyle\t2", done([](auto& t) { t.SetLookStyle(2); })},
        {"SetTreeLineStyle\t-1", done([](auto& t) { t.SetTreeLineStyle(-1); })},
        {"MakeEmptySpaceTransparent\ttrue",
         done([](auto& t) { t.MakeEmptySpaceTransparent(true); })},
        {"SetAlwaysCustomDrawNodeCell", done([](auto& t) { t.SetAlwaysCustomDrawNodeCell(); })},
    });
}

// ---------------------------------------------------------------------------
// Selection, focus and navigation
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, SelectionMethods) {
    runTable({
        {"SetAllowMultiSelection\ttrue", done([](auto& t) { t.SetAllowMultiSelection(true); })},
        {"SelectNode\t1\ttrue", done([](auto& t) { t.SelectNode(1, true); })},
        {"SelectNode\t1\tfalse", done([](auto& t) { t.SelectNode(1, false); })},
        {"SelectOffspring\t2", done([](auto& t) { t.SelectOffspring(2); })},
        {"ClearSelection", done([](auto& t) { t.ClearSelection(); })},
        {"IsSelected\t3", [](auto& t) { return flag(t.IsSelected(3)); }},
        {"GetSelectedNodesCount", [](auto& t) { return number(t.GetSelectedNodesCount()); }},
        {"GetSelectedNodeId\t0", [](auto& t) { return number(t.GetSelectedNodeId(0)); }},
        {"GetSelectedNodeId\t-1", [](auto& t) { return number(t.GetSelectedNodeId(-1)); }},
        // Two names, one and the same call.
        {"SetFocusedRow\t4", done([](auto& t) { t.SetSelected(4); })},
        {"SetFocusedRow\t4", done([](auto& t) { t.SetFocusedRow(4); })},
        {"GetFocusedRow", [](auto& t) { return number(t.GetFocusedRow()); }},
        {"SetFocusedCol\t5", done([](auto& t) { t.SetFocusedCol(5); })},
        {"GetFocusedCol", [](auto& t) { return number(t.GetFocusedCol()); }},
        {"GetTopVisibleNodeIndex", [](auto& t) { return number(t.GetTopVisibleNodeIndex()); }},
        {"SetTopVisibleNodeIndex\t6", done([](auto& t) { t.SetTopVisibleNodeIndex(6); })},
        {"GetVisibleNodesCount", [](auto& t) { return number(t.GetVisibleNodesCount()); }},
        {"GetNodeVisibleIndex\t7", [](auto& t) { return number(t.GetNodeVisibleIndex(7)); }},
        {"GetNextVisibleNodeId\t8", [](auto& t) { return number(t.GetNextVisibleNodeId(8)); }},
        {"GetPreVisibleNodeId\t9", [](auto& t) { return number(t.GetPreVisibleNodeId(9)); }},
        {"GetRowByPoint\t10\t-20", [](auto& t) { return number(t.GetRowByPoint(10, -20)); }},
        {"GetColByPoint\t-30\t40", [](auto& t) { return number(t.GetColByPoint(-30, 40)); }},
    });
}

// ---------------------------------------------------------------------------
// View options, menus, images and export
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, ViewMethods) {
    runTable({
        {"SetViewOptions\t3\ttrue", done([](auto& t) { t.SetViewOptions(3, true); })},
        {"EnableColumnCustomizationMenu\tfalse",
         done([](auto& t) { t.EnableColumnCustomizationMenu(false); })},
        {"CreateColumnCustomization", done([](auto& t) { t.CreateColumnCustomization(); })},
        {"SetColumnCustomMenuName\t\"Columns...\"",
         done([](auto& t) { t.SetColumnCustomMenuName(L"Columns..."); })},
        {"SetColumnCustomMenuName\tnull",
         done([](auto& t) { t.SetColumnCustomMenuName(nullptr); })},
        {"SetColumnCustomMenuName\t\"\"", done([](auto& t) { t.SetColumnCustomMenuName(L""); })},
        {"SetColumnCustomFormName\t\"Pick\"",
         done([](auto& t) { t.SetColumnCustomFormName(L"Pick"); })},
        {"SetColumnCustomFormName\tnull",
         done([](auto& t) { t.SetColumnCustomFormName(nullptr); })},
        {"SetColumnCustomFormName\t\"\"", done([](auto& t) { t.SetColumnCustomFormName(L""); })},
        {"SetStylesColumnMenu\ttrue", done([](auto& t) { t.SetStylesColumnMenu(true); })},
        {"ShowContextMenuSortItems\tfalse",
         done([](auto& t) { t.ShowContextMenuSortItems(false); })},
        {"EnableSortAsendingMenu\ttrue", done([](auto& t) { t.EnableSortAsendingMenu(true); })},
        {"EnableSortDesndingMenu\tfalse", done([](auto& t) { t.EnableSortDesndingMenu(false); })},
        {"AddImage\t-1\t-5\t2\t16\t24",
         done([](auto& t) { t.AddImage(4294967295u, -5, 2, 16, 24); })},
        {"AddImage\t7\t0\t0\t0\t0", done([](auto& t) { t.AddImage(7u, 0, 0, 0, 0); })},
        {"SetBackgroundImage\t-2147483648",
         done([](auto& t) { t.SetBackgroundImage(std::numeric_limits<LONG>::min()); })},
        {"GetPictureRect\t8", [](auto& t) { return rect(t.GetPictureRect(8)); }},
        {"ExportDataToTxt\tnull", done([](auto& t) { t.ExportDataToTxt(nullptr); })},
        {"ExportDataToTxt\t\"\"", done([](auto& t) { t.ExportDataToTxt(L""); })},
    });
}

// ---------------------------------------------------------------------------
// The control as a whole
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, ControlMethods) {
    runTable({
        {"Handle", [](auto& t) { return number(reinterpret_cast<std::intptr_t>(t.Handle())); }},
        {"ShowControl", done([](auto& t) { t.ShowControl(); })},
        {"Redraw\tfalse", done([](auto& t) { t.Redraw(false); })},
        {"GetControlRect", [](auto& t) { return rect(t.GetControlRect()); }},
    });
}

TEST_F(FacadeForwarding, ControlRectBecomesEdges) {
    const auto control = ArborkitLib::StandIn::FindControl(list.Handle());
    ASSERT_NE(control, nullptr);
    struct Case {
        ArborkitLib::BoundsRect bounds;
        RECT expected;
    };
    for (const Case& c :
         {Case{{10, 20, 100, 50}, {10, 20, 110, 70}}, Case{{-5, -5, 10, 10}, {-5, -5, 5, 5}},
          Case{{0, 0, 0, 0}, {0, 0, 0, 0}}}) {
        control->SetBounds(c.bounds);
        const RECT r = list.GetControlRect();
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

TEST(WholeControl, MembersForwardToTheControl) {
    ScopedJournal journal;
    NDXxXtraTreeList list;
    std::shared_ptr<ArborkitLib::ITreeListControl> control =
        ArborkitLib::StandIn::FindControl(list.Handle());
    ASSERT_NE(control, nullptr);
    journal.clear();

    list.ShowControl();
    list.Redraw(false);
    control->SetBounds({10, 20, 100, 50});
    const RECT rect = list.GetControlRect();

    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right, 110);
    EXPECT_EQ(rect.bottom, 70);
    EXPECT_THAT(journal.lines(),
                ElementsAre("ShowControl", "Redraw\tfalse", "SetBounds\t10,20,100,50",
                            "GetControlRect\t=> 10,20,100,50"));
    EXPECT_TRUE(control->IsShown());
    EXPECT_FALSE(control->IsRedrawEnabled());
}

TEST(WholeControl, TheControlsFailuresReachTheCallerUnchanged) {
    NDXxXtraTreeList list;
    dynamic_cast<ArborkitLib::IDisposable&>(*ArborkitLib::StandIn::FindControl(list.Handle()))
        .Dispose();
    EXPECT_THROW(list.ShowControl(), ArborkitLib::ComponentError);
    EXPECT_THROW(list.Redraw(true), ArborkitLib::ComponentError);
    EXPECT_THROW(list.GetControlRect(), ArborkitLib::ComponentError);
    EXPECT_THROW(list.Handle(), ArborkitLib::ComponentError);
}

// ---------------------------------------------------------------------------
// Results from a real tree
// ---------------------------------------------------------------------------

// A small tree, as a file browser shows it:
//
//   Name        Size (no caption)
//   docs
//     a.txt     10
//     img
//       b.png   20
//   readme      40
//
// b.png has a picture, and every node is shown.
class FacadeResults : public ForwardingTables {
protected:
    FacadeResults() : ForwardingTables(Outcome::Success) {
        const NDXxXtraTreeList::DCtrlEditType text{0};
        list.AddColumn(L"name", L"name", L"Name", true, false, text, true);
        list.AddColumn(L"size", L"size", nullptr, true, false, text, true);
        docs = list.AddNode(L"docs", -1);
        a = addRow(L"a.txt", L"10", docs);
        img = list.AddNode(L"img", docs);
        b = addRow(L"b.png", L"20", img);
        readme = addRow(L"readme", L"40", -1);
        list.AddImage(1, 100, 0, 16, 16);
        list.SetCellPicture(b, 0, 1);
        list.ExpandTlistAll();
        journal.clear();
    }

    int addRow(const wchar_t* name, const wchar_t* size, int parent) {
        _Cell_Info cells[] = {{name, 0, 0, -1, nullptr}, {size, 0, 0, -1, nullptr}};
        _Row_Info row{nullptr, 0.0F, 2, cells, 0};
        return list.AddNodeEx(&row, parent);
    }

    int docs = -1, a = -1, img = -1, b = -1, readme = -1;
};

std::string id(int value) { return std::to_string(value); }

TEST_F(FacadeResults, EveryResultComesBackAsTheControlGaveIt) {
    list.SetKeyFieldName(L"name");
    list.SetDelimiter(L"/");
    list.SetColumnTag(1, -7);
    list.SetCellTag(b, 1, 0x7FFFFFFF);
    list.SetNodeTag(a, kTagMin);
    list.SetAllowMultiSelection(true);
    list.SelectNode(readme, true);
    list.SelectNode(a, true);
    list.SetFocusedCol(1);
    const RECT cell = list.GetCellRect(b, 1);
    const int x = (cell.left + cell.right) / 2;
    const int y = (cell.top + cell.bottom) / 2;
    const std::string point = id(x) + "\t" + id(y);
    runTable({
        {"GetNodeCount", [](auto& t) { return number(t.GetNodeCount()); }},
        {"GetNodeLevel\t" + id(b), [&](auto& t) { return number(t.GetNodeLevel(b)); }},
        {"GetParentNode\t" + id(b), [&](auto& t) { return number(t.GetParentNode(b)); }},
        {"GetParentNode\t" + id(docs), [&](auto& t) { return number(t.GetParentNode(docs)); }},
        {"GetNextSiblingNode\t" + id(a), [&](auto& t) { return number(t.GetNextSiblingNode(a)); }},
        {"GetNodeIndexById\t" + id(img), [&](auto& t) { return number(t.GetNodeIndexById(img)); }},
        {"GetNodeTag\t" + id(a), [&](auto& t) { return tag(t.GetNodeTag(a)); }},
        {"GetNodeIdByKeyValue\t\"docs/img/b.png\"",
         [](auto& t) { return number(t.GetNodeIdByKeyValue(L"docs/img/b.png")); }},
        {"GetNodeIdByKeyValue\t\"docs/none\"",
         [](auto& t) { return number(t.GetNodeIdByKeyValue(L"docs/none")); }},
        {"GetColumnCount", [](auto& t) { return number(t.GetColumnCount()); }},
        {"GetColumnCaption\t0", [](auto& t) { return text(t.GetColumnCaption(0)); }},
        {"GetColumnCaption\t1", [](auto& t) { return text(t.GetColumnCaption(1)); }},
        {"GetColumnWidth\t1", [](auto& t) { return number(t.GetColumnWidth(1)); }},
        {"GetColumnVisibleIndex\t1", [](auto& t) { return number(t.GetColumnVisibleIndex(1)); }},
        {"GetVisibleColumnCount", [](auto& t) { return number(t.GetVisibleColumnCount()); }},
        {"GetNextVisibleColumnIndex\t0",
         [](auto& t) { return number(t.GetNextVisibleColumnIndex(0)); }},
        {"GetPreVisibleColumnIndex\t0",
         [](auto& t) { return number(t.GetPreVisibleColumnIndex(0)); }},
        {"GetColumnTag\t1", [](auto& t) { return number(t.GetColumnTag(1)); }},
        {"GetColumnHeaderHeight", [](auto& t) { return number(t.GetColumnHeaderHeight()); }},
        {"GetCellValue\t" + id(b) + "\t0", [&](auto& t) { return text(t.GetCellValue(b, 0)); }},
        {"GetCellTag\t" + id(b) + "\t1", [&](auto& t) { return number(t.GetCellTag(b, 1)); }},
        {"GetCellRect\t" + id(b) + "\t1", [&](auto& t) { return rect(t.GetCellRect(b, 1)); }},
        {"IsSelected\t" + id(a), [&](auto& t) { return flag(t.IsSelected(a)); }},
        {"IsSelected\t" + id(b), [&](auto& t) { return flag(t.IsSelected(b)); }},
        {"GetSelectedNodesCount", [](auto& t) { return number(t.GetSelectedNodesCount()); }},
        {"GetSelectedNodeId\t1", [](auto& t) { return number(t.GetSelectedNodeId(1)); }},
        {"GetFocusedRow", [](auto& t) { return number(t.GetFocusedRow()); }},
        {"GetFocusedCol", [](auto& t) { return number(t.GetFocusedCol()); }},
        {"GetTopVisibleNodeIndex", [](auto& t) { return number(t.GetTopVisibleNodeIndex()); }},
        {"GetVisibleNodesCount", [](auto& t) { return number(t.GetVisibleNodesCount()); }},
        {"GetNodeVisibleIndex\t" + id(b),
         [&](auto& t) { return number(t.GetNodeVisibleIndex(b)); }},
        {"GetNextVisibleNodeId\t" + id(b),
         [&](auto& t) { return number(t.GetNextVisibleNodeId(b)); }},
        {"GetPreVisibleNodeId\t" + id(b),
         [&](auto& t) { return number(t.GetPreVisibleNodeId(b)); }},
        {"GetRowByPoint\t" + point, [&](auto& t) { return number(t.GetRowByPoint(x, y)); }},
        {"GetColByPoint\t" + point, [&](auto& t) { return number(t.GetColByPoint(x, y)); }},
        {"GetPictureRect\t" + id(b), [&](auto& t) { return rect(t.GetPictureRect(b)); }},
        {"GetControlRect", [](auto& t) { return rect(t.GetControlRect()); }},
        {"AddNode\t\"new\"\t" + id(readme),
         [&](auto& t) { return number(t.AddNode(L"new", readme)); }},
        {"AddColumn\t\"kind\"\t\"kind\"\t\"Kind\"\tfalse\ttrue\tint32:2\tfalse",
         [](auto& t) {
             return number(t.AddColumn(L"kind", L"kind", L"Kind", false, true,
                                       NDXxXtraTreeList::DCtrlEditType{2}, false));
         }},
    });
}

TEST_F(FacadeResults, TagsKeepAllSixtyFourBitsThereAndBack) {
    static int someObject = 0;
    const auto address = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&someObject));
    for (std::int64_t value :
         {std::int64_t{0}, std::int64_t{-1}, std::int64_t{1} << 40, kTagMin, kTagMax, address}) {
        SCOPED_TRACE(value);
        list.SetNodeTag(a, value);
        EXPECT_EQ(list.GetNodeTag(a), value);
        list.SetNodeTagPtr(b, value);
        EXPECT_EQ(list.GetNodeTag(b), value);
        _Row_Info row{nullptr, 0.0F, 0, nullptr, value};
        EXPECT_EQ(list.GetNodeTag(list.AddNodeEx(&row, docs)), value);
    }
}

TEST_F(FacadeResults, TextResultsFollowTheTextRule) {
    const auto control = ArborkitLib::StandIn::FindControl(list.Handle());
    ASSERT_NE(control, nullptr);
    using ArborkitLib::ComponentString;
    using ArborkitLib::Value;

    list.SetCellValue(a, 1, L"12 kB");
    EXPECT_EQ(list.GetCellValue(a, 1), L"12 kB");
    list.SetCellValue(a, 1, nullptr);
    EXPECT_EQ(list.GetCellValue(a, 1), L"") << "no value";
    list.SetCellValue(a, 1, L"");
    EXPECT_EQ(list.GetCellValue(a, 1), L"");
    control->SetCellValue(a, 1, Value::FromString(ComponentString(std::u16string(u"ab\0cd", 5))));
    EXPECT_EQ(list.GetCellValue(a, 1), L"ab") << "a text ends at its first NUL";
    control->SetCellValue(a, 1, Value::FromInt32(5));
    EXPECT_THROW(list.GetCellValue(a, 1), std::runtime_error) << "a number is no text";

    EXPECT_EQ(list.GetColumnCaption(1), L"") << "no caption";
    list.SetColumnCaption(1, L"");
    EXPECT_EQ(list.GetColumnCaption(1), L"");
    list.SetColumnCaption(1, L"Gr\u00f6\u00dfe \U0001F4C1");
    EXPECT_EQ(list.GetColumnCaption(1), L"Gr\u00f6\u00dfe \U0001F4C1");
}

TEST_F(FacadeResults, HeaderRectSumsTheWidthsOfColumnsUpToCol) {
    list.AddColumn(L"kind", L"kind", L"Kind", true, false, NDXxXtraTreeList::DCtrlEditType{0},
                   true);
    list.SetColumnWidth(0, 50);
    list.SetColumnWidth(1, 60);
    list.SetColumnWidth(2, 70);
    list.SetColumnHeaderHeight(20);
    // The visible order does not enter: the sum goes by column index.
    list.SetColumnVisibleIndex(2, 0);
    struct Case {
        LONG col;
        LONG right;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {-1, 0, {"GetColumnHeaderHeight\t=> 20"}},
        {std::numeric_limits<LONG>::min(), 0, {"GetColumnHeaderHeight\t=> 20"}},
        {0, 50, {"GetColumnWidth\t0\t=> 50", "GetColumnHeaderHeight\t=> 20"}},
        {1,
         110,
         {"GetColumnWidth\t0\t=> 50", "GetColumnWidth\t1\t=> 60", "GetColumnHeaderHeight\t=> 20"}},
        {2,
         180,
         {"GetColumnWidth\t0\t=> 50", "GetColumnWidth\t1\t=> 60", "GetColumnWidth\t2\t=> 70",
          "GetColumnHeaderHeight\t=> 20"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.col);
        journal.clear();
        const RECT r = list.GetColumnHeaderRect(c.col);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.right, c.right);
        EXPECT_EQ(r.bottom, 20);
        EXPECT_EQ(journal.lines(), c.calls);
    }
    // Past the last column the first missing width ends it all.
    journal.clear();
    EXPECT_THROW(list.GetColumnHeaderRect(3), ArborkitLib::ComponentError);
    EXPECT_EQ(journal.lines().size(), 4u);
}

TEST_F(FacadeResults, CellAndPictureRectsAgreeWithTheHitTests) {
    for (int node : {docs, a, img, b, readme}) {
        for (LONG col : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "node " << node << ", column " << col);
            const RECT r = list.GetCellRect(node, col);
            ASSERT_LT(r.left, r.right);
            ASSERT_LT(r.top, r.bottom);
            // Corners inside the cell, and the first points outside it.
            EXPECT_EQ(list.GetRowByPoint(r.left, r.top), node);
            EXPECT_EQ(list.GetColByPoint(r.left, r.top), col);
            EXPECT_EQ(list.GetRowByPoint(r.right - 1, r.bottom - 1), node);
            EXPECT_EQ(list.GetColByPoint(r.right - 1, r.bottom - 1), col);
            EXPECT_NE(list.GetRowByPoint(r.left, r.bottom), node);
            EXPECT_NE(list.GetColByPoint(r.right, r.top), col);
        }
    }
    const RECT picture = list.GetPictureRect(b);
    const RECT cell = list.GetCellRect(b, 0);
    EXPECT_EQ(picture.right - picture.left, 16);
    EXPECT_EQ(picture.bottom - picture.top, 16);
    EXPECT_GE(picture.left, cell.left);
    EXPECT_LE(picture.right, cell.right);
    EXPECT_EQ(list.GetRowByPoint(picture.left, picture.top), b);
}

TEST_F(FacadeResults, SetSelectedAndSetFocusedRowHaveOneEffect) {
    list.SetAllowMultiSelection(true);
    for (auto focus : {&NDXxXtraTreeList::SetSelected, &NDXxXtraTreeList::SetFocusedRow}) {
        list.SelectNode(a, true);
        list.SelectNode(readme, true);
        (list.*focus)(b);
        EXPECT_EQ(list.GetFocusedRow(), b);
        EXPECT_EQ(list.GetSelectedNodesCount(), 1);
        EXPECT_TRUE(list.IsSelected(b));
        list.ClearSelection();
    }
}

TEST_F(FacadeResults, TheSelectionIsReadByPosition) {
    list.SetAllowMultiSelection(true);
    for (int node : {readme, a, b})
        list.SelectNode(node, true);
    journal.clear();
    std::vector<int> selected;
    for (int i = 0; i < list.GetSelectedNodesCount(); ++i)
        selected.push_back(list.GetSelectedNodeId(i));
    EXPECT_EQ(selected, (std::vector<int>{readme, a, b}));
    EXPECT_THAT(journal.linesStartingWith("GetSelectedNodeId"),
                ElementsAre("GetSelectedNodeId\t0\t=> " + id(readme),
                            "GetSelectedNodeId\t1\t=> " + id(a),
                            "GetSelectedNodeId\t2\t=> " + id(b)));
}

TEST_F(FacadeResults, ACopyDrivesTheSameTree) {
    NDXxXtraTreeList copy(list);
    const int added = copy.AddNode(L"added", img);
    EXPECT_EQ(list.GetParentNode(added), img);
    EXPECT_EQ(list.GetCellValue(added, 0), L"added");
}

TEST_F(FacadeResults, ExportWritesTheVisibleTree) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("nodrix-export-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".txt");
    list.SetCellDisplayText(readme, 1, L"40 B");
    list.ExportDataToTxt(file.wstring().c_str());
    std::ifstream in(file, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), {}};
    in.close();
    std::filesystem::remove(file);
    EXPECT_EQ(written, "Name\tsize\n"
                       "docs\t\n"
                       "  a.txt\t10\n"
                       "  img\t\n"
                       "    b.png\t20\n"
                       "readme\t40 B\n");
}

} // namespace
