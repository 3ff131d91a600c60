// Every facade method, called through a real NDXxXtraTreeList, checked from
// the component's journal: the one operation it makes, its exact arguments
// after conversion, and that the facade hands back exactly what the control
// gave (its result, or its failure as an exception).
//
// The argument tables run on a fresh control with argument values chosen to
// show the conversions: null and empty texts, all 32 bits of a colour or id
// set, 64-bit tags. Whether the control accepts them (an unknown node, say)
// does not matter here: the journal records the arguments either way, and
// the outcome check covers both ways.
#include "arborkit/arborkit.h"
#include "journal_file.h"
#include "nodrix/nodrix.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
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

// Runs `call` and checks that it made exactly the one operation `expected`
// (name and arguments as the journal writes them), and that the facade
// passed on the outcome of that operation unchanged.
void expectForwarded(NDXxXtraTreeList& list, const ScopedJournal& journal,
                     const std::string& expected, const Call& call) {
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

class FacadeForwarding : public testing::Test {
protected:
    void runTable(const std::vector<Forwarding>& table) {
        for (const Forwarding& row : table)
            expectForwarded(list, journal, row.line, row.call);
    }

    ScopedJournal journal;
    NDXxXtraTreeList list;
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
        {"RemoveNode\t4",
         [](auto& t) {
             t.RemoveNode(4);
             return nothing();
         }},
        {"ClearNodes",
         [](auto& t) {
             t.ClearNodes();
             return nothing();
         }},
        {"GetNodeCount", [](auto& t) { return number(t.GetNodeCount()); }},
        {"GetNodeLevel\t5", [](auto& t) { return number(t.GetNodeLevel(5)); }},
        {"GetParentNode\t6", [](auto& t) { return number(t.GetParentNode(6)); }},
        {"GetNextSiblingNode\t7", [](auto& t) { return number(t.GetNextSiblingNode(7)); }},
        {"GetNodeIndexById\t-8", [](auto& t) { return number(t.GetNodeIndexById(-8)); }},
        {"GetNodeTag\t9", [](auto& t) { return tag(t.GetNodeTag(9)); }},
        {"SetDelimiter\t\"/\"",
         [](auto& t) {
             t.SetDelimiter(L"/");
             return nothing();
         }},
        {"SetDelimiter\tnull",
         [](auto& t) {
             t.SetDelimiter(nullptr);
             return nothing();
         }},
        {"SetDelimiter\t\"\"",
         [](auto& t) {
             t.SetDelimiter(L"");
             return nothing();
         }},
        {"SetKeyFieldName\t\"Path\"",
         [](auto& t) {
             t.SetKeyFieldName(L"Path");
             return nothing();
         }},
        {"SetKeyFieldName\tnull",
         [](auto& t) {
             t.SetKeyFieldName(nullptr);
             return nothing();
         }},
        {"SetKeyFieldName\t\"\"",
         [](auto& t) {
             t.SetKeyFieldName(L"");
             return nothing();
         }},
        // The key crosses as a generic value holding text, or nothing.
        {"GetNodeIdByKeyValue\t\"a/b\"",
         [](auto& t) { return number(t.GetNodeIdByKeyValue(L"a/b")); }},
        {"GetNodeIdByKeyValue\tnull",
         [](auto& t) { return number(t.GetNodeIdByKeyValue(nullptr)); }},
        {"GetNodeIdByKeyValue\t\"\"", [](auto& t) { return number(t.GetNodeIdByKeyValue(L"")); }},
        {"ExpandTlistAll",
         [](auto& t) {
             t.ExpandTlistAll();
             return nothing();
         }},
        {"FullExpandNode\t10",
         [](auto& t) {
             t.FullExpandNode(10);
             return nothing();
         }},
        {"SetAutoExpand\ttrue",
         [](auto& t) {
             t.SetAutoExpand(true);
             return nothing();
         }},
        {"SetAutoExpand\tfalse",
         [](auto& t) {
             t.SetAutoExpand(false);
             return nothing();
         }},
    });
    // Tags cross boxed as pointer-sized integers with all 64 bits, and
    // SetNodeTagPtr hands over exactly what SetNodeTag does.
    for (std::int64_t value : {std::int64_t{0}, std::int64_t{-1}, kTagMin, kTagMax, address}) {
        const std::string expected = "SetNodeTag\t11\tintptr:" + std::to_string(value);
        expectForwarded(list, journal, expected, [value](auto& t) {
            t.SetNodeTag(11, value);
            return nothing();
        });
        expectForwarded(list, journal, expected, [value](auto& t) {
            t.SetNodeTagPtr(11, value);
            return nothing();
        });
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
        {"RemoveColumn\t1",
         [](auto& t) {
             t.RemoveColumn(1);
             return nothing();
         }},
        {"ClearColumns",
         [](auto& t) {
             t.ClearColumns();
             return nothing();
         }},
        {"GetColumnCount", [](auto& t) { return number(t.GetColumnCount()); }},
        {"SetColumnCaption\t2\t\"Size\"",
         [](auto& t) {
             t.SetColumnCaption(2, L"Size");
             return nothing();
         }},
        {"SetColumnCaption\t2\tnull",
         [](auto& t) {
             t.SetColumnCaption(2, nullptr);
             return nothing();
         }},
        {"SetColumnCaption\t2\t\"\"",
         [](auto& t) {
             t.SetColumnCaption(2, L"");
             return nothing();
         }},
        {"GetColumnCaption\t3", [](auto& t) { return text(t.GetColumnCaption(3)); }},
        {"SetColumnWidth\t4\t120",
         [](auto& t) {
             t.SetColumnWidth(4, 120);
             return nothing();
         }},
        {"GetColumnWidth\t5", [](auto& t) { return number(t.GetColumnWidth(5)); }},
        {"DisableColumnAutoWidth\ttrue",
         [](auto& t) {
             t.DisableColumnAutoWidth(true);
             return nothing();
         }},
        {"SetColumnFixedLeft\t6\ttrue",
         [](auto& t) {
             t.SetColumnFixedLeft(6, true);
             return nothing();
         }},
        {"SetColumnTextIndent\t7\t-3",
         [](auto& t) {
             t.SetColumnTextIndent(7, -3);
             return nothing();
         }},
        {"SetColumnImageIndent\t8\t4",
         [](auto& t) {
             t.SetColumnImageIndent(8, 4);
             return nothing();
         }},
        {"SetColumnTextOptionTrimming\t9\t0",
         [](auto& t) {
             t.SetColumnTextOptionTrimming(9, 0);
             return nothing();
         }},
        {"SetColumnTextOptionTrimming\t9\t6",
         [](auto& t) {
             t.SetColumnTextOptionTrimming(9, 6);
             return nothing();
         }},
        {"SetColPicHCenter\t10\tfalse",
         [](auto& t) {
             t.SetColPicHCenter(10, false);
             return nothing();
         }},
        {"SetColumnVisibleIndex\t11\t-1",
         [](auto& t) {
             t.SetColumnVisibleIndex(11, -1);
             return nothing();
         }},
        {"GetColumnVisibleIndex\t12", [](auto& t) { return number(t.GetColumnVisibleIndex(12)); }},
        {"GetVisibleColumnCount", [](auto& t) { return number(t.GetVisibleColumnCount()); }},
        {"GetNextVisibleColumnIndex\t13",
         [](auto& t) { return number(t.GetNextVisibleColumnIndex(13)); }},
        {"GetPreVisibleColumnIndex\t14",
         [](auto& t) { return number(t.GetPreVisibleColumnIndex(14)); }},
        {"SetColumnTag\t15\t-2147483648",
         [](auto& t) {
             t.SetColumnTag(15, std::numeric_limits<int>::min());
             return nothing();
         }},
        {"GetColumnTag\t16", [](auto& t) { return number(t.GetColumnTag(16)); }},
        {"EnableColumnSort\t17\ttrue",
         [](auto& t) {
             t.EnableColumnSort(17, true);
             return nothing();
         }},
        {"SetColumnHeaderFontName\t18\t\"Serif\"",
         [](auto& t) {
             t.SetColumnHeaderFontName(18, L"Serif");
             return nothing();
         }},
        {"SetColumnHeaderFontName\t18\tnull",
         [](auto& t) {
             t.SetColumnHeaderFontName(18, nullptr);
             return nothing();
         }},
        {"SetColumnHeaderFontName\t18\t\"\"",
         [](auto& t) {
             t.SetColumnHeaderFontName(18, L"");
             return nothing();
         }},
        {"SetColumnHeaderFontSize\t19\t8.25",
         [](auto& t) {
             t.SetColumnHeaderFontSize(19, 8.25F);
             return nothing();
         }},
        {"SetColumnHeaderFontGdiCharSet\t20\t255",
         [](auto& t) {
             t.SetColumnHeaderFontGdiCharSet(20, 255);
             return nothing();
         }},
        {"SetColumnHeaderPicture\t21\t-1",
         [](auto& t) {
             t.SetColumnHeaderPicture(21, 4294967295u);
             return nothing();
         }},
        {"SetColumnHeaderPicture\t21\t-2147483648",
         [](auto& t) {
             t.SetColumnHeaderPicture(21, 0x80000000u);
             return nothing();
         }},
        {"SetColumnHeaderBackColor\t22\t-1",
         [](auto& t) {
             t.SetColumnHeaderBackColor(22, kAllBits);
             return nothing();
         }},
        {"SetColumnHeaderBackColor\t22\t16744512",
         [](auto& t) {
             t.SetColumnHeaderBackColor(22, 0x00FF8040u);
             return nothing();
         }},
        {"SetColumnHeaderForeColor\t23\t-1",
         [](auto& t) {
             t.SetColumnHeaderForeColor(23, kAllBits);
             return nothing();
         }},
        {"SetColumnHeaderAlignCenter\t24",
         [](auto& t) {
             t.SetColumnHeaderAlignCenter(24);
             return nothing();
         }},
        {"SetColumnHeaderHeight\t25",
         [](auto& t) {
             t.SetColumnHeaderHeight(25);
             return nothing();
         }},
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
        {"SetCellValue\t1\t2\t\"12 kB\"",
         [](auto& t) {
             t.SetCellValue(1, 2, L"12 kB");
             return nothing();
         }},
        {"SetCellValue\t1\t2\tnull",
         [](auto& t) {
             t.SetCellValue(1, 2, nullptr);
             return nothing();
         }},
        {"SetCellValue\t1\t2\t\"\"",
         [](auto& t) {
             t.SetCellValue(1, 2, L"");
             return nothing();
         }},
        {"GetCellValue\t3\t4", [](auto& t) { return text(t.GetCellValue(3, 4)); }},
        {"SetCellDisplayText\t5\t6\t\"shown\"",
         [](auto& t) {
             t.SetCellDisplayText(5, 6, L"shown");
             return nothing();
         }},
        {"SetCellDisplayText\t5\t6\tnull",
         [](auto& t) {
             t.SetCellDisplayText(5, 6, nullptr);
             return nothing();
         }},
        {"SetCellDisplayText\t5\t6\t\"\"",
         [](auto& t) {
             t.SetCellDisplayText(5, 6, L"");
             return nothing();
         }},
        {"SetCellTag\t7\t8\t-9",
         [](auto& t) {
             t.SetCellTag(7, 8, -9);
             return nothing();
         }},
        {"GetCellTag\t10\t11", [](auto& t) { return number(t.GetCellTag(10, 11)); }},
        {"SetCellFontName\t12\t13\t\"Mono\"",
         [](auto& t) {
             t.SetCellFontName(12, 13, L"Mono");
             return nothing();
         }},
        {"SetCellFontName\t12\t13\tnull",
         [](auto& t) {
             t.SetCellFontName(12, 13, nullptr);
             return nothing();
         }},
        {"SetCellFontName\t12\t13\t\"\"",
         [](auto& t) {
             t.SetCellFontName(12, 13, L"");
             return nothing();
         }},
        {"SetCellFontSize\t14\t15\t11.5",
         [](auto& t) {
             t.SetCellFontSize(14, 15, 11.5F);
             return nothing();
         }},
        {"SetFontUnderLine\t16\t17\ttrue",
         [](auto& t) {
             t.SetFontUnderLine(16, 17, true);
             return nothing();
         }},
        {"SetCellBackColor\t18\t19\t-1",
         [](auto& t) {
             t.SetCellBackColor(18, 19, kAllBits);
             return nothing();
         }},
        {"SetCellBackColor\t18\t19\t255",
         [](auto& t) {
             t.SetCellBackColor(18, 19, 0xFFu);
             return nothing();
         }},
        {"SetCellForeColor\t20\t21\t-1",
         [](auto& t) {
             t.SetCellForeColor(20, 21, kAllBits);
             return nothing();
         }},
        {"SetCellPicture\t22\t23\t-1",
         [](auto& t) {
             t.SetCellPicture(22, 23, 4294967295u);
             return nothing();
         }},
        {"SetCellPicture\t22\t23\t5",
         [](auto& t) {
             t.SetCellPicture(22, 23, 5u);
             return nothing();
         }},
        {"SetCellStateImage\t24\t25\t-1",
         [](auto& t) {
             t.SetCellStateImage(24, 25, 4294967295u);
             return nothing();
         }},
        {"SetCellAlignCenter\t26\t27",
         [](auto& t) {
             t.SetCellAlignCenter(26, 27);
             return nothing();
         }},
        {"GetCellRect\t28\t29", [](auto& t) { return rect(t.GetCellRect(28, 29)); }},
    });
}

