// The tool's sub-commands. Each loads the library, asks it through the
// function table, prints its answer and returns the exit code; failures are
// thrown as ToolError.
#ifndef VEXLAN_TOOL_COMMANDS_H
#define VEXLAN_TOOL_COMMANDS_H

#include "layout.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace vexlan::tool {

// What every sub-command needs to know.
struct Context {
    std::filesystem::path toolDir;     // empty when the system cannot tell
    std::filesystem::path libraryFile; // --library or VEXLAN_LIBRARY; empty: find it
    Topdir topdir;                     // already set in the environment
    std::ostream& out;                 // answers
    std::ostream& err;                 // warnings
};

int runFormats(const Context& context, bool json);
int runDetect(const Context& context, const std::vector<std::string>& files, bool json);
int runVersion(const Context& context);

struct OptionsRequest {
    std::string format; // with reader or writer
    bool reader = false;
    bool writer = false;
    std::string file; // a user option file instead of a format
    bool json = false;
};
int runOptions(const Context& context, const OptionsRequest& request);
int runOptionFileType(const Context& context, const std::string& file, bool json);

struct ConversionRequest {
    bool import = true; // into Parasolid; false: out of Parasolid
    std::string input;
    std::string output;
    std::string format;  // empty: judged by the name of the non-Parasolid file
    std::string options; // user option file, may be empty
    std::string log;     // translator's log file, may be empty
    bool hidden = false; // import only: translate hidden entities
};
int runConversion(const Context& context, const ConversionRequest& request);

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_COMMANDS_H
