// The one place that knows how wide a wchar_t is.
//
// The facade's texts are wchar_t strings: UTF-16 on Windows, where wchar_t
// has 16 bits, and UTF-32 elsewhere. The control's strings are UTF-16.
// UTF-16 units pass unchanged both ways where wchar_t has 16 bits. Where it
// has 32, a character becomes one unit, or a surrogate pair above U+FFFF;
// a lone surrogate value stays a lone unit (and comes back as itself), so
// that nothing a Windows caller could pass is lost.
#ifndef NODRIX_WIDE_TEXT_H
#define NODRIX_WIDE_TEXT_H

#include <string>
#include <string_view>

namespace NDXxUtil {

// The UTF-16 units of a wide text. A std::range_error when a character lies
// outside Unicode (above U+10FFFF), which UTF-16 cannot hold.
std::u16string WideToUnits(std::wstring_view text);

// The wide text of UTF-16 units.
std::wstring UnitsToWide(std::u16string_view units);

} // namespace NDXxUtil

#endif // NODRIX_WIDE_TEXT_H
