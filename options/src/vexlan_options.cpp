// VexlanOptions: construction by format, the read-only accessors and the
// lookup by name. Reading the option files lives beside this file.
#include "vexlan/vexlan_options.h"

VexlanOptions::VexlanOptions(VexlanGeometryType type, bool isReader)
    : m_isReader(isReader), m_geometryType(type) {
    // The unknown format has no options of its own: nothing is read for it.
    // Any other number is kept as given; one without a section in the master
    // options file simply ends up without options.
    if (type != VX_UNKNOWN) InitMaster();
}

VexlanOptions::~VexlanOptions() = default;

int VexlanOptions::GetGeometryType() { return m_geometryType; }

unsigned int VexlanOptions::GetOptionCount() {
    return static_cast<unsigned int>(m_optionNames.size());
}

bool VexlanOptions::IsReader() { return m_isReader; }

int VexlanOptions::GetOptionValueIdx(const std::string& name) {
    for (std::size_t index = 0; index < m_optionNames.size(); ++index)
        if (m_optionNames[index] == name) return static_cast<int>(index);
    return -1;
}
