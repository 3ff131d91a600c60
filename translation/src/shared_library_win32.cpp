// Run-time loading with the Windows loader.
#include "shared_library.h"

#include <filesystem>
#include <system_error>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace vexlan {

std::string sharedLibraryFileName(const std::string& baseName) { return baseName + ".dll"; }

LibraryHandle loadSharedLibrary(const std::string& fileName) {
    // A bare name goes through the usual DLL search. A library named by its
    // path brings its own directory into the search for the DLLs it needs,
    // as its RUNPATH does elsewhere: the application's directory alone would
    // miss the DLLs that lie beside the library. That search wants an
    // absolute path written with backslashes.
    if (fileName.find_first_of("/\\:") == std::string::npos)
        return reinterpret_cast<LibraryHandle>(LoadLibraryA(fileName.c_str()));
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(fileName, error);
    if (error) path = fileName;
    const std::string native = path.make_preferred().string();
    return reinterpret_cast<LibraryHandle>(
        LoadLibraryExA(native.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

void* findSymbol(LibraryHandle library, const char* name) {
    if (library == nullptr) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void unloadSharedLibrary(LibraryHandle library) {
    if (library != nullptr) FreeLibrary(static_cast<HMODULE>(library));
}

std::string lastLoaderError() {
    const DWORD code = GetLastError();
    if (code == 0) return std::string();
    char buffer[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    std::string message(buffer, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}

} // namespace vexlan
