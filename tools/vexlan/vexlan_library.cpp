// Loading and entering the Vexlan library.
#include "vexlan_library.h"

#include "files.h"
#include "layout.h"
#include "shared_library.h"
#include "tool_error.h"

#include <cstdlib>

namespace vexlan::tool {

namespace fs = std::filesystem;

namespace {

using EntryPoint = VexlanFunctionTable* (*)();
using VersionFunction = const char* (*)();

// Where the library is looked for, and what was tried.
struct Choice {
    std::string file;  // what is handed to the loader
    bool byName;       // a bare name for the loader's own search
    std::string tried; // the installation's files that do not exist
};

// The file asked for, else the first that exists in the tool's installation,
// else the bare name for the loader's own search.
Choice chooseFile(const fs::path& file, const fs::path& toolDir) {
    if (!file.empty()) return {file.string(), false, {}};
    const std::string name = sharedLibraryFileName("Vexlan");
    std::string tried;
    for (const fs::path& candidate : libraryCandidates(toolDir, name)) {
        if (fileExists(candidate.string())) return {candidate.string(), false, {}};
        tried += candidate.string() + ", ";
    }
    return {name, true, tried};
}

// The host core library of the tool's installation, loaded for the rest of
// the tool's life; null when there is none.
void* loadHostCore(const fs::path& toolDir) {
    for (const fs::path& candidate : hostCoreCandidates(toolDir, sharedLibraryFileName("slvcore")))
        if (fileExists(candidate.string())) return loadSharedLibrary(candidate.string());
    return nullptr;
}

template <typename Function> Function symbol(void* handle, const char* name) {
    return reinterpret_cast<Function>(findSymbol(handle, name));
}

} // namespace

void VexlanLibrary::Unload::operator()(void* handle) const { unloadSharedLibrary(handle); }

void VexlanLibrary::FreeTable::operator()(VexlanFunctionTable* table) const { std::free(table); }

VexlanLibrary::VexlanLibrary(const fs::path& file, const fs::path& toolDir) {
    m_hostCore.reset(loadHostCore(toolDir));
    const Choice choice = chooseFile(file, toolDir);
    m_file = choice.file;
    m_handle.reset(loadSharedLibrary(m_file));
    if (!m_handle) {
        const std::string reason = lastLoaderError();
        if (!choice.byName)
            throw ToolError(kFailed, "cannot load the Vexlan library " + m_file + ": " + reason);
        // A tool that cannot tell where it lies has no installation to look in.
        const std::string looked =
            choice.tried.empty() ? std::string() : ": looked for " + choice.tried + "then";
        throw ToolError(kFailed, "the Vexlan library was not found" + looked +
                                     " on the loader's search path (" + reason +
                                     "); name it with --library FILE or the VEXLAN_LIBRARY "
                                     "variable");
    }

    const auto entry = symbol<EntryPoint>(m_handle.get(), "vexlan_entry_point");
    m_version = symbol<VersionFunction>(m_handle.get(), "Vexlan_version");
    if (entry == nullptr || m_version == nullptr)
        throw ToolError(kFailed, m_file + " is not a Vexlan library: it exports no " +
                                     (entry == nullptr ? "vexlan_entry_point" : "Vexlan_version"));

    m_table.reset(entry());
    if (!m_table) throw ToolError(kFailed, "the Vexlan library ran out of memory while starting");
}

VexlanLibrary::~VexlanLibrary() = default;

std::string VexlanLibrary::printVersion() const { return m_version(); }

} // namespace vexlan::tool
