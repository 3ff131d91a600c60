// The host core stand-in: message display and temporary file names.
#include "slvcore/slvcore.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;
using test_support::readFile;

char* text(const char* s) { return const_cast<char*>(s); }

class Slvcore : public ::testing::Test {
protected:
    void SetUp() override { test_support::setTemporaryDirectory(scratch.path().string()); }

    test_support::ScratchDirectory scratch;
};

TEST_F(Slvcore, MessagesGoToStandardErrorAndToTheMessageLog) {
    const std::string log = scratch.file("messages.log");
    test_support::setEnvironment("SLVCORE_MESSAGE_LOG", log);
    testing::internal::CaptureStderr();
    msg_set_gui_message(2, text("Disk full"));
    msg_set_gui_message(7, text("as given"));
    msg_set_gui_message(0, nullptr);
    const std::string shown = testing::internal::GetCapturedStderr();

    EXPECT_EQ(shown, "slvcore: [level 2] Disk full\n"
                     "slvcore: [level 7] as given\n"
                     "slvcore: [level 0] \n");
    EXPECT_EQ(readFile(log), "2\tDisk full\n7\tas given\n0\t\n");
}

TEST_F(Slvcore, WithoutMessageLogOnlyStandardErrorIsWritten) {
    test_support::unsetEnvironment("SLVCORE_MESSAGE_LOG");
    testing::internal::CaptureStderr();
    msg_set_gui_message(1, text("note"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "slvcore: [level 1] note\n");
    EXPECT_TRUE(fs::is_empty(scratch.path()));
}

TEST_F(Slvcore, TemporaryNamesAreNewPrivateFilesInTheTemporaryDirectory) {
    std::set<std::string> names;
    for (int i = 0; i < 50; ++i) {
        char buffer[1024];
        std::memset(buffer, 'x', sizeof buffer);
        ASSERT_EQ(osd_tmpnam(buffer), buffer);
        const std::string name = buffer;
        ASSERT_LE(name.size(), 1023u);
        EXPECT_EQ(fs::path(name).parent_path(), scratch.path());
        EXPECT_TRUE(fs::is_regular_file(name));
        EXPECT_EQ(fs::file_size(name), 0u);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 50u) << "every call gives a name of its own";
#if !defined(_WIN32)
    const auto permissions = fs::status(*names.begin()).permissions();
    EXPECT_EQ(permissions & (fs::perms::group_all | fs::perms::others_all), fs::perms::none);
#endif
}

TEST_F(Slvcore, NoNameFitsGivesAnEmptyBufferAndLeavesNoFile) {
#if defined(_WIN32)
    GTEST_SKIP() << "Windows paths end at 260 characters: no temporary directory is this deep";
#endif
    // A temporary directory so deep that no name in it fits 1023 bytes.
    fs::path deep = scratch.path();
    while (deep.string().size() < 1020)
        deep /= std::string(200, 'd');
    fs::create_directories(deep);
    test_support::setTemporaryDirectory(deep.string());
    char buffer[1024] = "stale";
    EXPECT_EQ(osd_tmpnam(buffer), nullptr);
    EXPECT_STREQ(buffer, "");
    EXPECT_TRUE(fs::is_empty(deep));
}

TEST_F(Slvcore, NoTemporaryDirectoryOrNoBufferGivesNoName) {
    test_support::setTemporaryDirectory(scratch.file("missing"));
    char buffer[1024] = "stale";
    EXPECT_EQ(osd_tmpnam(buffer), nullptr);
    EXPECT_STREQ(buffer, "");

    EXPECT_EQ(osd_tmpnam(nullptr), nullptr);
}

} // namespace
