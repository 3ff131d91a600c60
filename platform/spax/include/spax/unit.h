// SPAIUnit: the length unit of a document's model.
#ifndef SPAX_UNIT_H
#define SPAX_UNIT_H

#include "spax/export.h"

// Length units, by the translator's fixed numbering. Parasolid models are
// measured in metres, so a Parasolid target is given SPAIUnitMeter (7).
enum SPAIUnitValue : int {
    SPAIUnitUnknown = 0,
    SPAIUnitNanometer = 1,
    SPAIUnitMicrometer = 2,
    SPAIUnitMillimeter = 3,
    SPAIUnitCentimeter = 4,
    SPAIUnitDecimeter = 5,
    SPAIUnitInch = 6,
    SPAIUnitMeter = 7,
    SPAIUnitFoot = 8,
    SPAIUnitYard = 9,
    SPAIUnitKilometer = 10,
    SPAIUnitMile = 11,
};

// Journalled: neither copied nor moved.
class SPAX_BASE_API SPAIUnit {
public:
    explicit SPAIUnit(SPAIUnitValue value);
    ~SPAIUnit();

    SPAIUnit(const SPAIUnit&) = delete;
    SPAIUnit& operator=(const SPAIUnit&) = delete;

    SPAIUnitValue GetValue() const { return m_value; }
    // "meter", ...; null for a value outside the numbering above.
    static const char* NameOf(int value);

private:
    SPAIUnitValue m_value;
};

#endif // SPAX_UNIT_H
