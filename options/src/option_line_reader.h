// Lines of an option file (the master options file and user option files).
//
// Option files are plain 8-bit text read byte for byte. A line ends at a line
// feed; a carriage return right before the line feed belongs to the line end
// and is dropped, and no other byte is changed or dropped. A last line
// without a line feed is read like any other. A line holds at most
// kMaxOptionLineLength characters: a longer line is cut there and the rest of
// it, up to its line end, is skipped, so the remainder never turns into a
// line of its own.
//
// Streams must be opened in binary mode, so that no platform translates line
// ends behind the reader's back.
#ifndef VEXLAN_OPTION_LINE_READER_H
#define VEXLAN_OPTION_LINE_READER_H

#include <cstddef>
#include <fstream>
#include <istream>
#include <string>

namespace vexlan::detail {

inline constexpr std::size_t kMaxOptionLineLength = 511;

// Opens an option file for reading in binary mode. False when it cannot be
// opened or names a directory (which some platforms open, then read nothing).
bool openOptionFile(std::ifstream& file, const std::string& path);

// Reads the next line into `line`. False, with `line` empty, when the stream
// holds nothing more (or is not readable).
bool readOptionLine(std::istream& in, std::string& line);

} // namespace vexlan::detail

#endif // VEXLAN_OPTION_LINE_READER_H
