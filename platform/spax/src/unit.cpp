#include "spax/unit.h"

#include "standin_seams.h"

#include <string>

namespace {

// Indexed by SPAIUnitValue.
constexpr const char* kUnitNames[] = {
    "unknown", "nanometer", "micrometer", "millimeter", "centimeter", "decimeter",
    "inch",    "meter",     "foot",       "yard",       "kilometer",  "mile",
};

} // namespace

SPAIUnit::SPAIUnit(SPAIUnitValue value) : m_value(value) {
    spax_standin::RecordOperation("SPAIUnit", {std::to_string(static_cast<int>(value))});
}

SPAIUnit::~SPAIUnit() { spax_standin::RecordRelease("~SPAIUnit", nullptr); }

const char* SPAIUnit::NameOf(int value) {
    constexpr int count = static_cast<int>(sizeof kUnitNames / sizeof kUnitNames[0]);
    return value >= 0 && value < count ? kUnitNames[value] : nullptr;
}
