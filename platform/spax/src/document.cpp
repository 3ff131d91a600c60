#include "spax/document.h"

#include "standin_seams.h"

#include <string_view>

namespace {

// The format names the translator reads and writes.
constexpr std::string_view kKnownTypes[] = {
    "CATIAV4",   "CATIAV5", "IGES",       "Karvex", "JT", "ACIS",
    "Parasolid", "ProE",    "SolidWorks", "STEP",   "UG", "VDA",
};

} // namespace

SPAIDocument::SPAIDocument(const char* path) : m_path(path ? path : "") {
    spax_standin::RecordOperation("SPAIDocument", {m_path});
}

SPAIDocument::~SPAIDocument() { spax_standin::RecordRelease("~SPAIDocument", &m_path); }

SPAIResult SPAIDocument::SetUnit(const SPAIUnit& unit) {
    spax_standin::RecordOperation("SPAIDocument::SetUnit",
                                  {m_path, std::to_string(static_cast<int>(unit.GetValue()))});
    if (unit.GetValue() == SPAIUnitUnknown || SPAIUnit::NameOf(unit.GetValue()) == nullptr)
        return SPAIResult(SPAX_E_UNKNOWN_UNIT);
    m_unit = unit.GetValue();
    return SPAIResult(SPAX_S_OK);
}

SPAIResult SPAIDocument::SetType(const char* type) {
    const std::string text = type ? type : "";
    spax_standin::RecordOperation("SPAIDocument::SetType", {m_path, text});
    m_type = text;
    return SPAIResult(IsKnownType(m_type) ? SPAX_S_OK : SPAX_E_UNKNOWN_TYPE);
}

bool SPAIDocument::IsKnownType(const std::string& type) {
    for (std::string_view known : kKnownTypes)
        if (known == type) return true;
    return false;
}
