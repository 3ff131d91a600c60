// The header line of a user option file, which names its format and
// direction, such as "[IGES-R]" (IGES, reader) or "[STEP-W]" (STEP, writer).
#ifndef VEXLAN_OPTION_FILE_HEADER_H
#define VEXLAN_OPTION_FILE_HEADER_H

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace vexlan::detail {

// Reads lines until one holds a "[" anywhere and stores it in `line`. No line
// is skipped as a comment: a "!" line holding a "[" is a header too. False
// when the stream ends first.
bool findOptionHeaderLine(std::istream& in, std::string& line);

// Splits a header line at blanks, "[", "]" and "-"; a run of these counts as
// one separator and empty tokens are dropped. So "[ IGES - R ]" gives IGES
// and R, and "[IGES-RD]" gives IGES and RD.
std::vector<std::string> tokeniseOptionHeader(std::string_view line);

} // namespace vexlan::detail

#endif // VEXLAN_OPTION_FILE_HEADER_H
