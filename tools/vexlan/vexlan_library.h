// The Vexlan library loaded at run time, as a host application loads it:
// by the platform's dynamic loader, entered through vexlan_entry_point, and
// driven only through the function table it hands out.
#ifndef VEXLAN_TOOL_VEXLAN_LIBRARY_H
#define VEXLAN_TOOL_VEXLAN_LIBRARY_H

#include "vexlan/vexlan.h"

#include <filesystem>
#include <memory>
#include <string>

namespace vexlan::tool {

class VexlanLibrary {
public:
    // Loads `file` when it is not empty. Otherwise loads the first library
    // found in the tool's installation (see layout.h), else the one that the
    // platform's loader finds by name. Then enters it, which fills the
    // format catalogue. Throws a ToolError saying what was tried.
    //
    // Before that, like any host, it loads its core library (slvcore) when
    // its installation holds one: the library then finds it loaded and
    // shows its messages through it. Without one the library manages on its
    // own (messages go to standard error).
    VexlanLibrary(const std::filesystem::path& file, const std::filesystem::path& toolDir);
    ~VexlanLibrary();

    VexlanLibrary(const VexlanLibrary&) = delete;
    VexlanLibrary& operator=(const VexlanLibrary&) = delete;

    const VexlanFunctionTable& table() const { return *m_table; }

    // Prints the library's build-information block on standard output and
    // returns its release text.
    std::string printVersion() const;

    // The file that was loaded, as it was named to the loader.
    const std::string& file() const { return m_file; }

private:
    struct Unload {
        void operator()(void* handle) const;
    };
    struct FreeTable {
        void operator()(VexlanFunctionTable* table) const;
    };

    std::string m_file;
    // Released in reverse: the table goes back to the heap, then the library
    // is unloaded, then the host core library it may have used.
    std::unique_ptr<void, Unload> m_hostCore;
    std::unique_ptr<void, Unload> m_handle;
    std::unique_ptr<VexlanFunctionTable, FreeTable> m_table;
    const char* (*m_version)() = nullptr;
};

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_VEXLAN_LIBRARY_H
