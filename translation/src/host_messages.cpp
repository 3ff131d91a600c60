// Messages to the host and the host's progress function.
#include "host_core.h"
#include "spax/progress.h"
#include "vexlan/vexlan.h"

#include <cstdio>

namespace {

constexpr int kLowestLevel = 0;
constexpr int kHighestLevel = 2;

} // namespace

void ReportMessageToSolvane(char* text, int level) {
    // The host knows levels 0 to 2 only; anything else is shown as plain
    // information rather than dropped.
    const int shownLevel = level < kLowestLevel || level > kHighestLevel ? kLowestLevel : level;
    try {
        vexlan::hostCore().showMessage(shownLevel, text);
    } catch (...) {
        // Out of memory or threads while binding: still tell someone.
        std::fprintf(stderr, "vexlan: level %d: %s\n", shownLevel, text == nullptr ? "" : text);
    }
}

void VxSetProgressCallback(void* progressFunction) {
    // A null pointer never clears the function installed before.
    if (progressFunction == nullptr) return;
    SPAXProgressReport_fct = reinterpret_cast<SPAXProgressReportFct>(progressFunction);
}
