// Option sets loaded from a master options file, built as the host builds
// them: by format and direction.
#include "option_test_support.h"
#include "vexlan/vexlan_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vexlan_test::masterOptions;
using vexlan_test::MasterOptionsFixture;
using vexlan_test::Option;
using vexlan_test::ScopedEnvironment;
using vexlan_test::ScratchDirectory;
using Options = std::vector<Option>;

struct RuleCase {
    const char* what;
    std::string master;
    Options expected; // of IGES reader
};

// Each case is a whole master options file; the IGES reader options it
// yields show how its lines were taken.
const std::vector<RuleCase>& ruleCases() {
    const std::string longText(511, 'x');
    static const std::vector<RuleCase> cases = {
        {"well-formed fragment",
         "! IGES translation options\n[IGES-R]\nReadLayers=1\nTolerance=0.001\n\n[IGES-RD]\n"
         "ReadLayers=abc\n[IGES-W]\nWriteLayers=1\n",
         {{"ReadLayers", "1", "abc"}, {"Tolerance", "0.001", ""}}},
        {"header with a trailing blank opens nothing", "[IGES-R] \nA=1\n", {}},
        {"header with a leading blank opens nothing", " [IGES-R]\nA=1\n", {}},
        {"header in other letter case opens nothing", "[iges-R]\nA=1\n[IGES-r]\nB=1\n", {}},
        {"detail header does not open the option section, option section after it",
         "[IGES-RD]\nA=about a\n[IGES-R]\nA=1\n",
         {{"A", "1", "about a"}}},
        {"option section ends at the detail header",
         "[IGES-R]\nA=1\n[IGES-RD]\nB=2\n",
         {{"A", "1", ""}}},
        {"entry holding a bracket",
         "[IGES-R]\nFilter=[a,b]\nB=]x[\n",
         {{"Filter", "[a,b]", ""}, {"B", "]x[", ""}}},
        {"bracket line without equals sign ends the section",
         "[IGES-R]\nA=1\n[Other]\nB=2\n",
         {{"A", "1", ""}}},
        {"text without equals sign is skipped",
         "[IGES-R]\nA=1\njust some text\nB=2\n",
         {{"A", "1", ""}, {"B", "2", ""}}},
        {"comment with bracket and equals sign is skipped",
         "[IGES-R]\nA=1\n![not a header]\n!C=3\nB=2\n",
         {{"A", "1", ""}, {"B", "2", ""}}},
        {"blank then ! without bracket is skipped",
         "[IGES-R]\nA=1\n ! a note\nB=2\n",
         {{"A", "1", ""}, {"B", "2", ""}}},
        {"blank then ! with bracket ends the section",
         "[IGES-R]\nA=1\n ! [x]\nB=2\n",
         {{"A", "1", ""}}},
        {"blank then ! with equals sign is an entry", "[IGES-R]\n !x=1\n", {{" !x", "1", ""}}},
        {"empty lines are skipped",
         "\n[IGES-R]\n\nA=1\n\n\nB=2\n",
         {{"A", "1", ""}, {"B", "2", ""}}},
        {"entry rule",
         "[IGES-R]\na=b=c\n=x\ny=\n==\n p = q \n",
         {{"a", "b", ""}, {" p ", " q ", ""}}},
        {"only the first section with a header is read",
         "[IGES-R]\nA=1\n[IGES-W]\nW=1\n[IGES-R]\nB=2\n[IGES-RD]\nA=first\n[IGES-RD]\nA=second\n",
         {{"A", "1", "first"}}},
        {"a repeated header right inside its section ends it",
         "[IGES-R]\nA=1\n[IGES-R]\nB=2\n",
         {{"A", "1", ""}}},
        {"duplicate names: both kept, the detail goes to the first",
         "[IGES-R]\nA=1\nA=2\n[IGES-RD]\nA=about a\n",
         {{"A", "1", "about a"}, {"A", "2", ""}}},
        {"the later detail entry of an option wins",
         "[IGES-R]\nA=1\n[IGES-RD]\nA=old\nA=new\n",
         {{"A", "1", "new"}}},
        {"detail entries naming no option change nothing",
         "[IGES-R]\nA=1\n[IGES-RD]\nZ=about z\na=lower case\nA =blank\n",
         {{"A", "1", ""}}},
        {"CR LF file", "[IGES-R]\r\nA=1\r\n[IGES-RD]\r\nA=about a\r\n", {{"A", "1", "about a"}}},
        {"last line without line feed",
         "[IGES-RD]\nA=about a\n[IGES-R]\nA=1",
         {{"A", "1", "about a"}}},
        {"8-bit bytes are kept", "[IGES-R]\nN\xE4me=\xFF\xFE\n", {{"N\xE4me", "\xFF\xFE", ""}}},
        {"other formats and directions are not read",
         "[STEP-R]\nS=1\n[IGES-W]\nW=1\n[IGES-R]\nA=1\n[IGES-WD]\nA=writer text\n",
         {{"A", "1", ""}}},
        {"long line before the header is cut, its rest is no header",
         longText + "[IGES-R]\nA=1\n[IGES-R]\nB=2\n",
         {{"B", "2", ""}}},
        {"long entry is cut at the line limit",
         "[IGES-R]\nA=" + std::string(700, 'v') + "\nB=2\n",
         {{"A", std::string(509, 'v'), ""}, {"B", "2", ""}}},
        {"rest of a long line is never an entry",
         "[IGES-R]\n" + longText + "C=3\nB=2\n",
         {{"B", "2", ""}}},
        {"rest of a long line never ends the section",
         "[IGES-R]\nA=1\n" + longText + "[Other]\nB=2\n",
         {{"A", "1", ""}, {"B", "2", ""}}},
        {"long detail text is cut",
         "[IGES-R]\nA=1\n[IGES-RD]\nA=" + std::string(600, 'd') + "\n",
         {{"A", "1", std::string(509, 'd')}}},
    };
    return cases;
}

