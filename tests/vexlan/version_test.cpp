// The version functions: the build-information block on standard output,
// the release text, and the identification strings in the library file.
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// True when `text` has the shape of `pattern`, where '9' stands for any
// digit and every other character for itself.
bool hasShape(const std::string& text, const std::string& pattern) {
    if (text.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (pattern[i] == '9' ? !isDigit(text[i]) : text[i] != pattern[i]) return false;
    return true;
}

// "YYYY.R.U-CLnnnnn": four digits, dot, digits, dot, digits, "-CL", at least
// five digits.
bool isReleaseVersion(const std::string& text) {
    std::size_t at = 0;
    auto digits = [&](std::size_t least) {
        const std::size_t start = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return at - start >= least;
    };
    auto literal = [&](const std::string& word) {
        if (text.compare(at, word.size(), word) != 0) return false;
        at += word.size();
        return true;
    };
    return digits(4) && at == 4 && literal(".") && digits(1) && literal(".") && digits(1) &&
           literal("-CL") && digits(5) && at == text.size();
}

// "QW ", a label of 13 characters that ends in its only ':', a blank and a
// value that starts with something other than a blank.
bool isLabelledLine(const std::string& line) {
    if (line.size() < 3 + 13 + 2 || line.compare(0, 3, "QW ") != 0) return false;
    const std::string label = line.substr(3, 13);
    return label.find(':') == 12 && line[16] == ' ' && line[17] != ' ';
}

TEST(Version, PrintsAnEmptyLineThenEightLabelledLines) {
    const VersionCall call = callVersion();
    const std::vector<std::string> lines = blockLines(call.printed);
    ASSERT_EQ(lines.size(), 8u) << '[' << call.printed << ']';

    for (const std::string& line : lines)
        EXPECT_TRUE(isLabelledLine(line)) << '[' << line << ']';

    // what each line carries, in order
    for (int i : {0, 1, 2}) {
        const std::string value = valueOf(lines[i]);
        EXPECT_TRUE(value.front() == '(' && value.back() == ')') << value;
    }
    EXPECT_NE(valueOf(lines[0]).find(' '), std::string::npos) << "compiler and its options";
    EXPECT_EQ(valueOf(lines[3]), std::filesystem::path(VEXLAN_LIBRARY_FILE).filename().string());
    EXPECT_FALSE(valueOf(lines[4]).empty());

    const std::string moment = valueOf(lines[5]);
    ASSERT_TRUE(hasShape(moment, "9999-99-99 99:99:99")) << moment;
    // the build number is the same moment: date digits, a dot, hours and minutes
    EXPECT_EQ(valueOf(lines[6]), moment.substr(0, 4) + moment.substr(5, 2) + moment.substr(8, 2) +
                                     "." + moment.substr(11, 2) + moment.substr(14, 2));
    EXPECT_EQ(valueOf(lines[7]), call.release);
}

TEST(Version, ReleaseTextIsTheSameEveryTimeAndFromBothFunctions) {
    const VersionCall first = callVersion();
    const VersionCall second = callVersion();
    EXPECT_EQ(first.printed, second.printed);
    EXPECT_EQ(first.release, second.release);
    EXPECT_TRUE(isReleaseVersion(first.release)) << first.release;

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
