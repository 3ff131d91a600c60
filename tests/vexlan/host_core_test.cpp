// The binding of the host core library, through a loader that the test
// controls: what is loaded and looked up, when, and what happens when the
// library or a function is missing.
#include "host_core.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What the fake loader offers and what it was asked.
struct FakeLoader {
    bool libraryPresent = true;
    bool hasMessage = true;
    bool hasTemporaryName = true;
    std::vector<std::string> loads;
    std::vector<std::string> lookups;
};
FakeLoader gLoader;
int gLibrary; // its address is the fake library handle

struct ShownMessage {
    int level;
    char* text;
};
std::vector<ShownMessage> gShown;
std::string gTemporaryName;

int fakeMessage(int level, char* text) {
    gShown.push_back({level, text});
    return 0;
}

char* fakeTemporaryName(char* buffer) {
    std::strcpy(buffer, gTemporaryName.c_str());
    return buffer;
}

vexlan::LibraryHandle fakeLoad(const std::string& fileName) {
    gLoader.loads.push_back(fileName);
    return gLoader.libraryPresent ? &gLibrary : nullptr;
}

void* fakeFind(vexlan::LibraryHandle library, const char* name) {
    EXPECT_EQ(library, &gLibrary);
    gLoader.lookups.push_back(name);
    if (gLoader.hasMessage && std::strcmp(name, "msg_set_gui_message") == 0)
        return reinterpret_cast<void*>(&fakeMessage);
    if (gLoader.hasTemporaryName && std::strcmp(name, "osd_tmpnam") == 0)
        return reinterpret_cast<void*>(&fakeTemporaryName);
    return nullptr;
}

std::string fakeError() { return "no such file"; }

class HostCoreBinding : public ::testing::Test {
protected:
    void SetUp() override {
        gLoader = FakeLoader{};
        gShown.clear();
        gTemporaryName = scratch.file("from-host");
        test_support::setTemporaryDirectory(scratch.path().string());
    }

    std::string temporaryName(vexlan::HostCore& core) {
        char buffer[vexlan::kTemporaryNameSize];
        core.temporaryName(buffer);
        return buffer;
    }

    const vexlan::LoaderSeam loader{&fakeLoad, &fakeFind, &fakeError};
    test_support::ScratchDirectory scratch;
};

TEST_F(HostCoreBinding, LoadsOnceAtFirstUseAndLooksEachFunctionUpOnItsOwnFirstCall) {
    vexlan::HostCore core(loader);
    EXPECT_TRUE(gLoader.loads.empty()) << "nothing is bound before it is needed";

    char first[] = "first";
    core.showMessage(1, first);
    EXPECT_EQ(gLoader.loads, std::vector<std::string>{vexlan::sharedLibraryFileName("slvcore")});
    EXPECT_EQ(gLoader.lookups, std::vector<std::string>{"msg_set_gui_message"});

    core.showMessage(2, first);
    EXPECT_EQ(temporaryName(core), gTemporaryName);
    EXPECT_EQ(temporaryName(core), gTemporaryName);
    core.showMessage(0, first);

    EXPECT_EQ(gLoader.loads.size(), 1u);
    EXPECT_EQ(gLoader.lookups, (std::vector<std::string>{"msg_set_gui_message", "osd_tmpnam"}));
    EXPECT_EQ(gShown.size(), 3u);
}

TEST_F(HostCoreBinding, MessageTextPointerAndLevelReachTheHostUnchanged) {
    vexlan::HostCore core(loader);
    char text[] = "An error";
    core.showMessage(2, text);
    core.showMessage(0, nullptr);
    ASSERT_EQ(gShown.size(), 2u);
    EXPECT_EQ(gShown[0].level, 2);
    EXPECT_EQ(gShown[0].text, text) << "the very pointer, not a copy";
    EXPECT_EQ(gShown[1].text, nullptr);
}

TEST_F(HostCoreBinding, WithoutTheLibraryMessagesGoToStandardErrorOncePerCall) {
    gLoader.libraryPresent = false;
    vexlan::HostCore core(loader);
    char text[] = "An error";
    testing::internal::CaptureStderr();
    core.showMessage(2, text);
    core.showMessage(1, nullptr);
    const std::string shown = testing::internal::GetCapturedStderr();

    const std::string reason =
        vexlan::sharedLibraryFileName("slvcore") + " cannot be loaded: no such file";
    EXPECT_EQ(shown, "vexlan: host message display unavailable (" + reason +
                         "); level 2: An error\n"
                         "vexlan: host message display unavailable (" +
                         reason + "); level 1: \n");
    EXPECT_EQ(gLoader.loads.size(), 1u) << "a failed load is not retried at every call";
    EXPECT_TRUE(gShown.empty());
}

TEST_F(HostCoreBinding, MissingMessageFunctionIsNamedOnStandardError) {
    gLoader.hasMessage = false;
    vexlan::HostCore core(loader);
    char text[] = "An error";
    testing::internal::CaptureStderr();
    core.showMessage(2, text);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vexlan: host message display unavailable (" +
                  vexlan::sharedLibraryFileName("slvcore") +
                  " has no msg_set_gui_message); level 2: An error\n");
}

TEST_F(HostCoreBinding, TemporaryNameFallsBackToOurOwnPrivateFile) {
    const struct {
        const char* label;
        bool libraryPresent;
        bool hasTemporaryName;
        const char* hostName;
    } cases[] = {
        {"library missing", false, true, "unused"},
        {"function missing", true, false, "unused"},
        {"host gives no name", true, true, ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.label);
        gLoader.libraryPresent = row.libraryPresent;
        gLoader.hasTemporaryName = row.hasTemporaryName;
        gTemporaryName = row.hostName;
        vexlan::HostCore core(loader);

        const std::string first = temporaryName(core);
        const std::string second = temporaryName(core);
        EXPECT_NE(first, second);
        for (const std::string& name : {first, second}) {
            EXPECT_EQ(fs::path(name).parent_path(), scratch.path());
            EXPECT_EQ(fs::path(name).filename().string().rfind("vexlan", 0), 0u) << name;
            EXPECT_TRUE(fs::is_regular_file(name));
            fs::remove(name);
        }
    }
}

TEST_F(HostCoreBinding, NoTemporaryNameAtAllLeavesAnEmptyBuffer) {
    gLoader.libraryPresent = false;
    test_support::setTemporaryDirectory(scratch.file("missing"));
    vexlan::HostCore core(loader);
    EXPECT_EQ(temporaryName(core), "");
}

} // namespace
