// The library's format catalogue, read through the function table.
#ifndef VEXLAN_TOOL_FORMATS_H
#define VEXLAN_TOOL_FORMATS_H

#include "vexlan/vexlan.h"

#include <string>
#include <vector>

namespace vexlan::tool {

struct Format {
    int number;
    std::string name;     // display name, such as "IGES"
    std::string hostName; // the host application's word, such as "igs"
    std::string filter;   // file-dialog filter, such as "IGES Files (*.igs;*.iges)"
};

// Every known format, numbered from 0 up to the first number without a name.
std::vector<Format> knownFormats(const VexlanFunctionTable& table);

// The format named `name`: its display name or host name exactly, else
// either of them in any letter case. VX_UNKNOWN when none fits.
int formatByName(const VexlanFunctionTable& table, const std::string& name);

// As formatByName, but a usage error that lists the known formats when no
// format fits.
int requireFormatByName(const VexlanFunctionTable& table, const std::string& name);

// The format the library judges `fileName` to be by its name alone.
int formatOfFile(const VexlanFunctionTable& table, const std::string& fileName);

// The display name of `number`, "" for an unknown format.
std::string formatName(const VexlanFunctionTable& table, int number);

// "CATIAV4, CATIAV5, ..., VDA": for messages that list the choices.
std::string formatNameList(const VexlanFunctionTable& table);

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_FORMATS_H
