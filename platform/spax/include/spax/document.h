// SPAIDocument: a model file taking part in a conversion, with its type
// (the name of its format, such as "IGES" or "Parasolid") and its unit.
#ifndef SPAX_DOCUMENT_H
#define SPAX_DOCUMENT_H

#include "spax/export.h"
#include "spax/result.h"
#include "spax/unit.h"

#include <string>

// Journalled: neither copied nor moved.
class SPAX_CONVERTER_API SPAIDocument {
public:
    // A null path is taken as the empty path.
    explicit SPAIDocument(const char* path);
    ~SPAIDocument();

    SPAIDocument(const SPAIDocument&) = delete;
    SPAIDocument& operator=(const SPAIDocument&) = delete;

    // Sets the model unit; SPAX_E_UNKNOWN_UNIT (and no change) for a value
    // outside the unit numbering.
    SPAIResult SetUnit(const SPAIUnit& unit);
    // Sets the type. The type is kept even when unknown, so that Convert can
    // refuse it; the result then is SPAX_E_UNKNOWN_TYPE. Null is the empty
    // type.
    SPAIResult SetType(const char* type);

    const std::string& GetPath() const { return m_path; }
    const std::string& GetType() const { return m_type; }
    SPAIUnitValue GetUnit() const { return m_unit; }

    // True for "Parasolid" and the other format names the translator knows.
    static bool IsKnownType(const std::string& type);

private:
    std::string m_path;
    std::string m_type;
    SPAIUnitValue m_unit = SPAIUnitUnknown;
};

#endif // SPAX_DOCUMENT_H
