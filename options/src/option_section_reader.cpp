#include "option_section_reader.h"

#include "option_line_reader.h"

namespace vexlan::detail {

namespace {

enum class LineAction {
    Ignore,
    OpenSection,
    AddEntry,
    CloseSection,
    NextRule, // the rule does not apply in this state: try the next one
};

struct LineRule {
    bool (*fits)(std::string_view line, std::string_view header);
    LineAction whileLooking;
    LineAction insideSection;
};

bool hasBracket(std::string_view line) { return line.find('[') != std::string_view::npos; }

constexpr LineRule kLineRules[] = {
    {[](std::string_view line, std::string_view) { return line.empty(); }, //
     LineAction::Ignore, LineAction::Ignore},
    {[](std::string_view line, std::string_view) { return line.front() == '!'; }, //
     LineAction::Ignore, LineAction::Ignore},
    {[](std::string_view line, std::string_view header) {
         return hasBracket(line) && line == header;
     },
     LineAction::OpenSection, LineAction::NextRule},
    {[](std::string_view line, std::string_view) { return line.find('=') != line.npos; },
     LineAction::Ignore, LineAction::AddEntry},
    {[](std::string_view line, std::string_view) { return hasBracket(line); }, //
     LineAction::Ignore, LineAction::CloseSection},
    {[](std::string_view, std::string_view) { return true; }, //
     LineAction::Ignore, LineAction::Ignore},
};

LineAction actionFor(std::string_view line, std::string_view header, bool insideSection) {
    for (const LineRule& rule : kLineRules) {
        const LineAction action = insideSection ? rule.insideSection : rule.whileLooking;
        if (action != LineAction::NextRule && rule.fits(line, header)) return action;
    }
    return LineAction::Ignore;
}

} // namespace

bool splitOptionEntry(std::string_view line, std::string& name, std::string& value) {
    std::string_view pieces[2];
    std::size_t found = 0;
    std::size_t start = 0;
    while (found < 2 && start <= line.size()) {
        std::size_t end = line.find('=', start);
        if (end == std::string_view::npos) end = line.size();
        if (end > start) pieces[found++] = line.substr(start, end - start);
        start = end + 1;
    }
    if (found < 2) return false;
    name.assign(pieces[0]);
    value.assign(pieces[1]);
    return true;
}

void readOptionSection(std::istream& in, const std::string& header, std::vector<std::string>& names,
                       std::vector<std::string>& values) {
    bool insideSection = false;
    std::string line;
    std::string name;
    std::string value;
    while (readOptionLine(in, line)) {
        switch (actionFor(line, header, insideSection)) {
        case LineAction::OpenSection:
            insideSection = true;
            break;
        case LineAction::AddEntry:
            if (splitOptionEntry(line, name, value)) {
                names.push_back(name);
                values.push_back(value);
            }
            break;
        case LineAction::CloseSection:
            return;
        case LineAction::Ignore:
        case LineAction::NextRule:
            break;
        }
    }
}

} // namespace vexlan::detail