TEST(MasterOptionsFile, LineRulesAndEntryRule) {
    for (const RuleCase& c : ruleCases()) {
        SCOPED_TRACE(c.what);
        MasterOptionsFixture master(c.master);
        EXPECT_EQ(masterOptions(VX_IGES, true), c.expected);
    }
}

TEST(MasterOptionsFile, FormatAndDirectionChooseTheSections) {
    MasterOptionsFixture master("[UG-R]\nUr=1\n[UG-W]\nUw=1\n[UG-WD]\nUw=writer\n[SolidWorks-R]\n"
                                "Sr=1\n[-R]\nUnknownR=1\n[-W]\nUnknownW=1\n");
    struct Case {
        int type;
        int isReader;
        Options expected;
    };
    const Case cases[] = {
        {VX_UG, 1, {{"Ur", "1", ""}}},
        {VX_UG, 2, {{"Ur", "1", ""}}}, // any non-zero indicator means reader
        {VX_UG, -1, {{"Ur", "1", ""}}},
        {VX_UG, 0, {{"Uw", "1", "writer"}}},
        {VX_SOLIDWORKS, 1, {{"Sr", "1", ""}}},
        {VX_SOLIDWORKS, 0, {}},
        {VX_UNKNOWN, 1, {}}, // format 12 reads nothing, though the file has [-R]
        {VX_UNKNOWN, 0, {}},
        {13, 1, {}},
        {-1, 1, {}},
        {1000, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " indicator " << c.isReader);
        EXPECT_EQ(masterOptions(c.type, c.isReader), c.expected);
    }
    // Reading never adds to the catalogue.
    EXPECT_EQ(gMapGeometry.size(), 13u);
    EXPECT_STREQ(VxGetGeometryNameFromType(13), "");
}

struct Outcome {
    int type;
    unsigned int count;
};

