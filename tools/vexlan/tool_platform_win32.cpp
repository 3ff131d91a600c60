// The tool's process on Windows.
#include "tool_platform.h"

#include <cstdlib>
#include <io.h>
#include <string>
#include <windows.h>

namespace vexlan::tool {

std::filesystem::path executablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer);
        }
        buffer.resize(buffer.size() * 2); // truncated: try a larger buffer
    }
}

bool isTerminal(std::FILE* stream) { return _isatty(_fileno(stream)) != 0; }

void setEnvironment(const std::string& name, const std::string& value) {
    _putenv_s(name.c_str(), value.c_str());
}

} // namespace vexlan::tool