// ---------------------------------------------------------------------------
// Rows, fonts, colours and look
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, RowAndLookMethods) {
    runTable({
        {"SetRowFontName\t1\t\"Bold Face\"",
         [](auto& t) {
             t.SetRowFontName(1, L"Bold Face");
             return nothing();
         }},
        {"SetRowFontName\t1\tnull",
         [](auto& t) {
             t.SetRowFontName(1, nullptr);
             return nothing();
         }},
        {"SetRowFontName\t1\t\"\"",
         [](auto& t) {
             t.SetRowFontName(1, L"");
             return nothing();
         }},
        {"SetRowFontSize\t2\t9",
         [](auto& t) {
             t.SetRowFontSize(2, 9.0F);
             return nothing();
         }},
        {"SetRowFontGdiCharSet\t3\t0",
         [](auto& t) {
             t.SetRowFontGdiCharSet(3, 0);
             return nothing();
         }},
        {"SetRowFontGdiCharSet\t3\t255",
         [](auto& t) {
             t.SetRowFontGdiCharSet(3, 255);
             return nothing();
         }},
        {"SetRowFontBold\t4\ttrue",
         [](auto& t) {
             t.SetRowFontBold(4, true);
             return nothing();
         }},
        {"SetRowBackColor\t5\t-1",
         [](auto& t) {
             t.SetRowBackColor(5, kAllBits);
             return nothing();
         }},
        {"SetRowBackColor\t5\t-16777216",
         [](auto& t) {
             t.SetRowBackColor(5, 0xFF000000u);
             return nothing();
         }},
        {"SetRowForeColor\t6\t-1",
         [](auto& t) {
             t.SetRowForeColor(6, -1);
             return nothing();
         }},
        {"SetRowSelectedBackColor\t7\t-1",
         [](auto& t) {
             t.SetRowSelectedBackColor(7, kAllBits);
             return nothing();
         }},
        {"SetRowSelectedForeColor\t8\t-1",
         [](auto& t) {
             t.SetRowSelectedForeColor(8, kAllBits);
             return nothing();
         }},
        {"SetRowSelectedForeColor\t8\t65535",
         [](auto& t) {
             t.SetRowSelectedForeColor(8, 0xFFFFu);
             return nothing();
         }},
        {"SetRowHeight\t18",
         [](auto& t) {
             t.SetRowHeight(18);
             return nothing();
         }},
        {"SetRowShadeStyle\t9\tfalse",
         [](auto& t) {
             t.SetRowShadeStyle(9, false);
             return nothing();
         }},
        {"EnableRowSelectHighLight\ttrue",
         [](auto& t) {
             t.EnableRowSelectHighLight(true);
             return nothing();
         }},
        {"ShowRowIndicator\tfalse",
         [](auto& t) {
             t.ShowRowIndicator(false);
             return nothing();
         }},
        {"SetLookStyle\t2",
         [](auto& t) {
             t.SetLookStyle(2);
             return nothing();
         }},
        {"SetTreeLineStyle\t-1",
         [](auto& t) {
             t.SetTreeLineStyle(-1);
             return nothing();
         }},
        {"MakeEmptySpaceTransparent\ttrue",
         [](auto& t) {
             t.MakeEmptySpaceTransparent(true);
             return nothing();
         }},
        {"SetAlwaysCustomDrawNodeCell",
         [](auto& t) {
             t.SetAlwaysCustomDrawNodeCell();
             return nothing();
         }},
    });
}

