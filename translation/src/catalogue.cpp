// The format catalogue: names, maps, name lookups and file-dialog filters.
#include "vexlan/vexlan.h"

#include <cstring>
#include <string>

// The catalogue texts are constants of the library; the arrays are exported
// as char* for the host, which must never write through them.
char* gSupportedGeoms[VX_GEOMETRY_COUNT] = {
    const_cast<char*>("CATIAV4"),   const_cast<char*>("CATIAV5"), const_cast<char*>("IGES"),
    const_cast<char*>("Karvex"),    const_cast<char*>("JT"),      const_cast<char*>("ACIS"),
    const_cast<char*>("Parasolid"), const_cast<char*>("ProE"),    const_cast<char*>("SolidWorks"),
    const_cast<char*>("STEP"),      const_cast<char*>("UG"),      const_cast<char*>("VDA"),
    const_cast<char*>(""),
};

char* gSolvaneGeomNames[VX_GEOMETRY_COUNT] = {
    const_cast<char*>("catiav4"),
    const_cast<char*>("catiav5"),
    const_cast<char*>("igs"),
    const_cast<char*>("karvex"),
    const_cast<char*>("jt"),
    const_cast<char*>("acis"),
    const_cast<char*>("parasolid"),
    const_cast<char*>("proe"),
    const_cast<char*>("solidworks"),
    const_cast<char*>("stp"),
    const_cast<char*>("unigraphics"),
    const_cast<char*>("vda"),
    const_cast<char*>(""),
};

// Constructed empty at load, gMapGeometry first; destroyed in reverse at
// unload.
std::map<VexlanGeometryType, const char*> gMapGeometry;
std::map<VexlanGeometryType, const char*> gMapSolvaneNames;

namespace {

// File-dialog filters by type. The unknown format has none: its whole filter
// text is kAnyFile.
constexpr const char* kFilters[VX_GEOMETRY_COUNT] = {
    "(*.model;*.exp;*.session)",
    "(*.CATPart;*.CATProduct;*.CGR)",
    "(*.igs;*.iges)",
    "(*.kvp;*.kva)",
    "(*.jt)",
    "(*.sat;*.sab;*.asat;*.asab)",
    "(*.x_t;*.xmt_txt;*.x_b;*.xmt_bin)",
    "(*.prt;*.prt.*;*.asm;*.asm.*)",
    "(*.sldprt;*.sldasm)",
    "(*.stp;*.step)",
    "(*.prt)",
    "(*.vda)",
    nullptr,
};

constexpr const char* kAnyFile = "*.*";

using CatalogueMap = std::map<VexlanGeometryType, const char*>;

void fill(CatalogueMap& map, char* const* texts) {
    for (int type = 0; type < VX_GEOMETRY_COUNT; ++type)
        map[static_cast<VexlanGeometryType>(type)] = texts[type];
}

// First type, in ascending order, whose text equals `text` exactly.
int typeFromText(const CatalogueMap& map, const char* text) {
    if (text == nullptr || *text == '\0') return VX_UNKNOWN;
    for (const auto& [type, entry] : map)
        if (std::strcmp(entry, text) == 0) return type;
    return VX_UNKNOWN;
}

// Text of `type`, else the text of the unknown format, else null (the
// catalogue is not filled). Never inserts into the map.
const char* textFromType(const CatalogueMap& map, int type) {
    auto found = map.find(static_cast<VexlanGeometryType>(type));
    if (found == map.end()) found = map.find(VX_UNKNOWN);
    return found == map.end() ? nullptr : found->second;
}

} // namespace

void VxInitializeMaps() {
    fill(gMapGeometry, gSupportedGeoms);
    fill(gMapSolvaneNames, gSolvaneGeomNames);
}

int VxGetGeometryTypeFromName(char* displayName) { return typeFromText(gMapGeometry, displayName); }

int VxGetGeometryTypeFromSolvaneName(char* hostName) {
    return typeFromText(gMapSolvaneNames, hostName);
}

const char* VxGetGeometryNameFromType(int type) { return textFromType(gMapGeometry, type); }

const char* VxGetGeometrySolvaneNameFromType(int type) {
    return textFromType(gMapSolvaneNames, type);
}

const char* VxGetFileExtensions(char* hostName) {
    if (hostName == nullptr || *hostName == '\0') return kAnyFile;

    // One text shared by all calls: built at the first call that gets this
    // far, rebuilt by every later one, destroyed at unload.
    static std::string filterText;
    const int type = VxGetGeometryTypeFromSolvaneName(hostName);
    if (type == VX_UNKNOWN) {
        filterText = kAnyFile;
    } else {
        filterText = VxGetGeometryNameFromType(type);
        filterText += " Files ";
        filterText += kFilters[type];
    }
    return filterText.c_str();
}
