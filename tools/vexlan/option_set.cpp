// Option sets handed out by the library, copied into the tool's own memory.
#include "option_set.h"

#include "tool_error.h"

#include <cstdlib>

namespace vexlan::tool {

namespace {

// The three parallel arrays that the library hands out. The caller owns
// them: every string, then every array, goes back with free.
class OptionArrays {
public:
    OptionArrays() = default;
    OptionArrays(const OptionArrays&) = delete;
    OptionArrays& operator=(const OptionArrays&) = delete;
    ~OptionArrays() {
        for (char** array : {names, values, details}) {
            if (array == nullptr) continue;
            for (int i = 0; i < count; ++i)
                std::free(array[i]);
            std::free(array);
        }
    }

    // Copies the options out. The library hands out either arrays of `count`
    // strings each or, when it has nothing to give (no options, or no
    // memory), null arrays and a count of 0, which copies as an empty set.
    std::vector<Option> copy() const {
        std::vector<Option> options;
        for (int i = 0; i < count; ++i)
            options.push_back({names[i], values[i], details[i]});
        return options;
    }

    char** names = nullptr;
    char** values = nullptr;
    char** details = nullptr;
    int count = 0;
};

} // namespace

OptionSet masterOptions(const VexlanFunctionTable& table, int format, bool reader) {
    OptionArrays arrays;
    table.VxGetCadOptionData(format, reader ? 1 : 0, &arrays.names, &arrays.values, &arrays.details,
                             &arrays.count);
    return {format, reader, arrays.copy()};
}

OptionSet fileOptions(const VexlanFunctionTable& table, const std::string& path) {
    std::string argument = path;
    OptionArrays arrays;
    int format = VX_UNKNOWN;
    int reader = 1;
    table.VxGetCadOptionDataFromFile(argument.data(), &format, &reader, &arrays.names,
                                     &arrays.values, &arrays.details, &arrays.count);
    return {format, reader != 0, arrays.copy()};
}

OptionFileType optionFileType(const VexlanFunctionTable& table, const std::string& path) {
    std::string argument = path;
    // The longest display name has 10 characters; leave ample room.
    char name[64] = {};
    int reader = 1;
    OptionFileType type;
    if (table.VxGetTypeOfOptFile(argument.data(), name, &reader) == 0) return type;
    type.formatName = name;
    type.reader = reader != 0;
    std::string lookup = type.formatName;
    type.format =
        type.formatName.empty() ? VX_UNKNOWN : table.VxGetGeometryTypeFromName(lookup.data());
    return type;
}

OptionFileType knownOptionFileType(const VexlanFunctionTable& table, const std::string& path,
                                   const std::string& rest) {
    OptionFileType type = optionFileType(table, path);
    if (type.format == VX_UNKNOWN)
        throw ToolError(kFailed, path + " names no known format in its header line" + rest);
    return type;
}

const char* directionName(bool reader) { return reader ? "reader" : "writer"; }

} // namespace vexlan::tool
