// The binding of the host core library slvcore: the host's message display
// and its temporary file names.
//
// Vexlan does not link slvcore. The library is loaded by its plain file name
// (libslvcore.so, slvcore.dll), through the platform's usual search, at the
// first call that needs it; each function is looked up on its own first
// call; the library is never released. Loading the plug-in, the catalogue
// and conversions without an option file or an error never touch it.
//
// When slvcore or one of its functions cannot be bound, the host is not
// crashed and nothing is lost: a message goes to standard error instead (one
// line per message), and a temporary name comes from our own temporary-file
// seam, so option files are still applied.
#ifndef VEXLAN_HOST_CORE_H
#define VEXLAN_HOST_CORE_H

#include "shared_library.h"

#include <mutex>
#include <string>

namespace vexlan {

// Size of the buffer that receives a temporary name, terminator included.
inline constexpr std::size_t kTemporaryNameSize = 1024;

// How the binding reaches the dynamic loader. Tests substitute their own to
// watch what is loaded and looked up.
struct LoaderSeam {
    LibraryHandle (*load)(const std::string& fileName);
    void* (*find)(LibraryHandle library, const char* name);
    std::string (*lastError)();
};

// The platform's loader (shared_library.h).
LoaderSeam platformLoader();

class HostCore {
public:
    explicit HostCore(LoaderSeam loader);

    HostCore(const HostCore&) = delete;
    HostCore& operator=(const HostCore&) = delete;

    // msg_set_gui_message(level, text), with the text pointer handed on as
    // received; or one line on standard error when that cannot be bound.
    void showMessage(int level, char* text);

    // Fills `buffer` with the path of a new temporary file: from osd_tmpnam,
    // or, when it cannot be bound or gives no name, from our own seam. The
    // buffer holds the empty text only when neither could make a file.
    void temporaryName(char (&buffer)[kTemporaryNameSize]);

private:
    // Loads slvcore on the first call; null when it could not be loaded.
    LibraryHandle library();
    // Looks `name` up once; later calls return the remembered address.
    void* function(std::once_flag& once, void*& address, const char* name);

    LoaderSeam m_loader;
    std::once_flag m_loadOnce;
    LibraryHandle m_library = nullptr;
    std::string m_loadError;
    std::once_flag m_messageOnce;
    void* m_message = nullptr;
    std::once_flag m_temporaryNameOnce;
    void* m_temporaryName = nullptr;
};

// The process's binding, through the platform loader.
HostCore& hostCore();

} // namespace vexlan

#endif // VEXLAN_HOST_CORE_H
