// The host core stand-in: message display on standard error (and an optional
// message log for tests), and temporary file names.
#include "slvcore/slvcore.h"

#include "temp_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Longest path osd_tmpnam hands out, so that it fits a 1024-byte buffer.
constexpr std::size_t kMaxTempName = 1023;

} // namespace

extern "C" int msg_set_gui_message(int level, char* text) {
    const char* shown = text == nullptr ? "" : text;
    std::fprintf(stderr, "slvcore: [level %d] %s\n", level, shown);
    if (const char* logPath = std::getenv("SLVCORE_MESSAGE_LOG"); logPath && *logPath) {
        if (std::FILE* log = std::fopen(logPath, "ab")) {
            std::fprintf(log, "%d\t%s\n", level, shown);
            std::fclose(log);
        }
    }
    return 0;
}

extern "C" char* osd_tmpnam(char* buffer) {
    if (buffer == nullptr) return nullptr;
    buffer[0] = '\0';
    const std::string path = vexlan::createTemporaryFile("slv");
    if (path.empty()) return nullptr;
    if (path.size() > kMaxTempName) {
        std::remove(path.c_str());
        return nullptr;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return buffer;
}
