// vexlan import and vexlan export.
#include "commands.h"
#include "files.h"
#include "formats.h"
#include "option_set.h"
#include "progress.h"
#include "tool_error.h"
#include "tool_platform.h"
#include "vexlan_library.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace vexlan::tool {

namespace {

// The words of one direction, for messages.
struct Direction {
    const char* verb;  // "import"
    const char* done;  // "imported"
    const char* doing; // "importing"
    bool reader;       // the option-file direction that fits
};

constexpr Direction kImport{"import", "imported", "importing", true};
constexpr Direction kExport{"export", "exported", "exporting", false};

// Files that must differ: writing one must never destroy another.
void checkDistinctFiles(const Direction& direction, const ConversionRequest& request) {
    struct Pair {
        const std::string& written;
        const char* writtenRole;
        const std::string& other;
        const char* otherRole;
    };
    const Pair pairs[] = {
        {request.output, "OUT", request.input, "IN"},
        {request.log, "the log", request.input, "IN"},
        {request.log, "the log", request.output, "OUT"},
        {request.output, "OUT", request.options, "the option file"},
        {request.log, "the log", request.options, "the option file"},
    };
    for (const Pair& pair : pairs)
        if (!pair.written.empty() && !pair.other.empty() && sameFile(pair.written, pair.other))
            throw ToolError(kUsage, std::string(direction.verb) + ": " + pair.writtenRole +
                                        " and " + pair.otherRole + " are the same file (" +
                                        pair.written + ")");
}

int chooseFormat(const VexlanFunctionTable& table, const Direction& direction,
                 const ConversionRequest& request) {
    const std::string& cadFile = request.import ? request.input : request.output;
    if (!request.format.empty()) return requireFormatByName(table, request.format);
    const int format = formatOfFile(table, cadFile);
    if (format == VX_UNKNOWN)
        throw ToolError(kUsage, std::string(direction.verb) + ": cannot tell the format of " +
                                    cadFile + " from its name; name it with --format (one of: " +
                                    formatNameList(table) + ")");
    return format;
}

// The option file must be readable, name a known format and have a master
// options file behind it; otherwise the library would quietly apply nothing.
void checkOptionFile(const Context& context, const VexlanFunctionTable& table,
                     const Direction& direction, const ConversionRequest& request, int format) {
    requireReadableFile(request.options, "option file");
    requireMasterFile(context.topdir, context.toolDir);
    const OptionFileType type = knownOptionFileType(
        table, request.options, " (such as [IGES-R]); none of its options would be applied");
    if (type.format != format || type.reader != direction.reader)
        context.err << "vexlan: warning: " << request.options << " holds " << type.formatName << ' '
                    << directionName(type.reader) << " options, but this " << direction.verb << ' '
                    << (direction.reader ? "reads " : "writes ") << formatName(table, format)
                    << "; they are applied as they are\n";
}

// After a conversion that did not finish: an output file that this run
// created is incomplete, so it goes; one that was there before is left.
std::string dealWithOutput(const std::string& output, bool existedBefore) {
    if (!fileExists(output)) return {};
    if (existedBefore) return "; " + output + " existed before and may now be incomplete";
    std::error_code error;
    std::filesystem::remove(output, error);
    return error ? "; the incomplete " + output + " could not be removed: " + error.message()
                 : "; the incomplete output was removed";
}

} // namespace

int runConversion(const Context& context, const ConversionRequest& request) {
    const Direction& direction = request.import ? kImport : kExport;
    checkDistinctFiles(direction, request);

    const VexlanLibrary library(context.libraryFile, context.toolDir);
    const VexlanFunctionTable& table = library.table();
    const int format = chooseFormat(table, direction, request);

    requireReadableFile(request.input, "IN");
    requireFolderFor(request.output, "OUT");
    if (!request.log.empty()) requireFolderFor(request.log, "the log");
    if (!request.options.empty()) checkOptionFile(context, table, direction, request, format);

    // The library hands these to the translator as char*.
    std::string input = request.input;
    std::string output = request.output;
    std::string options = request.options;
    std::string log = request.log;
    const bool outputExisted = fileExists(request.output);

    table.VxSetProgressCallback(reinterpret_cast<void*>(&reportProgress));
    int result;
    bool interrupted;
    {
        const std::string label = std::string(direction.doing) + ' ' +
                                  std::filesystem::path(request.input).filename().string();
        ConversionWatch watch(label, isTerminal(stderr) ? stderr : nullptr);
        result = request.import
                     ? table.VxConvertToParasolid(input.data(), format, output.data(),
                                                  options.data(), log.data(), request.hidden)
                     : table.VxConvertFromParasolid(input.data(), output.data(), format,
                                                    options.data(), log.data());
        interrupted = watch.interrupted();
    }

    const std::string cadName = formatName(table, format);
    const std::string inName = request.import ? cadName : "Parasolid";
    const std::string outName = request.import ? "Parasolid" : cadName;
    if (result == 1) {
        context.out << direction.done << ' ' << request.input << " (" << inName << ") into "
                    << request.output << " (" << outName << ")\n";
        if (!request.log.empty()) context.out << "log: " << request.log << '\n';
        return kSuccess;
    }

    const std::string aftermath = dealWithOutput(request.output, outputExisted);
    if (result == -1)
        throw ToolError(kStopped,
                        std::string(direction.verb) + " of " + request.input + " stopped" +
                            (interrupted ? " by Ctrl-C" : " by the translator") + aftermath);
    const std::string hint = request.log.empty() ? "; run it again with --log FILE to see why"
                                                 : "; see the log " + request.log;
    throw ToolError(kFailed, std::string(direction.verb) + " of " + request.input + " (" + inName +
                                 ") into " + outName + " failed" + hint + aftermath);
}

} // namespace vexlan::tool
