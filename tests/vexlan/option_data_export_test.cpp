// The option arrays handed to the host: arguments, results and ownership.
#include "option_test_support.h"
#include "vexlan/vexlan_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using vexlan_test::MasterOptionsFixture;
using vexlan_test::Option;

// Recognisable values that the library must not overwrite.
char gSentinelString[] = "sentinel";
char* gSentinelArray[] = {gSentinelString};
constexpr int kSentinelInt = 77;

struct OutArguments {
    char** names = gSentinelArray;
    char** values = gSentinelArray;
    char** details = gSentinelArray;
    int count = kSentinelInt;
    int type = kSentinelInt;
    int isReader = kSentinelInt;

    bool untouched() const {
        return names == gSentinelArray && values == gSentinelArray && details == gSentinelArray &&
               count == kSentinelInt && type == kSentinelInt && isReader == kSentinelInt;
    }
    bool noArrays() const { return names == nullptr && values == nullptr && details == nullptr; }
};

const char* const kMaster = "[IGES-R]\nTolerance=0.01\nReadLayers=1\nReadLayers=0\n"
                            "[IGES-RD]\nTolerance=Modelling tolerance.\nReadLayers=Layers.\n";

TEST(OptionDataExport, MissingArgumentsWriteNothing) {
    MasterOptionsFixture master(kMaster);
    std::string path = master.directory().write("user.opt", "[IGES-R]\n");
    std::string empty;
    for (int missing = 0; missing < 4; ++missing) {
        SCOPED_TRACE(missing);
        OutArguments out;
        EXPECT_EQ(VxGetCadOptionData(VX_IGES, 1, missing == 0 ? nullptr : &out.names,
                                     missing == 1 ? nullptr : &out.values,
                                     missing == 2 ? nullptr : &out.details,
                                     missing == 3 ? nullptr : &out.count),
                  0);
        EXPECT_TRUE(out.untouched());
    }
    for (int missing = 0; missing < 8; ++missing) {
        SCOPED_TRACE(missing);
        OutArguments out;
        char* file = missing == 0 ? nullptr : missing == 1 ? empty.data() : path.data();
        EXPECT_EQ(VxGetCadOptionDataFromFile(
                      file, missing == 2 ? nullptr : &out.type,
                      missing == 3 ? nullptr : &out.isReader, missing == 4 ? nullptr : &out.names,
                      missing == 5 ? nullptr : &out.values, missing == 6 ? nullptr : &out.details,
                      missing == 7 ? nullptr : &out.count),
                  0);
        EXPECT_TRUE(out.untouched());
    }
    VexlanOptions options(VX_IGES, true);
    OutArguments out;
    EXPECT_FALSE(options.GetOptionData(nullptr, &out.values, &out.details));
    EXPECT_FALSE(options.GetOptionData(&out.names, nullptr, &out.details));
    EXPECT_FALSE(options.GetOptionData(&out.names, &out.values, nullptr));
    EXPECT_TRUE(out.untouched());
}

TEST(OptionDataExport, EmptyOptionSetsHandOutNullArrays) {
    MasterOptionsFixture master(kMaster);
    struct Case {
        int type;
        int isReader;
    };
    for (const Case c : {Case{VX_UNKNOWN, 1}, Case{13, 1}, Case{-5, 0}, Case{VX_IGES, 0}}) {
        SCOPED_TRACE(c.type);
        OutArguments out;
        EXPECT_EQ(VxGetCadOptionData(c.type, c.isReader, &out.names, &out.values, &out.details,
                                     &out.count),
                  0);
        EXPECT_EQ(out.count, 0);
        EXPECT_TRUE(out.noArrays());
    }

    OutArguments out;
    std::string path = master.directory().write("user.opt", "[STEP-W]\nA=1\n");
    EXPECT_EQ(VxGetCadOptionDataFromFile(path.data(), &out.type, &out.isReader, &out.names,
                                         &out.values, &out.details, &out.count),
              0);
    EXPECT_EQ(out.count, 0);
    EXPECT_EQ(out.type, VX_STEP);
    EXPECT_EQ(out.isReader, 0);
    EXPECT_TRUE(out.noArrays());

    VexlanOptions empty(VX_UNKNOWN, true);
    OutArguments fromObject;
    EXPECT_FALSE(empty.GetOptionData(&fromObject.names, &fromObject.values, &fromObject.details));
    EXPECT_TRUE(fromObject.noArrays());
}

// The host may use every byte of every block and releases each with free;
// under AddressSanitizer a short block or a leak fails the test.
TEST(OptionDataExport, EveryStringHasABlockOfItsOwnThatTheHostFrees) {
    MasterOptionsFixture master(kMaster);
    OutArguments out;
    ASSERT_EQ(VxGetCadOptionData(VX_IGES, 1, &out.names, &out.values, &out.details, &out.count), 1);
    ASSERT_EQ(out.count, 3);
    const std::vector<Option> expected = {{"Tolerance", "0.01", "Modelling tolerance."},
                                          {"ReadLayers", "1", "Layers."},
                                          {"ReadLayers", "0", ""}};
    std::vector<char*> blocks;
    for (int i = 0; i < out.count; ++i) {
        EXPECT_EQ((Option{out.names[i], out.values[i], out.details[i]}), expected[i]);
        std::memset(out.names[i], 'n', 512);
        std::memset(out.values[i], 'v', 4096);
        std::memset(out.details[i], 'd', 4096);
        blocks.insert(blocks.end(), {out.names[i], out.values[i], out.details[i]});
    }
    std::sort(blocks.begin(), blocks.end());
    EXPECT_EQ(std::adjacent_find(blocks.begin(), blocks.end()), blocks.end()) << "shared block";
    for (char* block : blocks)
        std::free(block);
    std::free(out.names);
    std::free(out.values);
    std::free(out.details);
}

TEST(OptionDataExport, FromFileReportsFormatDirectionAndValues) {
    MasterOptionsFixture master(kMaster);
    const vexlan_test::FileOptions got = vexlan_test::userFileOptions(
        master.directory().write("user.opt", "[IGES-R]\nReadLayers=5\n"));
    EXPECT_EQ(got.result, 1);
    EXPECT_EQ(got.type, VX_IGES);
    EXPECT_EQ(got.isReader, 1);
    EXPECT_EQ(got.options, (std::vector<Option>{{"Tolerance", "0.01", "Modelling tolerance."},
                                                {"ReadLayers", "5", "Layers."},
                                                {"ReadLayers", "0", ""}}));
}

} // namespace
