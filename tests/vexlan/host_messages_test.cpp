// Messages and progress through the library's exports, with the host core
// stand-in found on the library search path.
#include "spax/progress.h"
#include "test_support.h"
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

TEST(HostMessages, LevelsOutsideZeroToTwoReachTheHostAsZero) {
    test_support::ScratchDirectory scratch;
    const std::string log = scratch.file("messages.log");
    test_support::setEnvironment("SLVCORE_MESSAGE_LOG", log);
    const struct {
        int given;
        int shown;
    } cases[] = {{2, 2}, {1, 1}, {0, 0}, {-1, 0}, {3, 0}, {100, 0}, {INT_MIN, 0}, {INT_MAX, 0}};
    std::vector<std::string> expected;
    for (const auto& row : cases) {
        const std::string text = "given " + std::to_string(row.given);
        ReportMessageToSolvane(const_cast<char*>(text.c_str()), row.given);
        expected.push_back(std::to_string(row.shown) + "\t" + text);
    }
    EXPECT_EQ(test_support::readLines(log), expected);
}

void firstProgress(double, int&) {}
void secondProgress(double, int&) {}

TEST(ProgressFunction, LastNonNullFunctionStaysInstalled) {
    EXPECT_EQ(SPAXProgressReport_fct, nullptr);
    VxSetProgressCallback(nullptr);
    EXPECT_EQ(SPAXProgressReport_fct, nullptr);
    VxSetProgressCallback(reinterpret_cast<void*>(&firstProgress));
    EXPECT_EQ(SPAXProgressReport_fct, &firstProgress);
    VxSetProgressCallback(nullptr);
    EXPECT_EQ(SPAXProgressReport_fct, &firstProgress) << "null never clears it";
    VxSetProgressCallback(reinterpret_cast<void*>(&secondProgress));
    EXPECT_EQ(SPAXProgressReport_fct, &secondProgress);
}

} // namespace
