// Sections of an option file.
//
// A section is a header line followed by entry lines; it ends at the next
// line that holds a "[" and no "=", or at the end of the file. Lines are
// classified by the first rule that fits:
//
//   line                              looking for the header    inside the section
//   empty                             ignored                   ignored
//   "!" in the first column           ignored (comment)         ignored (comment)
//   holds "[" and equals the header   the section starts        (the next rules apply)
//   holds "="                         ignored                   entry
//   holds "[" (and no "=")            ignored                   the section ends
//   anything else                     ignored                   ignored
//
// Only the first section with a given header is read.
#ifndef VEXLAN_OPTION_SECTION_READER_H
#define VEXLAN_OPTION_SECTION_READER_H

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace vexlan::detail {

// The entry rule: the line is cut at every "=", empty pieces are dropped, the
// first piece is the name and the second the value; further pieces are
// dropped. False, with both outputs untouched, when fewer than two pieces
// remain. Nothing is trimmed.
bool splitOptionEntry(std::string_view line, std::string& name, std::string& value);

// Reads, from the stream's current position to its end, the first section
// whose header line equals `header` and appends its entries to `names` and
// `values` (same position in both). An empty header matches no line.
void readOptionSection(std::istream& in, const std::string& header, std::vector<std::string>& names,
                       std::vector<std::string>& values);

} // namespace vexlan::detail

#endif // VEXLAN_OPTION_SECTION_READER_H
