#include "option_file_header.h"

#include "option_line_reader.h"

namespace vexlan::detail {

bool findOptionHeaderLine(std::istream& in, std::string& line) {
    while (readOptionLine(in, line))
        if (line.find('[') != std::string::npos) return true;
    return false;
}

std::vector<std::string> tokeniseOptionHeader(std::string_view line) {
    constexpr std::string_view kSeparators = " []-";
    std::vector<std::string> tokens;
    std::size_t start = line.find_first_not_of(kSeparators);
    while (start != std::string_view::npos) {
        const std::size_t end = line.find_first_of(kSeparators, start);
        tokens.emplace_back(line.substr(start, end - start));
        start = line.find_first_not_of(kSeparators, end);
    }
    return tokens;
}

} // namespace vexlan::detail
