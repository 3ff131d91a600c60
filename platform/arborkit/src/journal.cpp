#include "journal.h"

#include "utf16_text.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace ArborkitLib::Journal {

namespace {

constexpr const char* kJournalVariable = "ARBORKIT_STANDIN_JOURNAL";

// The escape for a character that has one, or null.
const char* escapeFor(char32_t c) {
    switch (c) {
    case U'\\':
        return "\\\\";
    case U'"':
        return "\\\"";
    case U'\t':
        return "\\t";
    case U'\n':
        return "\\n";
    case U'\r':
        return "\\r";
    case U'\0':
        return "\\0";
    default:
        return nullptr;
    }
}

// The values, each as Render writes it, separated by commas.
template <class First, class... Rest>
void renderJoined(std::string& out, const First& first, const Rest&... rest) {
    Render(out, first);
    ((out += ',', Render(out, rest)), ...);
}

void appendEscaped(std::string& out, char32_t c) {
    if (const char* escape = escapeFor(c)) {
        out += escape;
    } else {
        Utf16Text::AppendUtf8(out, c);
    }
}

template <class Number> void renderNumber(std::string& out, Number value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::mutex& fileMutex() {
    static std::mutex mutex;
    return mutex;
}

} // namespace

void Render(std::string& out, std::int32_t value) { renderNumber(out, value); }
void Render(std::string& out, std::uint8_t value) { renderNumber(out, unsigned{value}); }
void Render(std::string& out, bool value) { out += value ? "true" : "false"; }
// to_chars without a format gives the shortest text that reads back as the
// same float.
void Render(std::string& out, float value) { renderNumber(out, value); }
void Render(std::string& out, IntPtr value) { renderNumber(out, value.value); }

void Render(std::string& out, const ComponentString& value) {
    if (value.IsAbsent()) {
        out += "null";
        return;
    }
    out += '"';
    Utf16Text::ForEachCodePoint(value.Text(), [&](char32_t c) { appendEscaped(out, c); });
    out += '"';
}

void Render(std::string& out, const Value& value) {
    switch (value.GetKind()) {
    case Value::Kind::Nothing:
        out += "null";
        break;
    case Value::Kind::Int32:
        out += "int32:";
        Render(out, value.AsInt32());
        break;
    case Value::Kind::IntPtr:
        out += "intptr:";
        Render(out, value.AsIntPtr());
        break;
    case Value::Kind::String:
        Render(out, value.AsString());
        break;
    }
}

void Render(std::string& out, const BoundsRect& value) {
    renderJoined(out, value.x, value.y, value.width, value.height);
}

void Render(std::string& out, const CellInfoRecord& value) {
    out += '{';
    renderJoined(out, value.value, value.foreColor, value.backColor, value.picture,
                 value.displayText);
    out += '}';
}

void Render(std::string& out, const RowInfoRecord& value) {
    out += '{';
    renderJoined(out, value.fontName, value.fontSize, value.nodeTag);
    out += ",[";
    for (std::size_t i = 0; i < value.cells.size(); ++i) {
        if (i != 0) out += ',';
        Render(out, value.cells[i]);
    }
    out += "]}";
}

void RenderMessage(std::string& out, std::string_view message) {
    out += '"';
    for (char c : message) {
        if (const char* escape = escapeFor(static_cast<unsigned char>(c))) {
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

void Line::Write() const {
    const char* path = std::getenv(kJournalVariable);
    if (path == nullptr || *path == '\0') return;

    std::lock_guard lock(fileMutex());
    std::FILE* file = std::fopen(path, "ab");
    bool written = file != nullptr;
    if (written) {
        written = std::fwrite(text_.data(), 1, text_.size(), file) == text_.size() &&
                  std::fputc('\n', file) != EOF;
        written = std::fclose(file) == 0 && written;
    }
    if (!written) {
        throw ComponentError(std::string("cannot append to the journal ") + path);
    }
}

} // namespace ArborkitLib::Journal
