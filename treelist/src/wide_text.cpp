#include "wide_text.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace NDXxUtil {

namespace {

constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;
static_assert(sizeof(wchar_t) == 2 || sizeof(wchar_t) == 4, "wchar_t is UTF-16 or UTF-32");

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace

std::u16string WideToUnits(std::wstring_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (wchar_t c : text) {
        // wchar_t may be signed: take its bits as an unsigned code.
        const auto code = static_cast<std::uint32_t>(c) & (kWideIsUtf16 ? 0xFFFFu : 0xFFFFFFFFu);
        if (code <= 0xFFFF) {
            units += static_cast<char16_t>(code);
        } else if (code <= 0x10FFFF) {
            const std::uint32_t offset = code - 0x10000;
            units += static_cast<char16_t>(0xD800 + (offset >> 10));
            units += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        } else {
            throw std::range_error("the text holds a character outside Unicode (code " +
                                   std::to_string(code) + ")");
        }
    }
    return units;
}

std::wstring UnitsToWide(std::u16string_view units) {
    std::wstring text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (!kWideIsUtf16 && isHighSurrogate(unit) && i + 1 < units.size() &&
            isLowSurrogate(units[i + 1])) {
            const std::uint32_t high = unit - 0xD800u;
            const std::uint32_t low = units[++i] - 0xDC00u;
            text += static_cast<wchar_t>(0x10000 + (high << 10) + low);
        } else {
            text += static_cast<wchar_t>(unit);
        }
    }
    return text;
}

} // namespace NDXxUtil
