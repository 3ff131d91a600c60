// Checks of the files named on the command line, made before the library
// is asked to work on them so that the user gets a precise message.
#ifndef VEXLAN_TOOL_FILES_H
#define VEXLAN_TOOL_FILES_H

#include <string>

namespace vexlan::tool {

// Throws a ToolError (kFailed) unless `path` is a file that can be read.
// `role` names it in the message, such as "input file".
void requireReadableFile(const std::string& path, const std::string& role);

// Throws a ToolError (kFailed) unless the folder that would hold `path`
// exists.
void requireFolderFor(const std::string& path, const std::string& role);

// True when both names lead to one existing file (or are the same text).
bool sameFile(const std::string& a, const std::string& b);

bool fileExists(const std::string& path);

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_FILES_H
