#include "row_content.h"

namespace ArborkitLib {

namespace {

std::u16string decimal(std::intptr_t number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

std::u16string ValueText(const Value& value) {
    switch (value.GetKind()) {
    case Value::Kind::Nothing:
        return {};
    case Value::Kind::Int32:
        return decimal(value.AsInt32());
    case Value::Kind::IntPtr:
        return decimal(value.AsIntPtr().value);
    case Value::Kind::String:
        return value.AsString().Text();
    }
    return {};
}

std::u16string CellData::ShownText() const {
    return displayText.IsAbsent() ? ValueText(value) : displayText.Text();
}

CellData& RowContent::Cell(std::int32_t column) {
    const auto index = static_cast<std::size_t>(column);
    if (index >= cells_.size()) cells_.resize(index + 1);
    return cells_[index];
}

const CellData& RowContent::CellOrEmpty(std::int32_t column) const {
    static const CellData empty;
    const auto index = static_cast<std::size_t>(column);
    return column >= 0 && index < cells_.size() ? cells_[index] : empty;
}

void RowContent::ColumnRemoved(std::int32_t column) {
    const auto index = static_cast<std::size_t>(column);
    if (column >= 0 && index < cells_.size()) cells_.erase(cells_.begin() + column);
}

} // namespace ArborkitLib
