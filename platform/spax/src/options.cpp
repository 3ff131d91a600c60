#include "spax/options.h"

#include "spax/file.h"
#include "standin_seams.h"

#include <fstream>

SPAIOptions::SPAIOptions() { spax_standin::RecordOperation("SPAIOptions", {}); }

SPAIOptions::~SPAIOptions() { spax_standin::RecordRelease("~SPAIOptions", nullptr); }

SPAIResult SPAIOptions::Add(const SPAIOptionName& name, const SPAIValue& value) {
    spax_standin::RecordOperation("SPAIOptions::Add",
                                  {name.GetName(), value.GetKindName(), value.ToText()});
    m_entries.push_back({name.GetName(), value});
    return SPAIResult(SPAX_S_OK);
}

SPAIResult SPAIOptions::Load(const SPAIFile& file) {
    std::vector<Entry> loaded;
    bool wellFormed = true;
    // Binary, so that nothing but the CR of a CR LF line end is dropped.
    std::ifstream in(file.GetPath(), std::ios::binary);
    if (!in) wellFormed = false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos || equals == 0) {
            wellFormed = false;
            continue;
        }
        loaded.push_back({line.substr(0, equals), SPAIValue(line.substr(equals + 1))});
    }

    spax_standin::Arguments journal{file.GetPath()};
    for (const Entry& entry : loaded)
        journal.push_back(entry.name + "=" + entry.value.ToText());
    spax_standin::RecordOperation("SPAIOptions::Load", journal);

    m_entries = std::move(loaded);
    return SPAIResult(wellFormed ? SPAX_S_OK : SPAX_E_BAD_OPTION_FILE);
}
