// Where the tool finds the Vexlan library and the master options file.
#include "layout.h"

#include "tool_error.h"

#include <system_error>

namespace vexlan::tool {

namespace fs = std::filesystem;

namespace {

fs::path prefixOf(const fs::path& toolDir) { return toolDir.parent_path(); }

// The installation's share folder as a topdir: with a trailing separator.
std::string shareOf(const fs::path& toolDir) {
    return (prefixOf(toolDir) / "share").string() + '/';
}

// `fileName` in the installation's `folder`, then beside the tool; none for a
// tool of unknown location.
std::vector<fs::path> candidates(const fs::path& toolDir, const char* folder,
                                 const std::string& fileName) {
    if (toolDir.empty()) return {};
    return {prefixOf(toolDir) / folder / fileName, toolDir / fileName};
}

bool isSeparator(char c) {
    return c == '/' || c == static_cast<char>(fs::path::preferred_separator);
}

bool isFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool isFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

std::string withTrailingSeparator(const std::string& directory) {
    if (directory.empty() || isSeparator(directory.back()) || !isFolder(directory))
        return directory;
    return directory + '/';
}

// The share folder of the installation holding the tool, when it holds the
// master options file.
std::string topdirOfToolLayout(const fs::path& toolDir) {
    if (toolDir.empty()) return {};
    const std::string share = shareOf(toolDir);
    return isFile(masterFileOf(share)) ? share : std::string();
}

const char* describe(TopdirSource source) {
    switch (source) {
    case TopdirSource::CommandLine:
        return "--topdir";
    case TopdirSource::Environment:
        return "the \"topdir\" variable";
    case TopdirSource::ToolLayout:
        return "the tool's installation";
    case TopdirSource::None:
        break;
    }
    return "nowhere";
}

} // namespace

std::vector<fs::path> libraryCandidates(const fs::path& toolDir,
                                        const std::string& libraryFileName) {
    return candidates(toolDir, "lib", libraryFileName);
}

std::vector<fs::path> hostCoreCandidates(const fs::path& toolDir,
                                         const std::string& hostCoreFileName) {
    return candidates(toolDir, "host", hostCoreFileName);
}

Topdir chooseTopdir(bool hasOption, const std::string& option, const char* variable,
                    const fs::path& toolDir) {
    if (hasOption) return {withTrailingSeparator(option), TopdirSource::CommandLine};
    if (variable != nullptr && *variable != '\0')
        return {withTrailingSeparator(variable), TopdirSource::Environment};
    if (std::string share = topdirOfToolLayout(toolDir); !share.empty())
        return {share, TopdirSource::ToolLayout};
    return {};
}

fs::path masterFileOf(const std::string& topdir) {
    return fs::path(topdir + kMasterFileBelowTopdir);
}

void requireMasterFile(const Topdir& topdir, const fs::path& toolDir) {
    if (topdir.source == TopdirSource::None) {
        const std::string besideTool = toolDir.empty() ? std::string("the tool's installation")
                                                       : masterFileOf(shareOf(toolDir)).string();
        throw ToolError(
            kFailed, "\"topdir\" is not set and there is no master options file at " + besideTool +
                         "; set topdir to the folder that holds vexlan/res/OptionsMaster.opt, "
                         "with a trailing slash (for example: export topdir=/opt/vexlan/share/), "
                         "or pass --topdir FOLDER");
    }
    const fs::path master = masterFileOf(topdir.value);
    if (!isFile(master))
        throw ToolError(kFailed, "there is no master options file at " + master.string() +
                                     " (topdir \"" + topdir.value + "\" from " +
                                     describe(topdir.source) + ")");
}

} // namespace vexlan::tool
