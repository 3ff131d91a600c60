// The tool's two kinds of output: aligned text tables for people and JSON
// for programs.
#ifndef VEXLAN_TOOL_OUTPUT_H
#define VEXLAN_TOOL_OUTPUT_H

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vexlan::tool {

using Row = std::vector<std::string>;

// Prints `header` and `rows` as columns two blanks apart. The last column
// is not padded, so long texts there do not push anything out of line.
void printTable(std::ostream& out, const Row& header, const std::vector<Row>& rows);

// `text` as a JSON string, quotes included. Texts from the library are 8-bit:
// valid UTF-8 passes through, any other byte is read as Latin-1, so every
// output is valid JSON.
std::string jsonString(std::string_view text);

// Writes one JSON document, indented by two blanks a level and ended by a
// line break. Commas and nesting are kept by the writer; the caller only says
// what comes next.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(int number);
    JsonWriter& value(bool flag);

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);

    std::ostream& m_out;
    std::vector<bool> m_hasItems; // one entry per open object or array
    bool m_afterKey = false;
};

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_OUTPUT_H
