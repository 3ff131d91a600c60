#include "text_export.h"

#include "utf16_text.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace ArborkitLib {

namespace {

void appendField(std::string& out, std::u16string_view text) {
    Utf16Text::ForEachCodePoint(text, [&](char32_t c) {
        const bool breaksTheLine = c == U'\t' || c == U'\n' || c == U'\r' || c == U'\0';
        Utf16Text::AppendUtf8(out, breaksTheLine ? U' ' : c);
    });
}

} // namespace

std::string ExportText(const NodeTree& nodes, const ColumnSet& columns) {
    const std::vector<std::int32_t>& shownColumns = columns.VisibleOrder();
    std::string out;
    for (std::size_t i = 0; i < shownColumns.size(); ++i) {
        if (i != 0) out += '\t';
        appendField(out, columns.Get(shownColumns[i]).HeaderText());
    }
    out += '\n';
    for (std::int32_t node : nodes.Visible()) {
        out.append(static_cast<std::size_t>(nodes.Level(node)) * 2, ' ');
        const RowContent& content = nodes.Get(node).content;
        for (std::size_t i = 0; i < shownColumns.size(); ++i) {
            if (i != 0) out += '\t';
            appendField(out, content.CellOrEmpty(shownColumns[i]).ShownText());
        }
        out += '\n';
    }
    return out;
}

void WriteExportFile(const std::u16string& fileName, const std::string& text) {
    const std::string shownName = Utf16Text::ToUtf8(fileName);
    const auto fail = [&](const std::string& why) {
        throw ComponentError("cannot write the export file \"" + shownName + "\": " + why);
    };
    if (fileName.empty()) fail("the file name is empty");
    if (fileName.find(u'\0') != std::u16string::npos) fail("the file name holds a NUL");

    std::filesystem::path target;
    try {
        target = std::filesystem::path(fileName);
    } catch (const std::exception& error) {
        fail(std::string("the file name cannot be used here (") + error.what() + ")");
    }
    std::filesystem::path partial = target;
    partial += ".partial";
    // Once created, the partial file never outlives a failure.
    const auto failRemovingPartial = [&](const std::string& why) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        fail(why);
    };

    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) fail("it cannot be created");
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) failRemovingPartial("writing it failed");
    }
    std::error_code error;
    std::filesystem::rename(partial, target, error);
    if (error) failRemovingPartial(error.message());
}

} // namespace ArborkitLib
