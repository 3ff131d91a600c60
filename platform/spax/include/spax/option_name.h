// SPAIOptionName: the name of a translator option. Every name the translator
// knows is a constant of this class, generated from option_names.inc, so that
// callers cannot misspell one: SPAIOptionName::SaveMode, ...
#ifndef SPAX_OPTION_NAME_H
#define SPAX_OPTION_NAME_H

class SPAIOptionName {
public:
    // For names that arrive as text; the translator refuses unknown names
    // when the option set reaches a converter.
    explicit constexpr SPAIOptionName(const char* name) : m_name(name ? name : "") {}

    constexpr const char* GetName() const { return m_name; }

#define SPAX_OPTION_NAME(name) static const SPAIOptionName name;
#include "spax/option_names.inc"
#undef SPAX_OPTION_NAME

private:
    const char* m_name;
};

#define SPAX_OPTION_NAME(name) inline constexpr SPAIOptionName SPAIOptionName::name{#name};
#include "spax/option_names.inc"
#undef SPAX_OPTION_NAME

#endif // SPAX_OPTION_NAME_H
