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

    // Copies the options out. A result of 0 with a count but no arrays means
    // the library could not allocate them.
    std::vector<Option> copy(int result) const {
        if (result == 0 && count > 0)
            throw ToolError(kFailed, "the Vexlan library ran out of memory for the option set");
        std::vector<Option> options;
        if (names == nullptr || values == nullptr || details == nullptr) return options;
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
    const int result = table.VxGetCadOptionData(format, reader ? 1 : 0, &arrays.names,
                                                &arrays.values, &arrays.details, &arrays.count);
    return {format, reader, arrays.copy(result)};
}

OptionSet fileOptions(const VexlanFunctionTable& table, const std::string& path) {
    std::string argument = path;
    OptionArrays arrays;
    int format = VX_UNKNOWN;
    int reader = 1;
    const int result =
        table.VxGetCadOptionDataFromFile(argument.data(), &format, &reader, &arrays.names,
                                         &arrays.values, &arrays.details, &arrays.count);
    return {format, reader != 0, arrays.copy(result)};
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

const char* directionName(bool reader) { return reader ? "reader" : "writer"; }

} // namespace vexlan::tool
