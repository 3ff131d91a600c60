#include "node_order.h"

#include <limits>
#include <string>
#include <unordered_map>

namespace ArborkitLib {

namespace {

struct SortKey {
    enum Rank { Nothing, Number, Text } rank = Nothing;
    std::int64_t number = 0;
    std::u16string text;

    friend bool operator<(const SortKey& a, const SortKey& b) {
        if (a.rank != b.rank) return a.rank < b.rank;
        if (a.rank == Number) return a.number < b.number;
        return a.text < b.text;
    }
};

// The number a text spells in decimal, when it is one that fits.
bool parseWholeNumber(const std::u16string& text, std::int64_t& number) {
    const bool negative = !text.empty() && text[0] == u'-';
    const std::size_t first = negative ? 1 : 0;
    if (text.size() == first) return false;
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    for (std::size_t i = first; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return false;
        const std::uint64_t digit = static_cast<std::uint64_t>(text[i] - u'0');
        if (magnitude > (limit - digit) / 10) return false;
        magnitude = magnitude * 10 + digit;
    }
    number =
        negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

SortKey keyOf(const CellData& cell) {
    SortKey key;
    switch (cell.value.GetKind()) {
    case Value::Kind::Nothing:
        break;
    case Value::Kind::Int32:
        key.rank = SortKey::Number;
        key.number = cell.value.AsInt32();
        break;
    case Value::Kind::IntPtr:
        key.rank = SortKey::Number;
        key.number = cell.value.AsIntPtr().value;
        break;
    case Value::Kind::String:
        key.text = cell.value.AsString().Text();
        key.rank = parseWholeNumber(key.text, key.number) ? SortKey::Number : SortKey::Text;
        break;
    }
    return key;
}

} // namespace

void SortNodes(NodeTree& nodes, std::int32_t column, bool descending) {
    std::unordered_map<std::int32_t, SortKey> keys;
    for (std::int32_t node : nodes.InTreeOrder())
        keys.emplace(node, keyOf(nodes.Get(node).content.CellOrEmpty(column)));
    nodes.SortChildren([&](std::int32_t a, std::int32_t b) {
        return descending ? keys.at(b) < keys.at(a) : keys.at(a) < keys.at(b);
    });
}

} // namespace ArborkitLib
