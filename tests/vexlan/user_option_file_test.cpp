// User option files: the header that names format and direction, and the
// values that override the master defaults.
#include "option_test_support.h"
#include "vexlan/vexlan_options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using test_support::text;
using vexlan_test::FileOptions;
using vexlan_test::MasterOptionsFixture;
using vexlan_test::Option;
using vexlan_test::ScopedEnvironment;
using vexlan_test::ScratchDirectory;
using vexlan_test::userFileOptions;
using Options = std::vector<Option>;

struct TypeOfFile {
    int result;
    std::string name;
    int isReader;
};

TypeOfFile typeOfFile(std::string path) {
    char name[32];
    std::memset(name, '#', sizeof name);
    name[sizeof name - 1] = '\0';
    int isReader = -1;
    const int result = VxGetTypeOfOptFile(text(path), name, &isReader);
    return {result, name, isReader};
}

TEST(UserOptionFileHeader, NamesFormatAndDirection) {
    VxInitializeMaps();
    ScratchDirectory directory;
    const std::string longLine(511, 'x');
    struct Case {
        const char* what;
        std::string content;
        std::string name;
        int isReader;
    };
    const Case cases[] = {
        {"reader", "[IGES-R]\nA=1\n", "IGES", 1},
        {"writer after other text", "some text\n[STEP-W]\n", "STEP", 0},
        {"the longest name", "[SolidWorks-R]", "SolidWorks", 1},
        {"detail header: any second token but R is writer", "[IGES-RD]\n", "IGES", 0},
        {"lower-case direction", "[IGES-r]\n", "IGES", 0},
        {"blanks around the tokens", "[ IGES - R ]\n", "IGES", 1},
        {"other letter case: unknown format", "[iges-R]\n", "", 1},
        {"comment line is the header", "! old [IGES-R]\n[IGES-R]\n", "", 0},
        {"comment mark before the bracket is a token", "![IGES-R]\n", "", 0},
        {"only the first two tokens count", "[IGES-R-W]\n", "IGES", 1},
        {"bracket anywhere in the line", "IGES-R [\n", "IGES", 1},
        {"CR LF line end is no part of the direction", "[IGES-R]\r\n", "IGES", 1},
        {"last line without line feed", "text\n[JT-R", "JT", 1},
        {"a tab is no separator", "[IGES\t-R]\n", "", 1},
        {"single token: that format, direction unnamed", "[IGES]\n", "IGES", 0},
        {"no token", "[ - ]\n[IGES-R]\n", "", 0},
        {"no line with a bracket", "A=1\nB=2\n", "", 0},
        {"empty file", "", "", 0},
        {"header after a long line", longLine + "yyy\n[ACIS-R]\n", "ACIS", 1},
        {"bracket beyond the line limit is no header", longLine + "[STEP-W]\n[VDA-R]\n", "VDA", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TypeOfFile type = typeOfFile(directory.write("user.opt", c.content));
        EXPECT_EQ(type.result, 1);
        EXPECT_EQ(type.name, c.name);
        EXPECT_EQ(type.isReader, c.isReader);
    }
}

TEST(UserOptionFileHeader, MissingArgumentsWriteNothing) {
    VxInitializeMaps();
    ScratchDirectory directory;
    std::string path = directory.write("user.opt", "[IGES-R]\n");
    std::string empty;
    char name[16] = "untouched";
    int isReader = 7;
    EXPECT_EQ(VxGetTypeOfOptFile(nullptr, name, &isReader), 0);
    EXPECT_EQ(VxGetTypeOfOptFile(text(empty), name, &isReader), 0);
    EXPECT_EQ(VxGetTypeOfOptFile(text(path), nullptr, &isReader), 0);
    EXPECT_EQ(VxGetTypeOfOptFile(text(path), name, nullptr), 0);
    EXPECT_STREQ(name, "untouched");
    EXPECT_EQ(isReader, 7);
}

TEST(UserOptionFileHeader, MissingFileGivesTheEmptyName) {
    VxInitializeMaps();
    ScratchDirectory directory;
    const TypeOfFile type = typeOfFile(directory.withSeparator() + "missing.opt");
    EXPECT_EQ(type.result, 1);
    EXPECT_EQ(type.name, "");
    EXPECT_EQ(type.isReader, 0);
}

TEST(UserOptionFileHeader, ReadingTheHeaderNeverOpensTheMasterFile) {
    VxInitializeMaps();
    ScratchDirectory directory;
    const std::string path = directory.write("user.opt", "[IGES-R]\nA=2\n");
    // A full load would find no master file and turn the format into 12.
    ScopedEnvironment topdir("topdir", directory.withSeparator() + "nowhere/");
    EXPECT_EQ(typeOfFile(path).name, "IGES");
    VexlanOptions headerOnly(path, true);
    EXPECT_EQ(headerOnly.GetGeometryType(), VX_IGES);
    EXPECT_EQ(headerOnly.GetOptionCount(), 0u);
    VexlanOptions full(path, false);
    EXPECT_EQ(full.GetGeometryType(), VX_UNKNOWN);
}

TEST(UserOptionFileHeader, HeaderOnlyLoadsNoOptions) {
    MasterOptionsFixture master("[IGES-R]\nA=1\n");
    const std::string path = master.directory().write("user.opt", "[IGES-R]\nA=2\n");
    VexlanOptions options(path, true);
    EXPECT_EQ(options.GetGeometryType(), VX_IGES);
    EXPECT_TRUE(options.IsReader());
    EXPECT_EQ(options.GetOptionCount(), 0u);
}

const char* const kMaster = "[IGES-R]\nA=1\nB=2\nC=3\nA=4\n[IGES-RD]\nA=about a\nB=about b\n"
                            "[IGES-W]\nW=1\n[-R]\nU=1\n";

TEST(UserOptionFile, OverridesValuesOfTheMasterSet) {
    struct Case {
        const char* what;
        std::string user;
        int type;
        int isReader;
        Options expected;
    };
    const Options defaults = {
        {"A", "1", "about a"}, {"B", "2", "about b"}, {"C", "3", ""}, {"A", "4", ""}};
    const Case cases[] = {
        {"values replaced, details kept",
         "[IGES-R]\nB=20\nC=30\n",
         VX_IGES,
         1,
         {{"A", "1", "about a"}, {"B", "20", "about b"}, {"C", "30", ""}, {"A", "4", ""}}},
        {"the first option of a name takes the value",
         "[IGES-R]\nA=9\n",
         VX_IGES,
         1,
         {{"A", "9", "about a"}, {"B", "2", "about b"}, {"C", "3", ""}, {"A", "4", ""}}},
        {"the later entry of a name wins",
         "[IGES-R]\nB=first\nB=second\n",
         VX_IGES,
         1,
         {{"A", "1", "about a"}, {"B", "second", "about b"}, {"C", "3", ""}, {"A", "4", ""}}},
        {"values are taken as they stand",
         "[IGES-R]\nB= padded \nC=[x]!\n",
         VX_IGES,
         1,
         {{"A", "1", "about a"}, {"B", " padded ", "about b"}, {"C", "[x]!", ""}, {"A", "4", ""}}},
        {"unknown names are dropped, nothing is added", "[IGES-R]\nZ=1\nb=5\nB =5\n", VX_IGES, 1,
         defaults},
        {"entries after a second header are not applied",
         "[IGES-R]\nC=30\n[IGES-W]\nB=20\n",
         VX_IGES,
         1,
         {{"A", "1", "about a"}, {"B", "2", "about b"}, {"C", "30", ""}, {"A", "4", ""}}},
        {"header after other lines",
         "saved by hand\nB=99\n[IGES-R]\nB=20\n",
         VX_IGES,
         1,
         {{"A", "1", "about a"}, {"B", "20", "about b"}, {"C", "3", ""}, {"A", "4", ""}}},
        {"CR LF file",
         "[IGES-R]\r\nB=20\r\n",
         VX_IGES,
         1,
         {{"A", "1", "about a"}, {"B", "20", "about b"}, {"C", "3", ""}, {"A", "4", ""}}},
        {"header with blanks names the set but opens no section", "[ IGES - R ]\nB=20\n", VX_IGES,
         1, defaults},
        {"a detail header means the writer set", "[IGES-RD]\nW=5\n", VX_IGES, 0, {{"W", "1", ""}}},
        {"the writer set with the writer section", "[IGES-W]\nW=5\n", VX_IGES, 0, {{"W", "5", ""}}},
        {"unknown format loads the set of format 12",
         "[iges-R]\nU=5\n",
         VX_UNKNOWN,
         1,
         {{"U", "1", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MasterOptionsFixture master(kMaster);
        const FileOptions got = userFileOptions(master.directory().write("user.opt", c.user));
        EXPECT_EQ(got.result, 1);
        EXPECT_EQ(got.type, c.type);
        EXPECT_EQ(got.isReader, c.isReader);
        EXPECT_EQ(got.options, c.expected);
    }
}

TEST(UserOptionFile, FailureOutcomes) {
    MasterOptionsFixture master(kMaster);
    const ScratchDirectory& directory = master.directory();
    struct Case {
        const char* what;
        std::string path;
        int type;
        int isReader;
    };
    const Case cases[] = {
        {"file missing", directory.withSeparator() + "missing.opt", VX_UNKNOWN, 0},
        {"a directory, not a file", directory.withSeparator(), VX_UNKNOWN, 0},
        {"no line with a bracket", directory.write("a.opt", "A=1\n"), VX_UNKNOWN, 0},
        {"no token", directory.write("b.opt", "[]\n"), VX_UNKNOWN, 0},
        {"single token: format found, no options", directory.write("c.opt", "[IGES]\nA=5\n"),
         VX_IGES, 0},
        {"format without an option section", directory.write("d.opt", "[STEP-R]\nA=5\n"), VX_STEP,
         1},
        {"unknown format without a section of format 12", directory.write("e.opt", "[Nope-W]\n"),
         VX_UNKNOWN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FileOptions got = userFileOptions(c.path);
        EXPECT_EQ(got.result, 0);
        EXPECT_EQ(got.type, c.type);
        EXPECT_EQ(got.isReader, c.isReader);
        EXPECT_TRUE(got.options.empty());
    }
}

TEST(UserOptionFile, MissingMasterFileLeavesFormat12) {
    VxInitializeMaps();
    ScratchDirectory directory;
    ScopedEnvironment topdir("topdir", directory.withSeparator());
    const FileOptions got = userFileOptions(directory.write("user.opt", "[IGES-R]\nA=5\n"));
    EXPECT_EQ(got.result, 0);
    EXPECT_EQ(got.type, VX_UNKNOWN);
    EXPECT_EQ(got.isReader, 1);
}

TEST(UserOptionFile, EmptyPathGivesAnEmptyObject) {
    MasterOptionsFixture master(kMaster);
    for (const bool headerOnly : {true, false}) {
        VexlanOptions options(std::string(), headerOnly);
        EXPECT_EQ(options.GetGeometryType(), VX_UNKNOWN);
        EXPECT_FALSE(options.IsReader());
        EXPECT_EQ(options.GetOptionCount(), 0u);
    }
}

} // namespace
