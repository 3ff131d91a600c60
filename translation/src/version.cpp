// The two version functions of the library.
#include "build_info.h"
#include "vexlan/vexlan.h"

#include <cstdio>

using vexlan::build_info::kLines;
using vexlan::build_info::kReleaseVersion;
using vexlan::build_info::kWhatMarkerLength;

extern "C" {

const char* Vexlan_version() {
    // An empty line, then each build-information line on its own, without
    // its SCCS marker. Flushed so that the block stays in one piece even
    // when the host writes to the same stream through another runtime.
    std::fputs("\n", stdout);
    for (const char* line : kLines)
        std::printf("\n%s", line + kWhatMarkerLength);
    std::fputs("\n", stdout);
    std::fflush(stdout);
    return kReleaseVersion;
}

const char* Vexlan_build_version() { return kReleaseVersion; }

} // extern "C"
