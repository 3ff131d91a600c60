// The tool's text tables and JSON.
#include "output.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using vexlan::tool::jsonString;
using vexlan::tool::JsonWriter;
using vexlan::tool::printTable;

TEST(JsonString, EscapesWhatJsonForbidsAndKeepsEveryOutputValidUtf8) {
    const struct {
        std::string text;
        std::string json;
    } cases[] = {
        {"plain text", "\"plain text\""},
        {"", "\"\""},
        {"a \"quoted\" \\ path", R"("a \"quoted\" \\ path")"},
        {"line\nbreak\r\ttab", R"("line\nbreak\r\ttab")"},
        {std::string("nul\0x", 5), R"("nul\u0000x")"},
        {"\x01\x1f\x7f", R"("\u0001\u001f\u007f")"},
        // valid UTF-8 passes through: 2, 3 and 4 bytes
        {"Gr\xc3\xb6\xc3\x9f"
         "e \xe2\x82\xac \xf0\x9f\x94\xa7",
         "\"Gr\xc3\xb6\xc3\x9f"
         "e \xe2\x82\xac \xf0\x9f\x94\xa7\""},
        // other bytes are Latin-1 characters
        {"Gr\xf6\xdf"
         "e",
         R"("Gr\u00f6\u00dfe")"},
        {"cut \xe2\x82", R"("cut \u00e2\u0082")"},             // sequence cut short at the end
        {"\xc0\x80", R"("\u00c0\u0080")"},                     // overlong form of NUL
        {"\xed\xa0\x80", R"("\u00ed\u00a0\u0080")"},           // a surrogate
        {"\xf4\x90\x80\x80", R"("\u00f4\u0090\u0080\u0080")"}, // beyond U+10FFFF
        {"\xe2(\xa1", R"("\u00e2(\u00a1")"},                   // a lead byte without its followers
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_EQ(jsonString(c.text), c.json);
    }
}

TEST(JsonWriter, PutsCommasAndIndentationWhereTheyBelong) {
    std::ostringstream out;
    JsonWriter writer(out);
    writer.beginObject();
    writer.key("name").value("IGES");
    writer.key("number").value(2);
    writer.key("reader").value(true);
    writer.key("none").beginArray().endArray();
    writer.key("empty").beginObject().endObject();
    writer.key("list").beginArray();
    writer.beginObject().key("a").value(false).endObject();
    writer.value("x");
    writer.endArray();
    writer.endObject();

    EXPECT_EQ(out.str(), "{\n"
                         "  \"name\": \"IGES\",\n"
                         "  \"number\": 2,\n"
                         "  \"reader\": true,\n"
                         "  \"none\": [],\n"
                         "  \"empty\": {},\n"
                         "  \"list\": [\n"
                         "    {\n"
                         "      \"a\": false\n"
                         "    },\n"
                         "    \"x\"\n"
                         "  ]\n"
                         "}\n");
}

TEST(PrintTable, AlignsColumnsToTheirWidestCellAndLeavesTheLastUnpadded) {
    std::ostringstream out;
    printTable(out, {"no.", "format", "filter"},
               {{"2", "IGES", "IGES Files (*.igs;*.iges)"}, {"10", "SolidWorks", ""}});
    EXPECT_EQ(out.str(), "no.  format      filter\n"
                         "2    IGES        IGES Files (*.igs;*.iges)\n"
                         "10   SolidWorks  \n");
}

} // namespace
