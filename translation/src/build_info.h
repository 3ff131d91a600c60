// The library's release version and its build-information lines. The texts
// are generated at build time (build_info.cpp.in) from the real compiler,
// its options, the operating system and the time of the build.
#ifndef VEXLAN_BUILD_INFO_H
#define VEXLAN_BUILD_INFO_H

#include <cstddef>

namespace vexlan::build_info {

// "YYYY.R.U-CLnnnnn": year, release, update and change-list number.
extern const char kReleaseVersion[];

// Every build-information line is held as an SCCS identification string:
// this marker, then "QW ", a 13-character label ending in ':', a blank and
// the value. "what"-style tools and `strings | grep '@(#)'` find them.
inline constexpr char kWhatMarker[] = "@(#)";
inline constexpr std::size_t kWhatMarkerLength = sizeof(kWhatMarker) - 1;

inline constexpr std::size_t kLineCount = 8;
extern const char* const kLines[kLineCount];

} // namespace vexlan::build_info

#endif // VEXLAN_BUILD_INFO_H
