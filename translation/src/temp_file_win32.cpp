// Temporary files on Windows: a random name from the system's random source,
// created exclusively so that an existing file is never reused.
#include "temp_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <random>
#include <sys/stat.h>
#include <system_error>

namespace vexlan {

std::string createTemporaryFile(const std::string& prefix) {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::temp_directory_path(error);
    if (error) return std::string();
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "%08x%08x", static_cast<unsigned>(random()),
                      static_cast<unsigned>(random()));
        const std::string path = (directory / (prefix + suffix + ".tmp")).string();
        const int descriptor =
            _open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY, _S_IREAD | _S_IWRITE);
        if (descriptor >= 0) {
            _close(descriptor);
            return path;
        }
        if (errno != EEXIST) break;
    }
    return std::string();
}

} // namespace vexlan
