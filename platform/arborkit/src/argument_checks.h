// Checks of the arguments the control takes, each failing with a
// ComponentError that names the value. The control puts the operation's
// name in front of the message.
#ifndef ARBORKIT_ARGUMENT_CHECKS_H
#define ARBORKIT_ARGUMENT_CHECKS_H

#include "arborkit/arborkit.h"

#include <cstdint>
#include <string>

namespace ArborkitLib::Check {

// A count, size or distance: 0 or more.
std::int32_t NotNegative(const char* what, std::int32_t value);
// A font size in points: finite and 0 or more (0: the size of the level
// above).
float FontSize(float size);
// A value that must be a 32-bit integer, a pointer-sized integer or a
// string.
std::int32_t Int32Value(const char* what, const Value& value);
IntPtr IntPtrValue(const char* what, const Value& value);
const std::u16string& StringValue(const char* what, const Value& value);
// A text that must be present.
const std::u16string& PresentText(const char* what, const ComponentString& text);
// A value of an enumeration numbered from 0 to `last`.
std::int32_t InRange(const char* what, std::int32_t value, std::int32_t last);

} // namespace ArborkitLib::Check

#endif // ARBORKIT_ARGUMENT_CHECKS_H
