#include "spax/result.h"

namespace {

struct CodeText {
    long code;
    const char* text;
};

constexpr CodeText kCodeTexts[] = {
    {SPAX_S_OK, "success"},
    {SPAX_E_UNKNOWN_OPTION, "unknown option name"},
    {SPAX_E_BAD_OPTION_FILE, "option file unreadable or malformed"},
    {SPAX_E_UNKNOWN_TYPE, "unknown document type"},
    {SPAX_E_UNKNOWN_UNIT, "unknown unit"},
    {SPAX_E_LOG, "log cannot be started or stopped"},
    {SPAX_W_STOPPED_BY_HOST, "stopped by the host"},
    {SPAX_E_CONVERSION_FAILED, "conversion failed"},
};

} // namespace

const char* SPAIResult::Describe(long code) {
    for (const CodeText& entry : kCodeTexts)
        if (entry.code == code) return entry.text;
    return "unknown code";
}
