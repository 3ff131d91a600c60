// UTF-16 texts of the component turned into UTF-8: for the journal, for
// error messages and for the text export.
#ifndef ARBORKIT_UTF16_TEXT_H
#define ARBORKIT_UTF16_TEXT_H

#include <string>
#include <string_view>

namespace ArborkitLib::Utf16Text {

// Calls `visit` with each code point of `units`. A surrogate pair gives one
// code point; an unpaired surrogate gives U+FFFD.
template <class Visit> void ForEachCodePoint(std::u16string_view units, Visit&& visit) {
    const auto isHigh = [](char16_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    const auto isLow = [](char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (isHigh(unit) && i + 1 < units.size() && isLow(units[i + 1])) {
            const char32_t high = unit - 0xD800;
            const char32_t low = units[++i] - 0xDC00;
            visit(char32_t{0x10000} + (high << 10) + low);
        } else if (isHigh(unit) || isLow(unit)) {
            visit(U'\uFFFD');
        } else {
            visit(char32_t{unit});
        }
    }
}

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

// The whole text as UTF-8.
std::string ToUtf8(std::u16string_view units);

} // namespace ArborkitLib::Utf16Text

#endif // ARBORKIT_UTF16_TEXT_H
