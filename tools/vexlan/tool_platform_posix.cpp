// The tool's process on POSIX systems with a /proc file system.
#include "tool_platform.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace vexlan::tool {

std::filesystem::path executablePath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

bool isTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }

void setEnvironment(const std::string& name, const std::string& value) {
    ::setenv(name.c_str(), value.c_str(), 1);
}

} // namespace vexlan::tool
