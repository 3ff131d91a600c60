// The catalogue from load until it is filled: this suite never fills it
// before its checks, and ctest runs each case in a fresh process.
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

namespace {

char* text(const char* s) { return const_cast<char*>(s); }

TEST(UnfilledCatalogue, AnswersAsEmpty) {
    EXPECT_TRUE(gMapGeometry.empty());
    EXPECT_TRUE(gMapSolvaneNames.empty());
    EXPECT_EQ(VxGetGeometryTypeFromName(text("IGES")), 12);
    EXPECT_EQ(VxGetGeometryTypeFromSolvaneName(text("igs")), 12);
    EXPECT_EQ(VxGetGeometryNameFromType(2), nullptr);
    EXPECT_EQ(VxGetGeometrySolvaneNameFromType(12), nullptr);
    EXPECT_STREQ(VxGetFileExtensions(text("igs")), "*.*");
    EXPECT_STREQ(VxGetFileExtensions(nullptr), "*.*");
    // lookups of absent types insert nothing
    EXPECT_TRUE(gMapGeometry.empty());
    EXPECT_TRUE(gMapSolvaneNames.empty());
    // the arrays are constant data, there from load
    EXPECT_STREQ(gSupportedGeoms[2], "IGES");
}

TEST(UnfilledCatalogue, DetectionWorksBeforeFilling) {
    EXPECT_EQ(VxGetGeometryTypeFromFile(text("part.igs")), 2);
    EXPECT_EQ(VxGetGeometryTypeFromFile(text("part.prt")), 7);
    EXPECT_TRUE(gMapGeometry.empty());
}

TEST(UnfilledCatalogue, FillingMakesTheLookupsAnswer) {
    ASSERT_EQ(VxGetGeometryTypeFromName(text("IGES")), 12);
    VxInitializeMaps();
    EXPECT_EQ(VxGetGeometryTypeFromName(text("IGES")), 2);
    EXPECT_STREQ(VxGetFileExtensions(text("igs")), "IGES Files (*.igs;*.iges)");
}

} // namespace
