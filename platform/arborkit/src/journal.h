// The stand-in's journal: one line per operation, appended to the file that
// ARBORKIT_STANDIN_JOURNAL names (see arborkit.h for the format).
#ifndef ARBORKIT_JOURNAL_H
#define ARBORKIT_JOURNAL_H

#include "arborkit/arborkit.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ArborkitLib::Journal {

// How each kind of value is written, appended to `out`.
void Render(std::string& out, std::int32_t value);
void Render(std::string& out, std::uint8_t value);
void Render(std::string& out, bool value);
void Render(std::string& out, float value);
void Render(std::string& out, IntPtr value);
void Render(std::string& out, const ComponentString& value);
void Render(std::string& out, const Value& value);
void Render(std::string& out, const BoundsRect& value);
void Render(std::string& out, const CellInfoRecord& value);
void Render(std::string& out, const RowInfoRecord& value);
// A UTF-8 message as a quoted string.
void RenderMessage(std::string& out, std::string_view message);

// One journal line, built field by field and written once.
class Line {
public:
    explicit Line(std::string_view operation) : text_(operation) {}

    template <class T> Line& Argument(const T& value) {
        text_ += '\t';
        Render(text_, value);
        return *this;
    }
    template <class T> Line& Result(const T& value) {
        text_ += "\t=> ";
        Render(text_, value);
        return *this;
    }
    Line& Failure(std::string_view message) {
        text_ += "\t!> ";
        RenderMessage(text_, message);
        return *this;
    }

    const std::string& Text() const noexcept { return text_; }

    // Appends the line to the journal file, if one is named; a
    // ComponentError when the file cannot be written.
    void Write() const;

private:
    std::string text_;
};

} // namespace ArborkitLib::Journal

#endif // ARBORKIT_JOURNAL_H
