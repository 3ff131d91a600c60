// User option files: a header line that names a format and a direction, then
// the option section of that format and direction with the user's values.
#include "vexlan/vexlan_options.h"

#include "option_file_header.h"
#include "option_line_reader.h"

#include <cstring>

namespace {

// The direction of an object whose file names none (no file, no header, a
// header without a second token). A file is a reader file only when its
// header says "R", so a file that says nothing is a writer file.
constexpr bool kDirectionWhenUnnamed = false;

} // namespace

VexlanOptions::VexlanOptions(const std::string& path, bool headerOnly)
    : m_isReader(kDirectionWhenUnnamed), m_geometryType(VX_UNKNOWN) {
    if (path.empty()) return;

    std::string header;
    {
        std::ifstream file;
        if (!vexlan::detail::openOptionFile(file, path) ||
            !vexlan::detail::findOptionHeaderLine(file, header))
            return;
    }

    std::vector<std::string> tokens = vexlan::detail::tokeniseOptionHeader(header);
    if (tokens.empty()) return;
    m_geometryType = static_cast<VexlanGeometryType>(VxGetGeometryTypeFromName(tokens[0].data()));
    if (tokens.size() < 2) return;
    m_isReader = tokens[1] == "R";
    if (headerOnly) return;

    // Format 12 loads too: the master options file may define its sections.
    InitMaster();
    ApplyOptionsFromFile(path);
}

bool VexlanOptions::ApplyOptionsFromFile(const std::string& path) {
    if (path.empty()) return false;
    std::ifstream file;
    if (!vexlan::detail::openOptionFile(file, path)) return false;

    // The section is found by its exact header, rebuilt from the format and
    // direction: a header written as "[ IGES - R ]" names IGES reader but
    // opens no section.
    std::vector<std::string> names;
    std::vector<std::string> values;
    ProcessToken(file, std::string(), names, values);

    // Values only: names the master set does not know are dropped, and a
    // later entry of the same name wins.
    for (std::size_t entry = 0; entry < names.size(); ++entry) {
        const int option = GetOptionValueIdx(names[entry]);
        if (option >= 0) m_optionValues[static_cast<std::size_t>(option)] = values[entry];
    }
    return true;
}

int VxGetTypeOfOptFile(char* optionFile, char* formatName, int* isReader) {
    if (optionFile == nullptr || *optionFile == '\0' || formatName == nullptr ||
        isReader == nullptr)
        return 0;
    try {
        VexlanOptions options(std::string(optionFile), true);
        // Null only while the catalogue is not yet filled.
        const char* name = VxGetGeometryNameFromType(options.GetGeometryType());
        if (name == nullptr) name = "";
        *isReader = options.IsReader() ? 1 : 0;
        std::memcpy(formatName, name, std::strlen(name) + 1);
        return 1;
    } catch (...) {
        // Out of memory while reading the header: nothing was written.
        return 0;
    }
}
