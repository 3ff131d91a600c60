// Running out of memory while the option arrays are built: whichever block
// fails, everything allocated before it is released (LeakSanitizer checks it
// under the asan preset) and the host receives null pointers and a count of 0.
#include "host_block_allocator.h"
#include "option_test_support.h"
#include "vexlan/vexlan_options.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Hands out malloc blocks and fails the call numbered `failAt` (from 0).
struct CountingAllocator {
    static inline int failAt = -1;
    static inline std::vector<std::size_t> sizes;

    static void* allocate(std::size_t size) {
        const bool fail = static_cast<int>(sizes.size()) == failAt;
        sizes.push_back(size);
        return fail ? nullptr : std::malloc(size);
    }
};

class OptionAllocation : public ::testing::Test {
protected:
    void SetUp() override {
        CountingAllocator::failAt = -1;
        CountingAllocator::sizes.clear();
        previous = vexlan::detail::setHostBlockAllocator(CountingAllocator::allocate);
    }
    void TearDown() override { vexlan::detail::setHostBlockAllocator(previous); }

    vexlan::detail::HostBlockAllocator previous = nullptr;
    vexlan_test::MasterOptionsFixture master{"[IGES-R]\nA=1\nB=2\nC=3\n[IGES-RD]\nB=about b\n"};
};

// Both exported functions, so that each failure is seen from the host's side.
struct Call {
    const char* name;
    int (*run)(const std::string& userFile, char*** names, char*** values, char*** details,
               int* count);
};

const Call kCalls[] = {
    {"VxGetCadOptionData",
     [](const std::string&, char*** names, char*** values, char*** details, int* count) {
         return VxGetCadOptionData(VX_IGES, 1, names, values, details, count);
     }},
    {"VxGetCadOptionDataFromFile",
     [](const std::string& userFile, char*** names, char*** values, char*** details, int* count) {
         std::string path = userFile;
         int type = 0;
         int isReader = 0;
         return VxGetCadOptionDataFromFile(path.data(), &type, &isReader, names, values, details,
                                           count);
     }},
};

TEST_F(OptionAllocation, ArraysFirstThenNameValueAndDetailOfEachOption) {
    char** names = nullptr;
    char** values = nullptr;
    char** details = nullptr;
    int count = 0;
    ASSERT_EQ(VxGetCadOptionData(VX_IGES, 1, &names, &values, &details, &count), 1);
    vexlan_test::takeOptionArrays(names, values, details, count);
    const std::size_t array = 3 * sizeof(char*);
    EXPECT_EQ(CountingAllocator::sizes,
              (std::vector<std::size_t>{array, array, array, 512, 4096, 4096, 512, 4096, 4096, 512,
                                        4096, 4096}));
}

TEST_F(OptionAllocation, AFailureAtAnyBlockReleasesEverythingAndHandsOutNothing) {
    const std::string userFile = master.directory().write("user.opt", "[IGES-R]\nB=5\n");
    const int blocks = 3 + 3 * 3;
    for (const Call& call : kCalls) {
        for (int failAt = 0; failAt < blocks; ++failAt) {
            SCOPED_TRACE(testing::Message() << call.name << ", block " << failAt);
            CountingAllocator::sizes.clear();
            CountingAllocator::failAt = failAt;
            char dummy[1];
            char* notNull[] = {dummy};
            char** names = notNull;
            char** values = notNull;
            char** details = notNull;
            int count = -1;
            EXPECT_EQ(call.run(userFile, &names, &values, &details, &count), 0);
            EXPECT_EQ(names, nullptr);
            EXPECT_EQ(values, nullptr);
            EXPECT_EQ(details, nullptr);
            EXPECT_EQ(count, 0);
            EXPECT_EQ(CountingAllocator::sizes.size(), static_cast<std::size_t>(failAt + 1))
                << "nothing is allocated after a failure";
        }
    }
}

TEST_F(OptionAllocation, TheMemberFunctionFailsTheSameWay) {
    VexlanOptions options(VX_IGES, true);
    ASSERT_EQ(options.GetOptionCount(), 3u);
    CountingAllocator::failAt = 7; // the value block of the second option
    char** names = nullptr;
    char** values = nullptr;
    char** details = nullptr;
    EXPECT_FALSE(options.GetOptionData(&names, &values, &details));
    EXPECT_EQ(names, nullptr);
    EXPECT_EQ(values, nullptr);
    EXPECT_EQ(details, nullptr);

    // The object is unharmed: the next request succeeds.
    CountingAllocator::failAt = -1;
    ASSERT_TRUE(options.GetOptionData(&names, &values, &details));
    EXPECT_EQ(vexlan_test::takeOptionArrays(names, values, details, 3).at(1).detail, "about b");
}

} // namespace
