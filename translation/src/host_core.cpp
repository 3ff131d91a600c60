#include "host_core.h"

#include "slvcore/slvcore.h"
#include "temp_file.h"

#include <cstdio>
#include <cstring>

namespace vexlan {
namespace {

// The types of the two functions, taken from slvcore's own declarations.
using MessageFunction = decltype(&msg_set_gui_message);
using TemporaryNameFunction = decltype(&osd_tmpnam);

constexpr const char* kLibraryName = "slvcore";
constexpr const char* kMessageSymbol = "msg_set_gui_message";
constexpr const char* kTemporaryNameSymbol = "osd_tmpnam";

// A data pointer from the loader, back to the function it addresses.
template <typename Function> Function asFunction(void* address) {
    return reinterpret_cast<Function>(address);
}

} // namespace

LoaderSeam platformLoader() { return {&loadSharedLibrary, &findSymbol, &lastLoaderError}; }

HostCore::HostCore(LoaderSeam loader) : m_loader(loader) {}

LibraryHandle HostCore::library() {
    std::call_once(m_loadOnce, [this] {
        const std::string fileName = sharedLibraryFileName(kLibraryName);
        m_library = m_loader.load(fileName);
        if (m_library == nullptr) {
            m_loadError = fileName + " cannot be loaded";
            const std::string reason = m_loader.lastError();
            if (!reason.empty()) m_loadError += ": " + reason;
        }
    });
    return m_library;
}

void* HostCore::function(std::once_flag& once, void*& address, const char* name) {
    std::call_once(once, [&] {
        if (LibraryHandle handle = library()) address = m_loader.find(handle, name);
    });
    return address;
}

void HostCore::showMessage(int level, char* text) {
    if (void* address = function(m_messageOnce, m_message, kMessageSymbol)) {
        asFunction<MessageFunction>(address)(level, text);
        return;
    }
    const std::string reason =
        m_library == nullptr ? m_loadError
                             : sharedLibraryFileName(kLibraryName) + " has no " + kMessageSymbol;
    std::fprintf(stderr, "vexlan: host message display unavailable (%s); level %d: %s\n",
                 reason.c_str(), level, text == nullptr ? "" : text);
}

void HostCore::temporaryName(char (&buffer)[kTemporaryNameSize]) {
    std::memset(buffer, 0, sizeof buffer);
    if (void* address = function(m_temporaryNameOnce, m_temporaryName, kTemporaryNameSymbol)) {
        asFunction<TemporaryNameFunction>(address)(buffer);
        buffer[kTemporaryNameSize - 1] = '\0';
        if (buffer[0] != '\0') return;
    }
    const std::string path = createTemporaryFile("vexlan");
    if (path.size() < kTemporaryNameSize) {
        std::memcpy(buffer, path.c_str(), path.size() + 1);
    } else {
        std::remove(path.c_str());
    }
}

HostCore& hostCore() {
    // Never destroyed before the process ends and never unloads slvcore.
    static HostCore core(platformLoader());
    return core;
}

} // namespace vexlan
