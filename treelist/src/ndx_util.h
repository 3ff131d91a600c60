// Conversions between the facade's native data and the control's.
//
//   * text arguments: a null pointer is the absent string; otherwise the
//     units up to the first NUL (ToStringHandle);
//   * text results: a string or nothing; absent and empty both give the
//     empty std::wstring, and a NUL inside the string ends it (ToWString);
//   * 64-bit tags and pointer-sized integers keep all their bits (ToIntPtr);
//     a tag the control gives back must be a pointer-sized integer
//     (UnboxIntPtr);
//   * unsigned colours and picture ids cross as signed 32-bit integers with
//     the same bits (ToSigned);
//   * rectangles: origin and size become edges, held to 32 bits (ToRect,
//     ClampToLong);
//   * rows: a _Row_Info becomes a RowInfoRecord (ToRowInfoRecord).
#ifndef NODRIX_NDX_UTIL_H
#define NODRIX_NDX_UTIL_H

#include "arborkit/arborkit.h"
#include "nodrix/nodrix.h"

#include <cstdint>
#include <string>

namespace NDXxUtil {

ArborkitLib::ComponentString ToStringHandle(const wchar_t* src);

// The first unit of the string, or null for the absent string. Valid while
// the string lives unchanged.
const char16_t* ToStringPointer(const ArborkitLib::ComponentString& src);

ArborkitLib::IntPtr ToIntPtr(std::int64_t src);
std::int64_t ToIntPtr(ArborkitLib::IntPtr src);

// The pointer-sized integer a generic value holds. A std::runtime_error when
// the control gave a value of any other kind, nothing included.
ArborkitLib::IntPtr UnboxIntPtr(const ArborkitLib::Value& value);

// The same 32 bits read as a signed number: 0xFFFFFFFF gives -1.
std::int32_t ToSigned(std::uint32_t src);

// A text result. A std::runtime_error when the control gave a value that is
// neither a string nor nothing.
std::wstring ToWString(const ArborkitLib::Value& result);

// A coordinate held to the 32-bit range of the window API: a value beyond
// it stops at its limit instead of wrapping around.
LONG ClampToLong(std::int64_t src);

// left = x, top = y, right = x + width, bottom = y + height. An edge that
// would leave the 32-bit range stops at its limit (ClampToLong).
RECT ToRect(const ArborkitLib::BoundsRect& bounds);

// A std::invalid_argument, before anything is read from the cells, when
// there is no row, its cell count is negative, or it has cells but no
// pointer to them.
ArborkitLib::RowInfoRecord ToRowInfoRecord(const _Row_Info* rowInfo);

} // namespace NDXxUtil

#endif // NODRIX_NDX_UTIL_H
