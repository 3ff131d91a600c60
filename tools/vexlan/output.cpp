// Text tables and JSON.
#include "output.h"

#include <algorithm>
#include <cstdio>

namespace vexlan::tool {

void printTable(std::ostream& out, const Row& header, const std::vector<Row>& rows) {
    std::vector<std::size_t> widths(header.size(), 0);
    auto measure = [&](const Row& row) {
        for (std::size_t column = 0; column < row.size() && column < widths.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    };
    measure(header);
    for (const Row& row : rows)
        measure(row);

    auto print = [&](const Row& row) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            const bool last = column + 1 == row.size();
            out << row[column];
            if (!last) out << std::string(widths[column] - row[column].size() + 2, ' ');
        }
        out << '\n';
    };
    print(header);
    for (const Row& row : rows)
        print(row);
}

namespace {

// Length of the valid UTF-8 sequence starting at `at`, or 0 when the bytes
// there form none (overlong forms and surrogates included).
std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

std::string unicodeEscape(unsigned int code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    return escape;
}

} // namespace

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (c >= 0x80) {
            if (const std::size_t length = utf8Length(text, at); length != 0) {
                quoted.append(text, at, length);
                at += length;
            } else {
                quoted += unicodeEscape(c); // the byte as a Latin-1 character
                ++at;
            }
            continue;
        }
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F)
                quoted += unicodeEscape(c);
            else
                quoted += static_cast<char>(c);
        }
        ++at;
    }
    return quoted + '"';
}

void JsonWriter::beforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasItems.empty()) return;
    if (m_hasItems.back()) m_out << ',';
    m_hasItems.back() = true;
    m_out << '\n' << std::string(2 * m_hasItems.size(), ' ');
}

void JsonWriter::open(char bracket) {
    beforeValue();
    m_out << bracket;
    m_hasItems.push_back(false);
}

void JsonWriter::close(char bracket) {
    const bool hadItems = m_hasItems.back();
    m_hasItems.pop_back();
    if (hadItems) m_out << '\n' << std::string(2 * m_hasItems.size(), ' ');
    m_out << bracket;
    if (m_hasItems.empty()) m_out << '\n'; // the document is complete
}

JsonWriter& JsonWriter::beginObject() {
    open('{');
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    close('}');
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    open('[');
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    close(']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    m_out << jsonString(name) << ": ";
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    m_out << jsonString(text);
    return *this;
}

JsonWriter& JsonWriter::value(int number) {
    beforeValue();
    m_out << number;
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    m_out << (flag ? "true" : "false");
    return *this;
}

} // namespace vexlan::tool
