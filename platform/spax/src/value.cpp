#include "spax/value.h"

SPAIValue::SPAIValue(int value) : m_kind(Kind::Int), m_int(value) {}

SPAIValue::SPAIValue(bool value) : m_kind(Kind::Bool), m_bool(value) {}

SPAIValue::SPAIValue(const char* value) : m_kind(Kind::Text), m_text(value ? value : "") {}

SPAIValue::SPAIValue(const std::string& value) : m_kind(Kind::Text), m_text(value) {}

const char* SPAIValue::GetKindName() const {
    switch (m_kind) {
    case Kind::Int:
        return "int";
    case Kind::Bool:
        return "bool";
    case Kind::Text:
        break;
    }
    return "text";
}

std::string SPAIValue::ToText() const {
    switch (m_kind) {
    case Kind::Int:
        return std::to_string(m_int);
    case Kind::Bool:
        return m_bool ? "true" : "false";
    case Kind::Text:
        break;
    }
    return m_text;
}
