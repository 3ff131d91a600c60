// How the stand-in's journal writes each kind of value (white-box: the
// renderer is internal to the component).
#include "journal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

using namespace ArborkitLib;

namespace {

template <class T> std::string rendered(const T& value) {
    std::string out;
    Journal::Render(out, value);
    return out;
}

ComponentString text(std::u16string s) { return ComponentString(std::move(s)); }

TEST(JournalFormat, NumbersAndBooleans) {
    EXPECT_EQ(rendered(std::int32_t{0}), "0");
    EXPECT_EQ(rendered(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(rendered(std::numeric_limits<std::int32_t>::max()), "2147483647");
    EXPECT_EQ(rendered(std::uint8_t{255}), "255");
    EXPECT_EQ(rendered(std::uint8_t{0}), "0");
    EXPECT_EQ(rendered(true), "true");
    EXPECT_EQ(rendered(false), "false");
    EXPECT_EQ(rendered(IntPtr(-1)), "-1");
    EXPECT_EQ(rendered(IntPtr(std::numeric_limits<std::intptr_t>::min())),
              std::to_string(std::numeric_limits<std::intptr_t>::min()));
}

TEST(JournalFormat, FloatsAreTheShortestTextThatReadsBack) {
    const std::pair<float, const char*> cases[] = {
        {9.0F, "9"},       {10.5F, "10.5"},  {0.1F, "0.1"}, {-2.25F, "-2.25"},
        {1e-45F, "1e-45"}, {3e38F, "3e+38"}, {-0.0F, "-0"}, {16777216.0F, "16777216"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(rendered(value), expected) << value;
        EXPECT_EQ(std::strtof(rendered(value).c_str(), nullptr), value) << "reads back";
    }
}

TEST(JournalFormat, StringsAreQuotedEscapedUtf8) {
    EXPECT_EQ(rendered(ComponentString()), "null");
    EXPECT_EQ(rendered(text(u"")), "\"\"");
    EXPECT_EQ(rendered(text(u"plain text")), "\"plain text\"");
    EXPECT_EQ(rendered(text(u"a\\b\"c\td\ne\rf")), R"("a\\b\"c\td\ne\rf")");
    EXPECT_EQ(rendered(text(std::u16string(u"x\0y", 3))), R"("x\0y")");
    EXPECT_EQ(rendered(text(u"\u00e9\u20ac")), "\"\xC3\xA9\xE2\x82\xAC\"");
    EXPECT_EQ(rendered(text(u"\U0001F600")), "\"\xF0\x9F\x98\x80\"") << "a surrogate pair";
    EXPECT_EQ(rendered(text(std::u16string{u'a', char16_t(0xD800), u'b', char16_t(0xDC00)})),
              "\"a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD\"")
        << "unpaired surrogates";
}

TEST(JournalFormat, GenericValues) {
    EXPECT_EQ(rendered(Value()), "null");
    EXPECT_EQ(rendered(Value::FromInt32(-3)), "int32:-3");
    EXPECT_EQ(rendered(Value::FromIntPtr(IntPtr(-1))), "intptr:-1");
    EXPECT_EQ(rendered(Value::FromString(text(u"k\"1"))), R"("k\"1")");
    EXPECT_EQ(rendered(Value::FromString(ComponentString())), "null");
}

TEST(JournalFormat, BoundsAndRows) {
    EXPECT_EQ(rendered(BoundsRect{-5, 7, 100, 0}), "-5,7,100,0");

    RowInfoRecord empty;
    empty.fontSize = 9.0F;
    EXPECT_EQ(rendered(empty), "{null,9,0,[]}");

    RowInfoRecord row;
    row.fontName = text(u"Segoe UI");
    row.fontSize = 10.5F;
    row.nodeTag = IntPtr(-1);
    row.cells.push_back({text(u"v1"), -1, 255, 3, text(u"shown\t1")});
    row.cells.push_back({ComponentString(), 0, 0, 0, text(u"")});
    EXPECT_EQ(rendered(row),
              R"({"Segoe UI",10.5,-1,[{"v1",-1,255,3,"shown\t1"},{null,0,0,0,""}]})");
}

TEST(JournalFormat, LinesSeparateFieldsWithTabs) {
    Journal::Line withResult("GetColumnWidth");
    withResult.Argument(std::int32_t{2}).Result(std::int32_t{70});
    EXPECT_EQ(withResult.Text(), "GetColumnWidth\t2\t=> 70");

    Journal::Line failed("RemoveNode");
    failed.Argument(std::int32_t{9}).Failure("no node 9\n\"really\"");
    EXPECT_EQ(failed.Text(), "RemoveNode\t9\t!> \"no node 9\\n\\\"really\\\"\"");

    EXPECT_EQ(Journal::Line("ClearNodes").Text(), "ClearNodes");
}

} // namespace
