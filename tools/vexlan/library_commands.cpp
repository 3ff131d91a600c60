// vexlan formats, vexlan detect and vexlan version.
#include "commands.h"
#include "formats.h"
#include "output.h"
#include "tool_error.h"
#include "vexlan_library.h"

namespace vexlan::tool {

int runFormats(const Context& context, bool json) {
    const VexlanLibrary library(context.libraryFile, context.toolDir);
    const std::vector<Format> formats = knownFormats(library.table());

    if (json) {
        JsonWriter writer(context.out);
        writer.beginArray();
        for (const Format& format : formats) {
            writer.beginObject();
            writer.key("number").value(format.number);
            writer.key("name").value(format.name);
            writer.key("hostName").value(format.hostName);
            writer.key("filter").value(format.filter);
            writer.endObject();
        }
        writer.endArray();
        return kSuccess;
    }
    std::vector<Row> rows;
    for (const Format& format : formats)
        rows.push_back(
            {std::to_string(format.number), format.name, format.hostName, format.filter});
    printTable(context.out, {"no.", "format", "host name", "filter"}, rows);
    return kSuccess;
}

int runDetect(const Context& context, const std::vector<std::string>& files, bool json) {
    const VexlanLibrary library(context.libraryFile, context.toolDir);
    const VexlanFunctionTable& table = library.table();

    if (json) {
        JsonWriter writer(context.out);
        writer.beginArray();
        for (const std::string& file : files) {
            const int number = formatOfFile(table, file);
            writer.beginObject();
            writer.key("file").value(file);
            writer.key("number").value(number);
            writer.key("name").value(formatName(table, number));
            writer.endObject();
        }
        writer.endArray();
        return kSuccess;
    }
    std::vector<Row> rows;
    for (const std::string& file : files) {
        const int number = formatOfFile(table, file);
        const std::string name = formatName(table, number);
        rows.push_back({file, std::to_string(number), name.empty() ? "(unknown)" : name});
    }
    printTable(context.out, {"file", "no.", "format"}, rows);
    return kSuccess;
}

int runVersion(const Context& context) {
    const VexlanLibrary library(context.libraryFile, context.toolDir);
    context.out.flush();
    const std::string release = library.printVersion();
    context.out << "Vexlan " << release << " (" << library.file() << ")\n";
    return kSuccess;
}

} // namespace vexlan::tool
