// Conversions between the facade's native data and the control's
// (white-box: the helpers are internal to the bridge).
#include "ndx_util.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>

using ArborkitLib::BoundsRect;
using ArborkitLib::ComponentString;
using ArborkitLib::IntPtr;
using ArborkitLib::Value;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

ComponentString units(std::u16string s) { return ComponentString(std::move(s)); }

// ---------------------------------------------------------------------------
// Text arguments
// ---------------------------------------------------------------------------

TEST(TextArguments, NullIsAbsentAndEmptyIsEmpty) {
    EXPECT_TRUE(NDXxUtil::ToStringHandle(nullptr).IsAbsent());
    const ComponentString empty = NDXxUtil::ToStringHandle(L"");
    EXPECT_FALSE(empty.IsAbsent());
    EXPECT_EQ(empty.Length(), 0u);
}

TEST(TextArguments, TakeTheCharactersBeforeTheFirstNul) {
    const wchar_t withNul[] = L"ab\0cd";
    EXPECT_EQ(NDXxUtil::ToStringHandle(withNul), units(u"ab"));
    EXPECT_EQ(NDXxUtil::ToStringHandle(L"Größe €"), units(u"Größe €"));
    EXPECT_EQ(NDXxUtil::ToStringHandle(L"\U0001F600!"), units(u"\U0001F600!"))
        << "a character above U+FFFF is a surrogate pair";
}

TEST(TextArguments, TextsThatUtf16CannotHoldAreRefused) {
    if constexpr (sizeof(wchar_t) == 4) {
        const wchar_t beyond[] = {L'a', static_cast<wchar_t>(0x110000), L'\0'};
        EXPECT_THROW(NDXxUtil::ToStringHandle(beyond), std::range_error);
        const wchar_t negative[] = {static_cast<wchar_t>(-1), L'\0'};
        EXPECT_THROW(NDXxUtil::ToStringHandle(negative), std::range_error);
    } else {
        GTEST_SKIP() << "every wchar_t is a UTF-16 unit here";
    }
}

TEST(TextArguments, LoneSurrogatesSurviveTheRoundTrip) {
    const std::u16string lone{u'x', char16_t(0xD800), u'y', char16_t(0xDFFF)};
    const std::wstring wide = NDXxUtil::UnitsToWide(lone);
    EXPECT_EQ(NDXxUtil::WideToUnits(wide), lone);
    EXPECT_EQ(NDXxUtil::ToStringHandle(wide.c_str()), units(lone));
}

TEST(TextArguments, StringPointerIsNullOnlyForTheAbsentString) {
    EXPECT_EQ(NDXxUtil::ToStringPointer(ComponentString()), nullptr);
    const ComponentString empty = units(u"");
    ASSERT_NE(NDXxUtil::ToStringPointer(empty), nullptr);
    EXPECT_EQ(*NDXxUtil::ToStringPointer(empty), u'\0');
    const ComponentString abc = units(u"abc");
    EXPECT_EQ(std::u16string(NDXxUtil::ToStringPointer(abc)), u"abc");
}

// ---------------------------------------------------------------------------
// Text results
// ---------------------------------------------------------------------------

TEST(TextResults, NothingAbsentAndEmptyAllGiveTheEmptyText) {
    EXPECT_EQ(NDXxUtil::ToWString(Value()), L"");
    EXPECT_EQ(NDXxUtil::ToWString(Value::FromString(ComponentString())), L"");
    EXPECT_EQ(NDXxUtil::ToWString(Value::FromString(units(u""))), L"");
}

TEST(TextResults, TextIsCutAtTheFirstNul) {
    EXPECT_EQ(NDXxUtil::ToWString(Value::FromString(units(u"cell"))), L"cell");
    EXPECT_EQ(NDXxUtil::ToWString(Value::FromString(units(std::u16string(u"ab\0cd", 5)))), L"ab");
    EXPECT_EQ(NDXxUtil::ToWString(Value::FromString(units(std::u16string(u"\0cd", 3)))), L"");
    EXPECT_EQ(NDXxUtil::ToWString(Value::FromString(units(u"\U0001F600 \u00e9"))),
              L"\U0001F600 \u00e9");
}

TEST(TextResults, AnyOtherKindOfValueFails) {
    EXPECT_THROW(NDXxUtil::ToWString(Value::FromInt32(1)), std::runtime_error);
    EXPECT_THROW(NDXxUtil::ToWString(Value::FromIntPtr(IntPtr(1))), std::runtime_error);
}

// ---------------------------------------------------------------------------
// Tags
// ---------------------------------------------------------------------------

