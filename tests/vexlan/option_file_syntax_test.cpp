// The building blocks of option-file reading: lines, entries, header tokens.
#include "option_file_header.h"
#include "option_line_reader.h"
#include "option_section_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using vexlan::detail::kMaxOptionLineLength;
using Lines = std::vector<std::string>;

Lines readAllLines(const std::string& bytes) {
    std::istringstream in(bytes);
    Lines lines;
    std::string line;
    while (vexlan::detail::readOptionLine(in, line))
        lines.push_back(line);
    EXPECT_TRUE(line.empty()) << "the final call leaves no text behind";
    return lines;
}

TEST(OptionLineReader, SplitsLinesByteForByte) {
    const std::string nul("a\0b", 3);
    struct Case {
        const char* what;
        std::string bytes;
        Lines expected;
    };
    const Case cases[] = {
        {"nothing at all", "", {}},
        {"plain lines", "a\nb\n", {"a", "b"}},
        {"last line without a line feed", "a\nb", {"a", "b"}},
        {"empty lines stay lines", "\n\nx\n", {"", "", "x"}},
        {"CR LF line ends", "a\r\nb\r\n", {"a", "b"}},
        {"only one CR before the LF is dropped", "a\r\r\n", {"a\r"}},
        {"a CR elsewhere is text", "a\rb\n\rc\n", {"a\rb", "\rc"}},
        {"a CR at the very end is text", "a\r", {"a\r"}},
        {"a lone CR line", "\r\n", {""}},
        {"NUL and 8-bit bytes are kept", nul + "\n\xE9\xFF\x80\n", {nul, "\xE9\xFF\x80"}},
        {"blanks and tabs are kept", " a \t\n", {" a \t"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readAllLines(c.bytes), c.expected);
    }
}

TEST(OptionLineReader, CutsLongLinesAndSkipsTheirRest) {
    const std::string full(kMaxOptionLineLength, 'x');
    struct Case {
        const char* what;
        std::string bytes;
        Lines expected;
    };
    const Case cases[] = {
        {"exactly the limit", full + "\nb\n", {full, "b"}},
        {"one over the limit", full + "y\nb\n", {full, "b"}},
        {"far over the limit, rest never a line",
         full + std::string(3000, 'y') + "\nb\n",
         {full, "b"}},
        {"rest holding line-like text", full + "[IGES-R]\nA=1\n", {full, "A=1"}},
        {"long last line without a line feed", full + std::string(100, 'y'), {full}},
        {"limit then CR LF: the CR is the line end", full + "\r\nb", {full, "b"}},
        {"one under the limit then CR LF", full.substr(1) + "\r\n", {full.substr(1)}},
        {"a CR at the limit that no LF follows is cut", full + "\ry\n", {full}},
        {"a CR within the limit that no LF follows is text",
         full.substr(1) + "\ry\n",
         {full.substr(1) + "\r"}},
        {"long line ending in CR LF", full + std::string(50, 'y') + "\r\nb\r\n", {full, "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readAllLines(c.bytes), c.expected);
    }
}

TEST(OptionLineReader, ReadsOnAfterARewind) {
    std::istringstream in("a\nb");
    std::string line;
    while (vexlan::detail::readOptionLine(in, line)) {
    }
    in.clear();
    in.seekg(0);
    ASSERT_TRUE(vexlan::detail::readOptionLine(in, line));
    EXPECT_EQ(line, "a");
}

TEST(OptionEntryRule, CutsAtEveryEqualsSignAndKeepsTheFirstTwoPieces) {
    struct Case {
        std::string line;
        bool entry;
        std::string name;
        std::string value;
    };
    const Case cases[] = {
        {"Tolerance=0.01", true, "Tolerance", "0.01"},
        {"a=b=c", true, "a", "b"},
        {"a==b", true, "a", "b"},
        {"=a=b", true, "a", "b"},
        {"==a===b==", true, "a", "b"},
        {"a =  b ", true, "a ", "  b "},
        {"Filter=[a,b]", true, "Filter", "[a,b]"},
        {"!x=[y]", true, "!x", "[y]"},
        {"a=", false, "", ""},
        {"=b", false, "", ""},
        {"==", false, "", ""},
        {"=", false, "", ""},
        {"no equals sign", false, "", ""},
        {"", false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::string name = "untouched";
        std::string value = "untouched";
        EXPECT_EQ(vexlan::detail::splitOptionEntry(c.line, name, value), c.entry);
        EXPECT_EQ(name, c.entry ? c.name : "untouched");
        EXPECT_EQ(value, c.entry ? c.value : "untouched");
    }
}

TEST(OptionSectionReader, AnEmptyHeaderMatchesNoLine) {
    std::istringstream in("\n[]\n[-R]\nA=1\n");
    std::vector<std::string> names, values;
    vexlan::detail::readOptionSection(in, "", names, values);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(values.empty());
}

TEST(OptionFileHeader, SplitsAtBlanksBracketsAndDashes) {
    struct Case {
        std::string line;
        std::vector<std::string> tokens;
    };
    const Case cases[] = {
        {"[IGES-R]", {"IGES", "R"}},
        {"[ IGES - R ]", {"IGES", "R"}},
        {"[iges-R]", {"iges", "R"}},
        {"[IGES-RD]", {"IGES", "RD"}},
        {"--[[IGES]]--R", {"IGES", "R"}},
        {"! old [IGES-R]", {"!", "old", "IGES", "R"}},
        {"[IGES\t-R]", {"IGES\t", "R"}},
        {"[IGES]", {"IGES"}},
        {"[ - ]", {}},
        {"[", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(vexlan::detail::tokeniseOptionHeader(c.line), c.tokens);
    }
}

TEST(OptionFileHeader, IsTheFirstLineHoldingABracket) {
    struct Case {
        const char* what;
        std::string bytes;
        bool found;
        std::string header;
    };
    const std::string full(kMaxOptionLineLength, 'x');
    const Case cases[] = {
        {"first line", "[IGES-R]\nA=1\n", true, "[IGES-R]"},
        {"after other text", "note\n\nA=1\n[STEP-W]\n[IGES-R]\n", true, "[STEP-W]"},
        {"a comment counts", "! see [manual]\n[IGES-R]\n", true, "! see [manual]"},
        {"anywhere in the line", "IGES-R [\n", true, "IGES-R ["},
        {"CR LF file", "[IGES-R]\r\n", true, "[IGES-R]"},
        {"none", "A=1\nB=2", false, ""},
        {"bracket beyond the line limit is cut away", full + "[STEP-W]\n[IGES-R]\n", true,
         "[IGES-R]"},
        {"after a long line", full + "yyy\n[IGES-R]", true, "[IGES-R]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::istringstream in(c.bytes);
        std::string line;
        EXPECT_EQ(vexlan::detail::findOptionHeaderLine(in, line), c.found);
        EXPECT_EQ(line, c.header);
    }
}

} // namespace
