// Temporary files with mkstemp: a random name, created exclusively, mode 0600.
#include "temp_file.h"

#include <filesystem>
#include <stdlib.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace vexlan {

std::string createTemporaryFile(const std::string& prefix) {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::temp_directory_path(error);
    if (error) return std::string();
    const std::string pattern = (directory / (prefix + "XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0) return std::string();
    close(descriptor);
    return std::string(name.data());
}

} // namespace vexlan
