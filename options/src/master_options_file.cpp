// The master options file: the option set of every format and direction,
// with default values and detail texts. Every object of a known format reads
// it afresh while it is constructed, so a change of the file or of "topdir"
// shows in the next object.
#include "vexlan/vexlan_options.h"

#include "option_line_reader.h"
#include "option_section_reader.h"

#include <cstdlib>

namespace {

constexpr const char* kTopdirVariable = "topdir";
// Appended to the value of "topdir" as it stands: "topdir" ends with a path
// separator.
constexpr const char* kMasterOptionsLocation = "vexlan/res/OptionsMaster.opt";

} // namespace

bool VexlanOptions::InitMaster() {
    const char* const topdir = std::getenv(kTopdirVariable);
    if (topdir == nullptr || *topdir == '\0') return false;

    std::ifstream file;
    if (!vexlan::detail::openOptionFile(file, std::string(topdir) + kMasterOptionsLocation)) {
        m_geometryType = VX_UNKNOWN;
        return false;
    }

    std::string optionHeader;
    std::string detailHeader;
    ComputeSearchTokens(optionHeader, detailHeader);
    ProcessToken(file, optionHeader, m_optionNames, m_optionValues);
    std::vector<std::string> detailNames;
    ProcessToken(file, detailHeader, detailNames, m_detailTexts);
    file.close();

    // A detail text belongs to the first option of its name; a later text for
    // the same option replaces an earlier one, and a text naming no option
    // is kept but never handed out.
    for (std::size_t detail = 0; detail < detailNames.size(); ++detail) {
        const int option = GetOptionValueIdx(detailNames[detail]);
        if (option >= 0)
            m_detailLookup[static_cast<unsigned int>(option)] = static_cast<unsigned int>(detail);
    }
    return true;
}

bool VexlanOptions::ComputeSearchTokens(std::string& optionHeader, std::string& detailHeader) {
    // find, not operator[]: reading the catalogue never adds to it.
    const auto entry = gMapGeometry.find(m_geometryType);
    if (entry == gMapGeometry.end() || entry->second == nullptr) {
        optionHeader.clear();
        detailHeader.clear();
        return false;
    }
    const std::string stem = std::string("[") + entry->second + (m_isReader ? "-R" : "-W");
    optionHeader = stem + "]";
    detailHeader = stem + "D]";
    return true;
}

bool VexlanOptions::ProcessToken(std::ifstream& file, const std::string& header,
                                 std::vector<std::string>& names,
                                 std::vector<std::string>& values) {
    names.clear();
    values.clear();
    // Always from the start, whatever an earlier reading left behind.
    file.clear();
    file.seekg(0, std::ios::beg);
    if (!file) return true;

    std::string sought = header;
    if (sought.empty()) {
        std::string unusedDetailHeader;
        ComputeSearchTokens(sought, unusedDetailHeader);
    }
    vexlan::detail::readOptionSection(file, sought, names, values);
    return true;
}
