// Format of a file judged by its name.
#include "vexlan/vexlan.h"

#include <cstring>

namespace {

// An extension is tested against these rules in order; the first whose text
// begins the extension gives the format. "prt" belongs to ProE before UG, so
// detection never answers UG.
struct DetectionRule {
    const char* prefix;
    VexlanGeometryType type;
};

constexpr DetectionRule kDetectionRules[] = {
    {"model", VX_CATIAV4},
    {"exp", VX_CATIAV4},
    {"session", VX_CATIAV4},
    {"CATPart", VX_CATIAV5},
    {"CATProduct", VX_CATIAV5},
    {"CGR", VX_CATIAV5},
    {"igs", VX_IGES},
    {"iges", VX_IGES},
    {"kvp", VX_KARVEX},
    {"kva", VX_KARVEX},
    {"jt", VX_JT},
    {"sat", VX_ACIS},
    {"sab", VX_ACIS},
    {"asat", VX_ACIS},
    {"asab", VX_ACIS},
    {"x_t", VX_PARASOLID},
    {"xmt_txt", VX_PARASOLID},
    {"x_b", VX_PARASOLID},
    {"xmt_bin", VX_PARASOLID},
    {"prt", VX_PROE},
    {"asm", VX_PROE},
    {"sldprt", VX_SOLIDWORKS},
    {"sldasm", VX_SOLIDWORKS},
    {"stp", VX_STEP},
    {"step", VX_STEP},
    {"vda", VX_VDA},
};
static_assert(sizeof(kDetectionRules) / sizeof(kDetectionRules[0]) == 26);

// Versioned Pro/E names such as "wheel.prt.3": the version follows the
// extension of the part or assembly.
constexpr const char* kVersionedProE[] = {".prt", ".asm"};

// The extension buffer holds 31 characters and the terminator; longer
// extensions keep their first 31 characters, which decides every rule since
// the longest rule text has ten.
constexpr std::size_t kExtensionCapacity = 32;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool allDigits(const char* text) {
    if (*text == '\0') return false;
    for (; *text != '\0'; ++text)
        if (*text < '0' || *text > '9') return false;
    return true;
}

bool startsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// True when the four characters before the dot at `dot` are ".prt" or ".asm".
bool followsProEExtension(const char* name, const char* dot) {
    if (dot - name < 4) return false;
    for (const char* ext : kVersionedProE)
        if (std::strncmp(dot - 4, ext, 4) == 0) return true;
    return false;
}

} // namespace

int VxGetGeometryTypeFromFile(char* fileName) {
    if (fileName == nullptr || *fileName == '\0') return VX_UNKNOWN;

    // The extension follows the last dot, unless a path separator comes after
    // that dot.
    const char* dot = std::strrchr(fileName, '.');
    if (dot == nullptr) return VX_UNKNOWN;
    for (const char* p = dot; *p != '\0'; ++p)
        if (*p == '/' || *p == '\\') return VX_UNKNOWN;

    char extension[kExtensionCapacity];
    std::size_t length = 0;
    for (const char* p = dot + 1; *p != '\0' && !isSpace(*p); ++p)
        if (length + 1 < kExtensionCapacity) extension[length++] = *p;
    extension[length] = '\0';

    for (const DetectionRule& rule : kDetectionRules)
        if (startsWith(extension, rule.prefix)) return rule.type;

    if (allDigits(extension) && followsProEExtension(fileName, dot)) return VX_PROE;
    return VX_UNKNOWN;
}