Outcome build(int type, bool isReader) {
    VexlanOptions options(static_cast<VexlanGeometryType>(type), isReader);
    EXPECT_EQ(options.IsReader(), isReader);
    return {options.GetGeometryType(), options.GetOptionCount()};
}

TEST(MasterOptionsFile, LocationAndMissingFiles) {
    VxInitializeMaps();
    ScratchDirectory directory;
    directory.write(vexlan_test::kMasterLocation, "[IGES-R]\nA=1\n[STEP-W]\nB=2\n");
    directory.write(std::string("folder/") + vexlan_test::kMasterLocation + "/unrelated", "");
    const std::string topdir = directory.withSeparator();
    struct Case {
        const char* what;
        std::optional<std::string> topdir;
        int type;
        bool isReader;
        Outcome expected;
    };
    const Case cases[] = {
        {"found", topdir, VX_IGES, true, {VX_IGES, 1}},
        {"writer found", topdir, VX_STEP, false, {VX_STEP, 1}},
        {"unset: the format stays", std::nullopt, VX_IGES, true, {VX_IGES, 0}},
        {"empty: the format stays", std::string(), VX_IGES, true, {VX_IGES, 0}},
        {"no trailing separator: not found",
         directory.withoutSeparator(),
         VX_IGES,
         true,
         {VX_UNKNOWN, 0}},
        {"directory without the file", topdir + "vexlan/", VX_IGES, true, {VX_UNKNOWN, 0}},
        {"the file's path is a directory", topdir + "folder/", VX_IGES, true, {VX_UNKNOWN, 0}},
        {"missing, out-of-range format", topdir + "nowhere/", 13, false, {VX_UNKNOWN, 0}},
        {"no option section: the format stays", topdir, VX_IGES, false, {VX_IGES, 0}},
        {"out-of-range format is kept", topdir, 13, true, {13, 0}},
        {"negative format is kept", topdir, -1, false, {-1, 0}},
        {"format 12 opens nothing", topdir + "nowhere/", VX_UNKNOWN, true, {VX_UNKNOWN, 0}},
        {"format 12 opens nothing, writer", std::nullopt, VX_UNKNOWN, false, {VX_UNKNOWN, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedEnvironment environment("topdir", c.topdir);
        const Outcome outcome = build(c.type, c.isReader);
        EXPECT_EQ(outcome.type, c.expected.type);
        EXPECT_EQ(outcome.count, c.expected.count);
    }
}

TEST(MasterOptionsFile, IsReadAfreshForEveryObject) {
    MasterOptionsFixture master("[IGES-R]\nA=1\n");
    EXPECT_EQ(masterOptions(VX_IGES, true), (Options{{"A", "1", ""}}));
    master.directory().write(vexlan_test::kMasterLocation, "[IGES-R]\nA=2\nB=3\n");
    EXPECT_EQ(masterOptions(VX_IGES, true), (Options{{"A", "2", ""}, {"B", "3", ""}}));
}

TEST(MasterOptionsFile, OptionCountAndDataOfAnObject) {
    MasterOptionsFixture master("[IGES-R]\nA=1\nB=2\nA=3\n[IGES-RD]\nB=about b\n");
    VexlanOptions options(VX_IGES, true);
    EXPECT_EQ(options.GetOptionCount(), 3u);
    EXPECT_EQ(options.GetGeometryType(), VX_IGES);
    EXPECT_TRUE(options.IsReader());

    char** names = nullptr;
    char** values = nullptr;
    char** details = nullptr;
    ASSERT_TRUE(options.GetOptionData(&names, &values, &details));
    EXPECT_EQ(vexlan_test::takeOptionArrays(names, values, details, 3),
              (Options{{"A", "1", ""}, {"B", "2", "about b"}, {"A", "3", ""}}));
    // An object hands out a fresh set every time.
    ASSERT_TRUE(options.GetOptionData(&names, &values, &details));
    EXPECT_EQ(vexlan_test::takeOptionArrays(names, values, details, 3).size(), 3u);
}

} // namespace
