// The version functions: the build-information block on standard output,
// the release text, and the identification strings in the library file.
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

struct VersionCall {
    std::string printed;
    const char* release;
};

VersionCall callVersion() {
    testing::internal::CaptureStdout();
    const char* release = Vexlan_version();
    return {testing::internal::GetCapturedStdout(), release};
}

// The eight lines of a block "\n" + ("\n" + line) * 8 + "\n".
std::vector<std::string> blockLines(const std::string& block) {
    std::vector<std::string> lines;
    if (block.size() < 3 || block.compare(0, 2, "\n\n") != 0 || block.back() != '\n') return lines;
    std::size_t start = 2;
    for (std::size_t end; (end = block.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(block.substr(start, end - start));
    return lines;
}

// The value of a line "QW <13-character label> <value>".
std::string valueOf(const std::string& line) { return line.substr(3 + 13 + 1); }

TEST(Version, PrintsAnEmptyLineThenEightLabelledLines) {
    const VersionCall call = callVersion();
    const std::vector<std::string> lines = blockLines(call.printed);
    ASSERT_EQ(lines.size(), 8u) << '[' << call.printed << ']';

    const std::regex labelled("QW [^:\n]{12}: \\S.*");
    for (const std::string& line : lines)
        EXPECT_TRUE(std::regex_match(line, labelled)) << '[' << line << ']';

    // what each line carries, in order
    const std::regex parenthesised("\\(.*\\)");
    for (int i : {0, 1, 2})
        EXPECT_TRUE(std::regex_match(valueOf(lines[i]), parenthesised)) << i;
    EXPECT_NE(valueOf(lines[0]).find(' '), std::string::npos) << "compiler and its options";
    EXPECT_EQ(valueOf(lines[3]), std::filesystem::path(VEXLAN_LIBRARY_FILE).filename().string());
    EXPECT_FALSE(valueOf(lines[4]).empty());

    std::smatch moment;
    const std::string momentText = valueOf(lines[5]);
    ASSERT_TRUE(std::regex_match(
        momentText, moment, std::regex("(\\d{4})-(\\d{2})-(\\d{2}) (\\d{2}):(\\d{2}):\\d{2}")));
    // the build number is the same moment: date digits, a dot, hours and minutes
    EXPECT_EQ(valueOf(lines[6]),
              moment.str(1) + moment.str(2) + moment.str(3) + "." + moment.str(4) + moment.str(5));
    EXPECT_EQ(valueOf(lines[7]), call.release);
}

TEST(Version, ReleaseTextIsTheSameEveryTimeAndFromBothFunctions) {
    const VersionCall first = callVersion();
    const VersionCall second = callVersion();
    EXPECT_EQ(first.printed, second.printed);
    EXPECT_EQ(first.release, second.release);
    EXPECT_TRUE(std::regex_match(first.release, std::regex("\\d{4}\\.\\d+\\.\\d+-CL\\d{5,}")))
        << first.release;

    testing::internal::CaptureStdout();
    const char* quiet = Vexlan_build_version();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_STREQ(quiet, first.release);
}

TEST(Version, LibraryFileHoldsEachLineAsAnIdentificationString) {
    std::ifstream file(VEXLAN_LIBRARY_FILE, std::ios::binary);
    ASSERT_TRUE(file) << VEXLAN_LIBRARY_FILE;
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};

    // what `strings | grep '@(#)'` shows: every marked text up to its NUL
    std::set<std::string> marked;
    for (std::size_t at = bytes.find("@(#)"); at != std::string::npos;
         at = bytes.find("@(#)", at + 1))
        marked.insert(bytes.substr(at, bytes.find('\0', at) - at));

    std::set<std::string> printed;
    for (const std::string& line : blockLines(callVersion().printed))
        printed.insert("@(#)" + line);
    ASSERT_EQ(printed.size(), 8u);
    EXPECT_EQ(marked, printed);
}

} // namespace
