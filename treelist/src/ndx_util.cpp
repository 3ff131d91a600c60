#include "ndx_util.h"

#include "wide_text.h"

#include <algorithm>
#include <cwchar>
#include <limits>
#include <stdexcept>

namespace NDXxUtil {

static_assert(sizeof(std::intptr_t) == sizeof(std::int64_t),
              "tags cross to the control as pointer-sized integers of 64 bits");

namespace {

const char* kindName(ArborkitLib::Value::Kind kind) {
    static constexpr const char* kNames[] = {"nothing", "a 32-bit integer",
                                             "a pointer-sized integer", "a string"};
    return kNames[static_cast<int>(kind)];
}

} // namespace

ArborkitLib::ComponentString ToStringHandle(const wchar_t* src) {
    if (src == nullptr) return ArborkitLib::ComponentString::Absent();
    return ArborkitLib::ComponentString(WideToUnits(std::wstring_view(src, std::wcslen(src))));
}

const char16_t* ToStringPointer(const ArborkitLib::ComponentString& src) { return src.Data(); }

ArborkitLib::IntPtr ToIntPtr(std::int64_t src) {
    return ArborkitLib::IntPtr(static_cast<std::intptr_t>(src));
}

std::int64_t ToIntPtr(ArborkitLib::IntPtr src) { return static_cast<std::int64_t>(src.value); }

ArborkitLib::IntPtr UnboxIntPtr(const ArborkitLib::Value& value) {
    if (value.GetKind() != ArborkitLib::Value::Kind::IntPtr) {
        throw std::runtime_error(std::string("the control gave ") + kindName(value.GetKind()) +
                                 " where a pointer-sized integer was expected");
    }
    return value.AsIntPtr();
}

std::int32_t ToSigned(std::uint32_t src) { return static_cast<std::int32_t>(src); }

std::wstring ToWString(const ArborkitLib::Value& result) {
    using Kind = ArborkitLib::Value::Kind;
    if (result.GetKind() != Kind::String && result.GetKind() != Kind::Nothing) {
        throw std::runtime_error(std::string("the control gave ") + kindName(result.GetKind()) +
                                 " where a text was expected");
    }
    std::wstring text;
    if (result.GetKind() == Kind::String && result.AsString().Length() > 0) {
        const char16_t* units = ToStringPointer(result.AsString());
        std::size_t count = 0;
        while (units[count] != u'\0')
            ++count;
        text = UnitsToWide(std::u16string_view(units, count));
    }
    return text;
}

LONG ClampToLong(std::int64_t src) {
    return static_cast<LONG>(std::clamp<std::int64_t>(src, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
}

RECT ToRect(const ArborkitLib::BoundsRect& bounds) {
    RECT rect{};
    rect.left = bounds.x;
    rect.top = bounds.y;
    rect.right = ClampToLong(std::int64_t{bounds.x} + bounds.width);
    rect.bottom = ClampToLong(std::int64_t{bounds.y} + bounds.height);
    return rect;
}

ArborkitLib::RowInfoRecord ToRowInfoRecord(const _Row_Info* rowInfo) {
    if (rowInfo == nullptr) throw std::invalid_argument("AddNodeEx was given no row");
    if (rowInfo->nCellCount < 0) {
        throw std::invalid_argument("AddNodeEx was given a negative cell count (" +
                                    std::to_string(rowInfo->nCellCount) + ")");
    }
    if (rowInfo->nCellCount > 0 && rowInfo->pCellInfo == nullptr) {
        throw std::invalid_argument("AddNodeEx was given " + std::to_string(rowInfo->nCellCount) +
                                    " cells and no pointer to them");
    }

    ArborkitLib::RowInfoRecord record;
    record.fontName = ToStringHandle(rowInfo->pszFontName);
    record.fontSize = rowInfo->fFontSize;
    record.cells.resize(static_cast<std::size_t>(rowInfo->nCellCount));
    record.nodeTag = ToIntPtr(rowInfo->llNodeTag);
    for (std::int32_t i = 0; i < rowInfo->nCellCount; ++i) {
        const _Cell_Info& cell = rowInfo->pCellInfo[i];
        ArborkitLib::CellInfoRecord& target = record.cells[static_cast<std::size_t>(i)];
        target.value = ToStringHandle(cell.pszValue);
        target.foreColor = cell.lForeColor;
        target.backColor = cell.lBackColor;
        target.picture = cell.nPicture;
        target.displayText = ToStringHandle(cell.pszDisplayText);
    }
    return record;
}

} // namespace NDXxUtil
