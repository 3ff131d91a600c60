// The format catalogue once it is filled.
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

char* text(const char* s) { return const_cast<char*>(s); }

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override { VxInitializeMaps(); }
};

struct FormatRow {
    int type;
    const char* display;
    const char* host;
    const char* filter;
};

const std::vector<FormatRow> kFormats = {
    {0, "CATIAV4", "catiav4", "CATIAV4 Files (*.model;*.exp;*.session)"},
    {1, "CATIAV5", "catiav5", "CATIAV5 Files (*.CATPart;*.CATProduct;*.CGR)"},
    {2, "IGES", "igs", "IGES Files (*.igs;*.iges)"},
    {3, "Karvex", "karvex", "Karvex Files (*.kvp;*.kva)"},
    {4, "JT", "jt", "JT Files (*.jt)"},
    {5, "ACIS", "acis", "ACIS Files (*.sat;*.sab;*.asat;*.asab)"},
    {6, "Parasolid", "parasolid", "Parasolid Files (*.x_t;*.xmt_txt;*.x_b;*.xmt_bin)"},
    {7, "ProE", "proe", "ProE Files (*.prt;*.prt.*;*.asm;*.asm.*)"},
    {8, "SolidWorks", "solidworks", "SolidWorks Files (*.sldprt;*.sldasm)"},
    {9, "STEP", "stp", "STEP Files (*.stp;*.step)"},
    {10, "UG", "unigraphics", "UG Files (*.prt)"},
    {11, "VDA", "vda", "VDA Files (*.vda)"},
};

TEST_F(Catalogue, EveryFormatAnswersEveryQuestionConsistently) {
    for (const FormatRow& row : kFormats) {
        SCOPED_TRACE(row.display);
        EXPECT_STREQ(gSupportedGeoms[row.type], row.display);
        EXPECT_STREQ(gSolvaneGeomNames[row.type], row.host);
        EXPECT_STREQ(VxGetGeometryNameFromType(row.type), row.display);
        EXPECT_STREQ(VxGetGeometrySolvaneNameFromType(row.type), row.host);
        EXPECT_EQ(VxGetGeometryTypeFromName(text(row.display)), row.type);
        EXPECT_EQ(VxGetGeometryTypeFromSolvaneName(text(row.host)), row.type);
        EXPECT_STREQ(VxGetFileExtensions(text(row.host)), row.filter);
    }
}

TEST_F(Catalogue, MapsHoldExactlyThirteenEntriesInTypeOrderPointingAtTheArrays) {
    ASSERT_EQ(gMapGeometry.size(), 13u);
    ASSERT_EQ(gMapSolvaneNames.size(), 13u);
    int expected = 0;
    for (const auto& [type, name] : gMapGeometry) {
        EXPECT_EQ(type, expected);
        EXPECT_EQ(name, gSupportedGeoms[expected]);
        EXPECT_EQ(gMapSolvaneNames.at(type), gSolvaneGeomNames[expected]);
        ++expected;
    }
    EXPECT_STREQ(gSupportedGeoms[12], "");
    EXPECT_STREQ(gSolvaneGeomNames[12], "");
}

TEST_F(Catalogue, FillingTwiceChangesNothing) {
    const auto before = gMapGeometry;
    const auto beforeHost = gMapSolvaneNames;
    VxInitializeMaps();
    EXPECT_EQ(gMapGeometry, before);
    EXPECT_EQ(gMapSolvaneNames, beforeHost);
}

