// Where the tool looks for the library and the master options file.
#include "layout.h"
#include "tool_error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using namespace vexlan::tool;

// An installation: <prefix>/bin for the tool, and optionally the master
// options file below <prefix>/share.
class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("vexlan-layout-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "prefix" / "bin");
        fs::create_directories(root / "elsewhere");
    }
    void TearDown() override { fs::remove_all(root); }

    void installMasterFile() {
        const fs::path res = root / "prefix" / "share" / "vexlan" / "res";
        fs::create_directories(res);
        std::ofstream(res / "OptionsMaster.opt") << "[IGES-R]\n";
    }

    fs::path toolDir() const { return root / "prefix" / "bin"; }
    std::string share() const { return (root / "prefix" / "share").string() + '/'; }
    std::string elsewhere() const { return (root / "elsewhere").string(); }

    fs::path root;
};

TEST_F(Layout, TopdirComesFromTheOptionThenTheVariableThenTheInstallation) {
    installMasterFile();
    const std::string variable = elsewhere() + "/var/";
    struct Case {
        bool hasOption;
        std::string option;
        const char* variable;
        std::string value;
        TopdirSource source;
    };
    const Case cases[] = {
        {true, "/opt/given/", variable.c_str(), "/opt/given/", TopdirSource::CommandLine},
        {true, "", variable.c_str(), "", TopdirSource::CommandLine}, // given empty: stays empty
        {false, "", variable.c_str(), variable, TopdirSource::Environment},
        {false, "", "", share(), TopdirSource::ToolLayout}, // an empty variable is unset
        {false, "", nullptr, share(), TopdirSource::ToolLayout},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const Topdir topdir = chooseTopdir(c.hasOption, c.option, c.variable, toolDir());
        EXPECT_EQ(topdir.value, c.value);
        EXPECT_EQ(topdir.source, c.source);
    }
}

TEST_F(Layout, WithoutAMasterFileBesideTheToolTopdirIsUnset) {
    const Topdir topdir = chooseTopdir(false, "", nullptr, toolDir());
    EXPECT_EQ(topdir.source, TopdirSource::None);
    EXPECT_EQ(topdir.value, "");
    EXPECT_EQ(chooseTopdir(false, "", nullptr, fs::path()).source, TopdirSource::None);
}

TEST_F(Layout, AnExistingFolderGetsTheTrailingSeparatorTheLibraryNeeds) {
    // The library runs "topdir" and the file's path together; without the
    // separator it would look for <folder>vexlan/res/...
    EXPECT_EQ(chooseTopdir(true, elsewhere(), nullptr, toolDir()).value, elsewhere() + '/');
    EXPECT_EQ(chooseTopdir(false, "", elsewhere().c_str(), toolDir()).value, elsewhere() + '/');
    // a name that is no folder is left as it is
    EXPECT_EQ(chooseTopdir(true, elsewhere() + "/none", nullptr, toolDir()).value,
              elsewhere() + "/none");
    EXPECT_EQ(masterFileOf("/opt/x").string(), "/opt/xvexlan/res/OptionsMaster.opt");
}

TEST_F(Layout, MissingMasterFileIsReportedWithTheFix) {
    try {
        requireMasterFile(chooseTopdir(false, "", nullptr, toolDir()), toolDir());
        FAIL() << "no master options file, no error";
    } catch (const ToolError& error) {
        const std::string message = error.what();
        EXPECT_EQ(error.code(), kFailed);
        EXPECT_NE(message.find("\"topdir\" is not set"), std::string::npos) << message;
        EXPECT_NE(message.find("export topdir="), std::string::npos) << message;
        EXPECT_NE(message.find("--topdir"), std::string::npos) << message;
        EXPECT_NE(message.find(share() + "vexlan/res/OptionsMaster.opt"), std::string::npos)
            << message;
    }

    try {
        requireMasterFile(chooseTopdir(true, elsewhere(), nullptr, toolDir()), toolDir());
        FAIL() << "a topdir without the file, no error";
    } catch (const ToolError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(elsewhere() + "/vexlan/res/OptionsMaster.opt"), std::string::npos)
            << message;
        EXPECT_NE(message.find("--topdir"), std::string::npos) << message;
    }

    installMasterFile();
    EXPECT_NO_THROW(requireMasterFile(chooseTopdir(false, "", nullptr, toolDir()), toolDir()));
}

TEST_F(Layout, LibraryIsLookedForInTheInstallationsLibFolderThenBesideTheTool) {
    const std::vector<fs::path> candidates = libraryCandidates(toolDir(), "libVexlan.so");
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0], root / "prefix" / "lib" / "libVexlan.so");
    EXPECT_EQ(candidates[1], toolDir() / "libVexlan.so");
    EXPECT_TRUE(libraryCandidates(fs::path(), "libVexlan.so").empty());
}

} // namespace
