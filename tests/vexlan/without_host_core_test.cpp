// The library in a process where the host core library cannot be found.
#include "option_test_support.h"
#include "shared_library.h"
#include "test_support.h"
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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

TEST_F(WithoutHostCore, OptionFilesAreStillAppliedThroughATemporaryFileOfOurOwn) {
    namespace fs = std::filesystem;
    const vexlan_test::MasterOptionsFixture master("[IGES-R]\nTolerance=0.01\nReadLayers=1\n");
    const vexlan_test::ScratchDirectory& scratch = master.directory();
    fs::create_directory(scratch.path() / "tmp");
    test_support::writeFile(scratch.file("user.opt"), "[IGES-R]\nReadLayers=0\n");
    test_support::writeFile(scratch.file("part.igs"), "IGES model");
    test_support::setEnvironment("SPAX_STANDIN_JOURNAL", scratch.file("journal.txt"));
    test_support::setTemporaryDirectory(scratch.file("tmp"));

    const std::string in = scratch.file("part.igs");
    const std::string out = scratch.file("part.x_t");
    const std::string options = scratch.file("user.opt");
    using test_support::text;
    EXPECT_EQ(VxConvertToParasolid(text(in), VX_IGES, text(out), text(options), nullptr, 0), 1);

    const auto journal = test_support::readLines(scratch.file("journal.txt"));
    EXPECT_NE(std::find(journal.begin(), journal.end(),
                        "SPAIConverter::SetOptions\tTolerance=0.01\tReadLayers=0"),
              journal.end());
    const std::string temporary = vexlan_test::temporaryOptionFile(journal);
    ASSERT_NE(temporary, vexlan_test::kNoOptionFileApplied);
    EXPECT_EQ(fs::path(temporary).parent_path(), fs::path(scratch.file("tmp")));
    EXPECT_EQ(fs::path(temporary).filename().string().rfind("vexlan", 0), 0u) << temporary;
    EXPECT_TRUE(fs::is_empty(scratch.file("tmp"))) << "the temporary file is removed";
}

} // namespace
