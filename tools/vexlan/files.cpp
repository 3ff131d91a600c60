// Checks of the files named on the command line.
#include "files.h"

#include "tool_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vexlan::tool {

namespace fs = std::filesystem;

void requireReadableFile(const std::string& path, const std::string& role) {
    std::error_code error;
    if (fs::is_directory(path, error))
        throw ToolError(kFailed, "cannot read " + role + " " + path + ": it is a folder");
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        const std::string reason = errno != 0 ? std::strerror(errno) : "cannot be opened";
        throw ToolError(kFailed, "cannot read " + role + " " + path + ": " + reason);
    }
    std::fclose(file);
}

void requireFolderFor(const std::string& path, const std::string& role) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code error;
    if (!folder.empty() && !fs::is_directory(folder, error))
        throw ToolError(kFailed, "cannot write " + role + " " + path + ": there is no folder " +
                                     folder.string());
    if (fs::is_directory(path, error))
        throw ToolError(kFailed, "cannot write " + role + " " + path + ": it is a folder");
}

bool sameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

} // namespace vexlan::tool
