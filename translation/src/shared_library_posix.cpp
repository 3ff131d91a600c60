// Run-time loading with the POSIX dynamic loader.
#include "shared_library.h"

#include <dlfcn.h>

namespace vexlan {

std::string sharedLibraryFileName(const std::string& baseName) {
#if defined(__APPLE__)
    return "lib" + baseName + ".dylib";
#else
    return "lib" + baseName + ".so";
#endif
}

LibraryHandle loadSharedLibrary(const std::string& fileName) {
    return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* findSymbol(LibraryHandle library, const char* name) {
    return library == nullptr ? nullptr : dlsym(library, name);
}

void unloadSharedLibrary(LibraryHandle library) {
    if (library != nullptr) dlclose(library);
}

std::string lastLoaderError() {
    const char* message = dlerror();
    return message == nullptr ? std::string() : std::string(message);
}

} // namespace vexlan