TEST_F(Catalogue, NameLookupsAreExactAndCaseSensitive) {
    struct Case {
        const char* argument;
        int byDisplayName;
        int byHostName;
    };
    const Case cases[] = {
        {"Parasolid", 6, 12}, {"parasolid", 12, 6}, {"unigraphics", 12, 10},
        {"UG", 10, 12},       {"IGES", 2, 12},      {"igs", 12, 2},
        {"IGES ", 12, 12},    {" IGES", 12, 12},    {"IGE", 12, 12},
        {"IGESX", 12, 12},    {"", 12, 12},         {"nonsense", 12, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(VxGetGeometryTypeFromName(text(c.argument)), c.byDisplayName);
        EXPECT_EQ(VxGetGeometryTypeFromSolvaneName(text(c.argument)), c.byHostName);
    }
    EXPECT_EQ(VxGetGeometryTypeFromName(nullptr), 12);
    EXPECT_EQ(VxGetGeometryTypeFromSolvaneName(nullptr), 12);
}

TEST_F(Catalogue, TypesWithoutEntryGiveTheEmptyTextAndAddNothing) {
    for (int type : {12, 13, -1, 100, -2147483647 - 1}) {
        SCOPED_TRACE(type);
        EXPECT_STREQ(VxGetGeometryNameFromType(type), "");
        EXPECT_STREQ(VxGetGeometrySolvaneNameFromType(type), "");
    }
    EXPECT_EQ(gMapGeometry.size(), 13u);
    EXPECT_EQ(gMapSolvaneNames.size(), 13u);
    EXPECT_EQ(VxGetGeometryTypeFromName(text("no such format")), 12);
}

TEST_F(Catalogue, FilterTextForUnknownOrMissingHostNames) {
    const struct {
        const char* argument;
        const char* filter;
    } cases[] = {
        {"IGES", "*.*"},
        {"Igs", "*.*"},
        {"nonsense", "*.*"},
        {"", "*.*"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_STREQ(VxGetFileExtensions(text(c.argument)), c.filter);
    }
}

TEST_F(Catalogue, NullOrEmptyHostNameLeavesThePreviousFilterTextValid) {
    const char* karvex = VxGetFileExtensions(text("karvex"));
    EXPECT_STREQ(VxGetFileExtensions(nullptr), "*.*");
    EXPECT_STREQ(VxGetFileExtensions(text("")), "*.*");
    EXPECT_STREQ(karvex, "Karvex Files (*.kvp;*.kva)");
}

TEST_F(Catalogue, FilterTextIsRebuiltByTheNextCall) {
    const char* first = VxGetFileExtensions(text("unigraphics"));
    const std::string copy = first;
    EXPECT_EQ(copy, "UG Files (*.prt)");
    const char* second = VxGetFileExtensions(text("vda"));
    EXPECT_STREQ(second, "VDA Files (*.vda)");
    EXPECT_EQ(copy, "UG Files (*.prt)"); // callers copy the text they keep
}

// ---------------------------------------------------------------------------
// Detection from a file name

struct DetectionCase {
    const char* name;
    int expected;
};

const DetectionCase kDetectionCases[] = {
    // every rule of the table, in order
    {"a.model", 0},
    {"a.exp", 0},
    {"a.session", 0},
    {"a.CATPart", 1},
    {"a.CATProduct", 1},
    {"a.CGR", 1},
    {"a.igs", 2},
    {"a.iges", 2},
    {"a.kvp", 3},
    {"a.kva", 3},
    {"a.jt", 4},
    {"a.sat", 5},
    {"a.sab", 5},
    {"a.asat", 5},
    {"a.asab", 5},
    {"a.x_t", 6},
    {"a.xmt_txt", 6},
    {"a.x_b", 6},
    {"a.xmt_bin", 6},
    {"a.prt", 7},
    {"a.asm", 7},
    {"a.sldprt", 8},
    {"a.sldasm", 8},
    {"a.stp", 9},
    {"a.step", 9},
    {"a.vda", 11},
    // paths, blanks and dots
    {"C:\\models\\wheel.CATPart", 1},
    {"/home/user/models/wheel.CATPart", 1},
    {"a/b.c/part", 12},
    {"a\\b.c\\part", 12},
    {"part.igs ", 2},
    {"part.igs\tcomment", 2},
    {"part.ig s", 12},
    {"part.", 12},
    {".igs", 2},
    {"part", 12},
    {"part.IGS", 12},
    {"part.Stp", 12},
    // rules test how the extension begins
    {"part.stpx", 9},
    {"part.prt_old", 7},
    {"part.jtx", 4},
    {"part.sldprt", 8},
    {"part.prt", 7}, // ProE, never UG
    {"assy.asm", 7},
    {"part.step", 9},
    {"part.x_b", 6},
    {"archive.tar.igs", 2},
    {"model.igs.bak", 12},
    {"model.txt", 12},
    {"", 12},
    // versioned Pro/E names
    {"wheel.prt.3", 7},
    {"assy.asm.12", 7},
    {"C:\\work\\wheel.prt.7", 7},
    {"wheel.prt.3 ", 7},
    {"wheel.prt.", 12},
    {"wheel.prt.3a", 12},
    {"wheel.prt.-3", 12},
    {"wheel.PRT.3", 12},
    {"wheelprt.3", 12},
    {"prt.3", 12},
    {"wheel.xprt.3", 12},
    {"wheel.igs.3", 12},
    {"dir.prt/3", 12},
};

TEST(Detection, FileNamesAgainstTheRuleTable) {
    for (const DetectionCase& c : kDetectionCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VxGetGeometryTypeFromFile(text(c.name)), c.expected);
    }
    EXPECT_EQ(VxGetGeometryTypeFromFile(nullptr), 12);
}

TEST(Detection, LongExtensionsAreJudgedByTheirFirstCharactersWithoutOverflow) {
    const std::string tail(5000, 'z');
    std::string name = "part.step" + tail;
    EXPECT_EQ(VxGetGeometryTypeFromFile(name.data()), 9);
    name = "part." + tail;
    EXPECT_EQ(VxGetGeometryTypeFromFile(name.data()), 12);
    name = "part.prt." + std::string(40, '7');
    EXPECT_EQ(VxGetGeometryTypeFromFile(name.data()), 7);
    // exactly 31 and 32 characters, around the buffer's capacity
    name = "part.igs" + std::string(28, 'q');
    EXPECT_EQ(VxGetGeometryTypeFromFile(name.data()), 2);
    name = "part.igs" + std::string(29, 'q');
    EXPECT_EQ(VxGetGeometryTypeFromFile(name.data()), 2);
}

TEST(Detection, DoesNotChangeTheGivenText) {
    char name[] = "C:\\models\\wheel.prt.3 ";
    const std::string before = name;
    VxGetGeometryTypeFromFile(name);
    EXPECT_EQ(before, name);
}

} // namespace
