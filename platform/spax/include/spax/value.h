// SPAIValue: the value of one translator option, an int, a bool or a text.
// A plain value: copied freely, not journalled.
#ifndef SPAX_VALUE_H
#define SPAX_VALUE_H

#include "spax/export.h"

#include <string>

class SPAX_BASE_API SPAIValue {
public:
    enum class Kind { Int, Bool, Text };

    explicit SPAIValue(int value);
    explicit SPAIValue(bool value);
    // A null text is taken as the empty text.
    explicit SPAIValue(const char* value);
    explicit SPAIValue(const std::string& value);

    Kind GetKind() const { return m_kind; }
    // "int", "bool" or "text".
    const char* GetKindName() const;
    // The value as text: decimal digits, "true"/"false", or the text itself.
    std::string ToText() const;

private:
    Kind m_kind;
    int m_int = 0;
    bool m_bool = false;
    std::string m_text;
};

#endif // SPAX_VALUE_H
