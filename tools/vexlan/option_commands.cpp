// vexlan options and vexlan opt-type.
#include "commands.h"
#include "files.h"
#include "formats.h"
#include "option_set.h"
#include "output.h"
#include "tool_error.h"
#include "vexlan_library.h"

namespace vexlan::tool {

namespace {

// One of: FORMAT with exactly one of --reader and --writer, or --file alone.
void checkRequest(const OptionsRequest& request) {
    if (!request.file.empty()) {
        if (!request.format.empty() || request.reader || request.writer)
            throw ToolError(kUsage, "options: --file takes neither a FORMAT nor --reader/--writer; "
                                    "the option file's header names them");
        return;
    }
    if (request.format.empty())
        throw ToolError(kUsage,
                        "options: give a FORMAT with --reader or --writer, or --file USER.opt");
    if (request.reader == request.writer)
        throw ToolError(kUsage, "options: give exactly one of --reader and --writer");
}

// The header of a readable user option file, which must name a known format.
OptionFileType readOptionFileType(const VexlanFunctionTable& table, const std::string& file) {
    requireReadableFile(file, "option file");
    return knownOptionFileType(
        table, file, " (such as [IGES-R] or [STEP-W]); known formats: " + formatNameList(table));
}

void printJson(std::ostream& out, const VexlanFunctionTable& table, const OptionSet& set,
               const std::string& source, const OptionSet* defaults) {
    JsonWriter writer(out);
    writer.beginObject();
    writer.key("format").value(formatName(table, set.format));
    writer.key("number").value(set.format);
    writer.key("direction").value(directionName(set.reader));
    writer.key("source").value(source);
    writer.key("options").beginArray();
    for (std::size_t i = 0; i < set.options.size(); ++i) {
        const Option& option = set.options[i];
        writer.beginObject();
        writer.key("name").value(option.name);
        writer.key("value").value(option.value);
        if (defaults != nullptr && i < defaults->options.size())
            writer.key("default").value(defaults->options[i].value);
        writer.key("detail").value(option.detail);
        writer.endObject();
    }
    writer.endArray();
    writer.endObject();
}

// Values that differ from `defaults` are marked with '*'.
void printText(std::ostream& out, const VexlanFunctionTable& table, const OptionSet& set,
               const std::string& source, const OptionSet* defaults) {
    out << formatName(table, set.format) << ' ' << directionName(set.reader) << " options ("
        << set.options.size() << ") from " << source << '\n';
    if (set.options.empty()) return;

    bool anyChanged = false;
    std::vector<Row> rows;
    for (std::size_t i = 0; i < set.options.size(); ++i) {
        const Option& option = set.options[i];
        const bool changed = defaults != nullptr && i < defaults->options.size() &&
                             defaults->options[i].value != option.value;
        anyChanged = anyChanged || changed;
        rows.push_back({option.name, option.value + (changed ? " *" : ""), option.detail});
    }
    printTable(out, {"name", "value", "detail"}, rows);
    if (anyChanged) out << "* set by the option file; the master options file says otherwise\n";
}

} // namespace

int runOptions(const Context& context, const OptionsRequest& request) {
    checkRequest(request);
    const VexlanLibrary library(context.libraryFile, context.toolDir);
    const VexlanFunctionTable& table = library.table();
    const std::string master = masterFileOf(context.topdir.value).string();

    if (request.file.empty()) {
        const int format = requireFormatByName(table, request.format);
        requireMasterFile(context.topdir, context.toolDir);
        const OptionSet set = masterOptions(table, format, request.reader);
        if (request.json)
            printJson(context.out, table, set, master, nullptr);
        else
            printText(context.out, table, set, "the master options file " + master, nullptr);
        return kSuccess;
    }

    readOptionFileType(table, request.file);
    requireMasterFile(context.topdir, context.toolDir);
    const OptionSet set = fileOptions(table, request.file);
    const OptionSet defaults = masterOptions(table, set.format, set.reader);
    if (request.json)
        printJson(context.out, table, set, request.file, &defaults);
    else
        printText(context.out, table, set, request.file, &defaults);
    return kSuccess;
}

int runOptionFileType(const Context& context, const std::string& file, bool json) {
    const VexlanLibrary library(context.libraryFile, context.toolDir);
    const OptionFileType type = readOptionFileType(library.table(), file);
    if (json) {
        JsonWriter writer(context.out);
        writer.beginObject();
        writer.key("file").value(file);
        writer.key("format").value(type.formatName);
        writer.key("number").value(type.format);
        writer.key("direction").value(directionName(type.reader));
        writer.endObject();
    } else {
        context.out << file << ": " << type.formatName << ' ' << directionName(type.reader) << '\n';
    }
    return kSuccess;
}

} // namespace vexlan::tool
