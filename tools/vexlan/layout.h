// Where the tool finds the Vexlan library and the master options file.
//
// An installation and a build tree share one layout:
//   <prefix>/bin/vexlan                          the tool
//   <prefix>/lib/<library>                       the library (or beside the tool)
//   <prefix>/host/<host core library>            the host's core library (or beside the tool)
//   <prefix>/share/vexlan/res/OptionsMaster.opt  the master options file
// The library finds the master options file as the "topdir" environment
// variable followed directly by vexlan/res/OptionsMaster.opt, so "topdir"
// names <prefix>/share/ with its trailing separator. The tool sets it for
// the library from --topdir, else keeps the user's variable, else points it
// at its own installation.
#ifndef VEXLAN_TOOL_LAYOUT_H
#define VEXLAN_TOOL_LAYOUT_H

#include <filesystem>
#include <string>
#include <vector>

namespace vexlan::tool {

inline constexpr char kMasterFileBelowTopdir[] = "vexlan/res/OptionsMaster.opt";

// Library files to try, in this order, for a tool that lives in `toolDir`:
// the installation's lib folder, then the tool's own folder.
std::vector<std::filesystem::path> libraryCandidates(const std::filesystem::path& toolDir,
                                                     const std::string& libraryFileName);

// Files of the host core library to try, in this order: the installation's
// host folder, then the tool's own folder. The tool is a host, and a host
// provides its core library before it loads Vexlan.
std::vector<std::filesystem::path> hostCoreCandidates(const std::filesystem::path& toolDir,
                                                      const std::string& hostCoreFileName);

// Where the value of "topdir" comes from.
enum class TopdirSource { CommandLine, Environment, ToolLayout, None };

struct Topdir {
    std::string value; // as the library reads it; empty for TopdirSource::None
    TopdirSource source = TopdirSource::None;
};

// --topdir (when `hasOption`) wins over the "topdir" variable (`variable`,
// null or empty when unset), which wins over the installation that holds the
// tool. A folder that exists gets the trailing separator that the library
// needs when it lacks one.
Topdir chooseTopdir(bool hasOption, const std::string& option, const char* variable,
                    const std::filesystem::path& toolDir);

// The master options file that the library reads for `topdir`: the two
// texts run together, as the library does.
std::filesystem::path masterFileOf(const std::string& topdir);

// Throws a ToolError with the fix when the library would find no master
// options file.
void requireMasterFile(const Topdir& topdir, const std::filesystem::path& toolDir);

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_LAYOUT_H
