// The tool's own process and its surroundings: the one seam between the
// tool and the operating system (POSIX off Windows, the Win32 API on it).
#ifndef VEXLAN_TOOL_TOOL_PLATFORM_H
#define VEXLAN_TOOL_TOOL_PLATFORM_H

#include <cstdio>
#include <filesystem>
#include <string>

namespace vexlan::tool {

// The running program's own file, or an empty path when the system cannot
// tell.
std::filesystem::path executablePath();

// True when `stream` writes to an interactive terminal (a console on
// Windows), false for files and pipes.
bool isTerminal(std::FILE* stream);

// Sets a variable of this process's environment, where the library reads
// it; child processes inherit it.
void setEnvironment(const std::string& name, const std::string& value);

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_TOOL_PLATFORM_H
