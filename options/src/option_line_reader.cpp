#include "option_line_reader.h"

#include <filesystem>
#include <system_error>

namespace vexlan::detail {

bool openOptionFile(std::ifstream& file, const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    file.open(path, std::ios::binary);
    return file.is_open();
}

bool readOptionLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* const buffer = in.rdbuf();
    if (!in.good() || buffer == nullptr) return false;

    using Traits = std::istream::traits_type;
    // One byte beyond the limit is held back: if it is a carriage return that
    // the line feed follows, it is part of the line end, not of the line.
    constexpr std::size_t kHeld = kMaxOptionLineLength + 1;
    bool readSomething = false;
    bool skipped = false;
    for (;;) {
        const Traits::int_type c = buffer->sbumpc();
        if (Traits::eq_int_type(c, Traits::eof())) {
            in.setstate(std::ios::eofbit);
            break;
        }
        readSomething = true;
        if (c == '\n') {
            if (!skipped && !line.empty() && line.back() == '\r') line.pop_back();
            break;
        }
        if (line.size() < kHeld)
            line.push_back(Traits::to_char_type(c));
        else
            skipped = true;
    }
    if (line.size() > kMaxOptionLineLength) line.resize(kMaxOptionLineLength);
    return readSomething;
}

} // namespace vexlan::detail
