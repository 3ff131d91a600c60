// The library's format catalogue, read through the function table.
#include "formats.h"

#include "tool_error.h"

#include <cctype>

namespace vexlan::tool {

namespace {

// The catalogue ends at the first number without a name; this bound only
// guards against a library that never says so.
constexpr int kMostFormats = 1000;

std::string text(const char* value) { return value == nullptr ? std::string() : value; }

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::vector<Format> knownFormats(const VexlanFunctionTable& table) {
    std::vector<Format> formats;
    for (int number = 0; number < kMostFormats; ++number) {
        std::string name = text(table.VxGetGeometryNameFromType(number));
        if (name.empty()) break;
        std::string hostName = text(table.VxGetGeometrySolvaneNameFromType(number));
        std::string filter = text(table.VxGetFileExtensions(hostName.data()));
        formats.push_back({number, std::move(name), std::move(hostName), std::move(filter)});
    }
    return formats;
}

int formatByName(const VexlanFunctionTable& table, const std::string& name) {
    std::string argument = name;
    if (const int byName = table.VxGetGeometryTypeFromName(argument.data()); byName != VX_UNKNOWN)
        return byName;
    if (const int byHost = table.VxGetGeometryTypeFromSolvaneName(argument.data());
        byHost != VX_UNKNOWN)
        return byHost;
    for (const Format& format : knownFormats(table))
        if (equalIgnoringCase(name, format.name) || equalIgnoringCase(name, format.hostName))
            return format.number;
    return VX_UNKNOWN;
}

int formatOfFile(const VexlanFunctionTable& table, const std::string& fileName) {
    std::string argument = fileName;
    return table.VxGetGeometryTypeFromFile(argument.data());
}

std::string formatName(const VexlanFunctionTable& table, int number) {
    return text(table.VxGetGeometryNameFromType(number));
}

int requireFormatByName(const VexlanFunctionTable& table, const std::string& name) {
    const int format = formatByName(table, name);
    if (format == VX_UNKNOWN)
        throw ToolError(kUsage,
                        "unknown format \"" + name + "\"; known formats: " + formatNameList(table));
    return format;
}

std::string formatNameList(const VexlanFunctionTable& table) {
    std::string list;
    for (const Format& format : knownFormats(table)) {
        if (!list.empty()) list += ", ";
        list += format.name;
    }
    return list;
}

} // namespace vexlan::tool
