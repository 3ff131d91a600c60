// Wide texts and UTF-8, for the demonstration's output and file names.
//
// A wchar_t is a UTF-16 unit where it has 16 bits and a whole code point
// where it has 32; both conversions handle either width.
#ifndef NODRIX_DEMO_UTF8_H
#define NODRIX_DEMO_UTF8_H

#include <string>
#include <string_view>

namespace demo {

// UTF-8 of a wide text. A character that cannot be encoded (a lone
// surrogate, a value beyond U+10FFFF) becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);

// The wide text of UTF-8 bytes. A malformed sequence becomes U+FFFD.
std::wstring FromUtf8(std::string_view text);

} // namespace demo

#endif // NODRIX_DEMO_UTF8_H