TEST(Tags, KeepAllSixtyFourBitsBothWays) {
    static int someObject = 0;
    const std::int64_t address =
        static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&someObject));
    for (std::int64_t tag : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{1} << 40,
                             std::numeric_limits<std::int64_t>::min(),
                             std::numeric_limits<std::int64_t>::max(), address}) {
        SCOPED_TRACE(tag);
        const IntPtr crossed = NDXxUtil::ToIntPtr(tag);
        EXPECT_EQ(static_cast<std::int64_t>(crossed.value), tag);
        EXPECT_EQ(NDXxUtil::ToIntPtr(crossed), tag);
    }
}

TEST(Tags, OnlyAPointerSizedIntegerIsATag) {
    EXPECT_EQ(NDXxUtil::UnboxIntPtr(Value::FromIntPtr(IntPtr(-1))), IntPtr(-1));
    for (const Value& other : {Value(), Value::FromInt32(5), Value::FromString(units(u"5"))}) {
        EXPECT_THROW(NDXxUtil::UnboxIntPtr(other), std::runtime_error);
    }
}

// ---------------------------------------------------------------------------
// Rectangles
// ---------------------------------------------------------------------------

TEST(Rectangles, OriginAndSizeBecomeEdges) {
    struct Case {
        BoundsRect bounds;
        RECT expected;
    };
    const Case cases[] = {
        {{10, 20, 100, 50}, {10, 20, 110, 70}},
        {{-5, -5, 10, 10}, {-5, -5, 5, 5}},
        {{100, 40, 80, 18}, {100, 40, 180, 58}},
        {{0, 0, 0, 0}, {0, 0, 0, 0}},
        {{10, 10, -4, -6}, {10, 10, 6, 4}},
        // Edges beyond 32 bits stop at the limit instead of wrapping around.
        {{kMax - 5, kMin + 5, 10, -10}, {kMax - 5, kMin + 5, kMax, kMin}},
        {{kMax, kMax, kMax, kMax}, {kMax, kMax, kMax, kMax}},
        {{kMin, kMin, kMin, kMin}, {kMin, kMin, kMin, kMin}},
    };
    for (const Case& c : cases) {
        const RECT r = NDXxUtil::ToRect(c.bounds);
        SCOPED_TRACE(testing::Message() << c.bounds.x << "," << c.bounds.y << "," << c.bounds.width
                                        << "," << c.bounds.height);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

// ---------------------------------------------------------------------------
// Rows
// ---------------------------------------------------------------------------

TEST(Rows, EveryFieldOfRowAndCellsIsCarriedOver) {
    _Cell_Info cells[] = {
        {L"v1", -1, 0x00FF00, 3, L"shown 1"},
        {nullptr, 7, 8, -9, L""},
    };
    _Row_Info row{L"Segoe UI", 10.5F, 2, cells, -1};

    const ArborkitLib::RowInfoRecord record = NDXxUtil::ToRowInfoRecord(&row);

    EXPECT_EQ(record.fontName, units(u"Segoe UI"));
    EXPECT_EQ(record.fontSize, 10.5F);
    EXPECT_EQ(record.nodeTag, IntPtr(-1));
    ASSERT_EQ(record.cells.size(), 2u);
    EXPECT_EQ(record.cells[0],
              (ArborkitLib::CellInfoRecord{units(u"v1"), -1, 0x00FF00, 3, units(u"shown 1")}));
    EXPECT_EQ(record.cells[1],
              (ArborkitLib::CellInfoRecord{ComponentString(), 7, 8, -9, units(u"")}));
}

TEST(Rows, NoCellsMeansTheCellPointerIsNotRead) {
    _Row_Info row{nullptr, 9.0F, 0, nullptr, std::numeric_limits<std::int64_t>::min()};
    const ArborkitLib::RowInfoRecord record = NDXxUtil::ToRowInfoRecord(&row);
    EXPECT_TRUE(record.fontName.IsAbsent());
    EXPECT_TRUE(record.cells.empty());
    EXPECT_EQ(NDXxUtil::ToIntPtr(record.nodeTag), std::numeric_limits<std::int64_t>::min());
}

TEST(Rows, ImpossibleRowsAreRefusedBeforeAnyCellIsRead) {
    _Row_Info negative{nullptr, 9.0F, -1, nullptr, 0};
    _Row_Info missingCells{nullptr, 9.0F, 3, nullptr, 0};
    EXPECT_THROW(NDXxUtil::ToRowInfoRecord(&negative), std::invalid_argument);
    EXPECT_THROW(NDXxUtil::ToRowInfoRecord(&missingCells), std::invalid_argument);
    EXPECT_THROW(NDXxUtil::ToRowInfoRecord(nullptr), std::invalid_argument);
}

} // namespace
