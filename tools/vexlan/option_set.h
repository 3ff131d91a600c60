// Option sets handed out by the library, copied into the tool's own memory.
#ifndef VEXLAN_TOOL_OPTION_SET_H
#define VEXLAN_TOOL_OPTION_SET_H

#include "vexlan/vexlan.h"

#include <string>
#include <vector>

namespace vexlan::tool {

struct Option {
    std::string name;
    std::string value;
    std::string detail; // "" when the master options file gives none
};

struct OptionSet {
    int format = VX_UNKNOWN;
    bool reader = true;
    std::vector<Option> options; // in the master options file's order
};

// The master option set of a format and direction.
OptionSet masterOptions(const VexlanFunctionTable& table, int format, bool reader);

// The option set that the user option file at `path` leaves: the master set
// of the format and direction its header names, with its values applied.
OptionSet fileOptions(const VexlanFunctionTable& table, const std::string& path);

// The format and direction that the header of a user option file names;
// `format` is VX_UNKNOWN when it names no known format.
struct OptionFileType {
    int format = VX_UNKNOWN;
    std::string formatName;
    bool reader = true;
};
OptionFileType optionFileType(const VexlanFunctionTable& table, const std::string& path);

// As optionFileType, but a failure when the header names no known format:
// "PATH names no known format in its header line" followed by `rest`.
OptionFileType knownOptionFileType(const VexlanFunctionTable& table, const std::string& path,
                                   const std::string& rest);

// "reader" or "writer".
const char* directionName(bool reader);

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_OPTION_SET_H