// ---------------------------------------------------------------------------
// Selection, focus and navigation
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, SelectionMethods) {
    runTable({
        {"SetAllowMultiSelection\ttrue",
         [](auto& t) {
             t.SetAllowMultiSelection(true);
             return nothing();
         }},
        {"SelectNode\t1\ttrue",
         [](auto& t) {
             t.SelectNode(1, true);
             return nothing();
         }},
        {"SelectNode\t1\tfalse",
         [](auto& t) {
             t.SelectNode(1, false);
             return nothing();
         }},
        {"SelectOffspring\t2",
         [](auto& t) {
             t.SelectOffspring(2);
             return nothing();
         }},
        {"ClearSelection",
         [](auto& t) {
             t.ClearSelection();
             return nothing();
         }},
        {"IsSelected\t3", [](auto& t) { return flag(t.IsSelected(3)); }},
        {"GetSelectedNodesCount", [](auto& t) { return number(t.GetSelectedNodesCount()); }},
        {"GetSelectedNodeId\t0", [](auto& t) { return number(t.GetSelectedNodeId(0)); }},
        {"GetSelectedNodeId\t-1", [](auto& t) { return number(t.GetSelectedNodeId(-1)); }},
        // Two names, one and the same call.
        {"SetFocusedRow\t4",
         [](auto& t) {
             t.SetSelected(4);
             return nothing();
         }},
        {"SetFocusedRow\t4",
         [](auto& t) {
             t.SetFocusedRow(4);
             return nothing();
         }},
        {"GetFocusedRow", [](auto& t) { return number(t.GetFocusedRow()); }},
        {"SetFocusedCol\t5",
         [](auto& t) {
             t.SetFocusedCol(5);
             return nothing();
         }},
        {"GetFocusedCol", [](auto& t) { return number(t.GetFocusedCol()); }},
        {"GetTopVisibleNodeIndex", [](auto& t) { return number(t.GetTopVisibleNodeIndex()); }},
        {"SetTopVisibleNodeIndex\t6",
         [](auto& t) {
             t.SetTopVisibleNodeIndex(6);
             return nothing();
         }},
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
        {"SetViewOptions\t3\ttrue",
         [](auto& t) {
             t.SetViewOptions(3, true);
             return nothing();
         }},
        {"EnableColumnCustomizationMenu\tfalse",
         [](auto& t) {
             t.EnableColumnCustomizationMenu(false);
             return nothing();
         }},
        {"CreateColumnCustomization",
         [](auto& t) {
             t.CreateColumnCustomization();
             return nothing();
         }},
        {"SetColumnCustomMenuName\t\"Columns...\"",
         [](auto& t) {
             t.SetColumnCustomMenuName(L"Columns...");
             return nothing();
         }},
        {"SetColumnCustomMenuName\tnull",
         [](auto& t) {
             t.SetColumnCustomMenuName(nullptr);
             return nothing();
         }},
        {"SetColumnCustomMenuName\t\"\"",
         [](auto& t) {
             t.SetColumnCustomMenuName(L"");
             return nothing();
         }},
        {"SetColumnCustomFormName\t\"Pick\"",
         [](auto& t) {
             t.SetColumnCustomFormName(L"Pick");
             return nothing();
         }},
        {"SetColumnCustomFormName\tnull",
         [](auto& t) {
             t.SetColumnCustomFormName(nullptr);
             return nothing();
         }},
        {"SetColumnCustomFormName\t\"\"",
         [](auto& t) {
             t.SetColumnCustomFormName(L"");
             return nothing();
         }},
        {"SetStylesColumnMenu\ttrue",
         [](auto& t) {
             t.SetStylesColumnMenu(true);
             return nothing();
         }},
        {"ShowContextMenuSortItems\tfalse",
         [](auto& t) {
             t.ShowContextMenuSortItems(false);
             return nothing();
         }},
        {"EnableSortAsendingMenu\ttrue",
         [](auto& t) {
             t.EnableSortAsendingMenu(true);
             return nothing();
         }},
        {"EnableSortDesndingMenu\tfalse",
         [](auto& t) {
             t.EnableSortDesndingMenu(false);
             return nothing();
         }},
        {"AddImage\t-1\t-5\t2\t16\t24",
         [](auto& t) {
             t.AddImage(4294967295u, -5, 2, 16, 24);
             return nothing();
         }},
        {"AddImage\t7\t0\t0\t0\t0",
         [](auto& t) {
             t.AddImage(7u, 0, 0, 0, 0);
             return nothing();
         }},
        {"SetBackgroundImage\t-2147483648",
         [](auto& t) {
             t.SetBackgroundImage(std::numeric_limits<LONG>::min());
             return nothing();
         }},
        {"GetPictureRect\t8", [](auto& t) { return rect(t.GetPictureRect(8)); }},
        {"ExportDataToTxt\tnull",
         [](auto& t) {
             t.ExportDataToTxt(nullptr);
             return nothing();
         }},
        {"ExportDataToTxt\t\"\"",
         [](auto& t) {
             t.ExportDataToTxt(L"");
             return nothing();
         }},
    });
}

// ---------------------------------------------------------------------------
// The control as a whole
// ---------------------------------------------------------------------------

TEST_F(FacadeForwarding, ControlMethods) {
    runTable({
        {"Handle", [](auto& t) { return number(reinterpret_cast<std::intptr_t>(t.Handle())); }},
        {"ShowControl",
         [](auto& t) {
             t.ShowControl();
             return nothing();
         }},
        {"Redraw\tfalse",
         [](auto& t) {
             t.Redraw(false);
             return nothing();
         }},
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

} // namespace
