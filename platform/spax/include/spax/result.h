// SPAIResult: the outcome of a translator operation, one numeric code.
//
// Codes: 0 is success; the high byte tells the family (1: a request the
// translator refused, 2: the host stopped the work, 3: the translation
// failed). Only Convert and SetOptions have results worth examining; the
// other operations report refusals the same way for callers who care.
#ifndef SPAX_RESULT_H
#define SPAX_RESULT_H

#include "spax/export.h"

// Success.
inline constexpr long SPAX_S_OK = 0;
// An option set names an option the translator does not know.
inline constexpr long SPAX_E_UNKNOWN_OPTION = 0x1000001;
// An option file could not be read, or held a line that is not name=value.
inline constexpr long SPAX_E_BAD_OPTION_FILE = 0x1000002;
// A document type the translator does not know.
inline constexpr long SPAX_E_UNKNOWN_TYPE = 0x1000003;
// A unit value the translator does not know.
inline constexpr long SPAX_E_UNKNOWN_UNIT = 0x1000004;
// A log could not be started, or StopLog named no running log.
inline constexpr long SPAX_E_LOG = 0x1000005;
// The host's progress function asked the conversion to stop.
inline constexpr long SPAX_W_STOPPED_BY_HOST = 0x2000003;
// The conversion failed: unreadable source, unknown type, unwritable target.
inline constexpr long SPAX_E_CONVERSION_FAILED = 0x3000006;

class SPAX_BASE_API SPAIResult {
public:
    explicit SPAIResult(long code = SPAX_S_OK) : m_code(code) {}

    long GetCode() const { return m_code; }
    bool operator==(long code) const { return m_code == code; }

    // A short English description of the code, for logs.
    static const char* Describe(long code);

private:
    long m_code;
};

#endif // SPAX_RESULT_H
