// SPAIOptions: an ordered set of translator options, built entry by entry or
// loaded from an option file of name=value lines.
#ifndef SPAX_OPTIONS_H
#define SPAX_OPTIONS_H

#include "spax/export.h"
#include "spax/option_name.h"
#include "spax/result.h"
#include "spax/value.h"

#include <string>
#include <vector>

class SPAIFile;

// Journalled: neither copied nor moved.
class SPAX_BASE_API SPAIOptions {
public:
    struct Entry {
        std::string name;
        SPAIValue value;
    };

    SPAIOptions();
    ~SPAIOptions();

    SPAIOptions(const SPAIOptions&) = delete;
    SPAIOptions& operator=(const SPAIOptions&) = delete;

    // Appends one entry. Names are not checked here: a converter refuses a
    // set that names an option it does not know.
    SPAIResult Add(const SPAIOptionName& name, const SPAIValue& value);

    // Replaces the set with the options of an option file: one name=value
    // line each, split at the first "="; a CR before the line feed is
    // dropped, empty lines are skipped, values are kept as text byte for
    // byte. A line without "=" or with an empty name is skipped and makes
    // the result SPAX_E_BAD_OPTION_FILE, as does a file that cannot be
    // opened (the set is then empty).
    SPAIResult Load(const SPAIFile& file);

    const std::vector<Entry>& GetEntries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

#endif // SPAX_OPTIONS_H
