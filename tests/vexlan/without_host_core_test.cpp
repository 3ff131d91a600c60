// The library in a process where the host core library cannot be found.
#include "shared_library.h"
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class WithoutHostCore : public ::testing::Test {
protected:
    void SetUp() override {
        vexlan::LibraryHandle found =
            vexlan::loadSharedLibrary(vexlan::sharedLibraryFileName("slvcore"));
        if (found != nullptr) vexlan::unloadSharedLibrary(found);
        ASSERT_EQ(found, nullptr) << "this suite must run where slvcore cannot be found";
    }
};

TEST_F(WithoutHostCore, CatalogueWorks) {
    VxInitializeMaps();
    char name[] = "bracket.igs";
    EXPECT_EQ(VxGetGeometryTypeFromFile(name), VX_IGES);
    EXPECT_STREQ(VxGetGeometryNameFromType(VX_IGES), "IGES");
    char host[] = "stp";
    EXPECT_STREQ(VxGetFileExtensions(host), "STEP Files (*.stp;*.step)");
}

TEST_F(WithoutHostCore, EachMessageGoesToStandardErrorInstead) {
    char text[] = "An error occured during the conversion process ...";
    testing::internal::CaptureStderr();
    ReportMessageToSolvane(text, 2);
    ReportMessageToSolvane(text, 7);
    const std::string shown = testing::internal::GetCapturedStderr();

    const std::string ending = "; level 2: " + std::string(text) + "\n";
    ASSERT_EQ(std::count(shown.begin(), shown.end(), '\n'), 2) << shown;
    const std::string firstLine = shown.substr(0, shown.find('\n') + 1);
    EXPECT_EQ(firstLine.rfind("vexlan: host message display unavailable (", 0), 0u) << firstLine;
    EXPECT_NE(firstLine.find(vexlan::sharedLibraryFileName("slvcore")), std::string::npos);
    EXPECT_TRUE(firstLine.ends_with(ending)) << firstLine;
    EXPECT_TRUE(shown.ends_with("; level 0: " + std::string(text) + "\n")) << shown;
}

} // namespace
