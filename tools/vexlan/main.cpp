// vexlan: CAD translation on the command line.
//
// A host of the Vexlan library, like the host application: it loads the
// library at run time, enters it through vexlan_entry_point and works only
// through the function table (and Vexlan_version for its version).
#include "commands.h"
#include "layout.h"
#include "tool_error.h"
#include "tool_platform.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <iostream>

namespace {

using namespace vexlan::tool;

constexpr const char* kFooter =
    "Exit codes: 0 success; 1 failure (a conversion, a file, the library or the set-up);\n"
    "2 usage error; 3 conversion stopped (Ctrl-C or the translator).\n"
    "\n"
    "The tool finds the library and the master options file in its own installation\n"
    "(<prefix>/bin/vexlan, <prefix>/lib, <prefix>/share/vexlan/res/OptionsMaster.opt).\n"
    "Environment: topdir  the folder holding vexlan/res/OptionsMaster.opt, with a\n"
    "                     trailing slash (overridden by --topdir);\n"
    "             VEXLAN_LIBRARY  the library file to load (overridden by --library).";

// The options of the whole tool, given before or after the sub-command.
struct GlobalOptions {
    std::string library;
    std::string topdir;
};

// The sub-commands and their arguments; parsing fills them, then the one
// that was chosen runs.
struct CommandLine {
    GlobalOptions global;
    bool json = false;
    std::vector<std::string> files;
    std::string optionFile;
    OptionsRequest options;
    ConversionRequest conversion;
    std::function<int(const Context&)> run;
};

void addJsonFlag(CLI::App& command, bool& json) {
    command.add_flag("--json", json, "Print machine-readable JSON");
}

void addConversion(CLI::App& app, CommandLine& line, bool import) {
    CLI::App* command =
        import ? app.add_subcommand("import", "Convert a CAD file into a Parasolid file")
               : app.add_subcommand("export", "Convert a Parasolid file into a CAD file");
    ConversionRequest& request = line.conversion;
    command
        ->add_option("IN", request.input,
                     import ? "The CAD file to read" : "The Parasolid file to read")
        ->required();
    command
        ->add_option("OUT", request.output,
                     import ? "The Parasolid file to write" : "The CAD file to write")
        ->required();
    command->add_option("--format", request.format,
                        std::string("Format of the CAD file (default: judged by the name of ") +
                            (import ? "IN" : "OUT") + "); see 'vexlan formats'");
    command->add_option("--options", request.options, "User option file to apply");
    command->add_option("--log", request.log, "Write the translator's log to this file");
    if (import) command->add_flag("--hidden", request.hidden, "Translate hidden entities too");
    command->callback([&line, import] {
        line.conversion.import = import;
        line.run = [&line](const Context& context) {
            return runConversion(context, line.conversion);
        };
    });
}

void defineCommands(CLI::App& app, CommandLine& line) {
    app.add_option("--library", line.global.library, "The Vexlan library file to load")
        ->envname("VEXLAN_LIBRARY");
    app.add_option("--topdir", line.global.topdir,
                   "Folder holding vexlan/res/OptionsMaster.opt (default: the \"topdir\" variable, "
                   "else the tool's installation)");

    CLI::App* formats = app.add_subcommand(
        "formats", "List the formats of the catalogue: number, name, host name and file filter");
    addJsonFlag(*formats, line.json);
    formats->callback([&line] {
        line.run = [&line](const Context& context) { return runFormats(context, line.json); };
    });

    CLI::App* detect = app.add_subcommand(
        "detect", "Tell the format of each file by its name (the files are not opened)");
    detect->add_option("FILE", line.files, "File names")->required();
    addJsonFlag(*detect, line.json);
    detect->callback([&line] {
        line.run = [&line](const Context& context) {
            return runDetect(context, line.files, line.json);
        };
    });

    CLI::App* options = app.add_subcommand(
        "options", "Show an option set: of a FORMAT and direction from the master options file, "
                   "or of a user option file");
    options->add_option("FORMAT", line.options.format, "Format name, such as IGES or stp");
    options->add_flag("--reader", line.options.reader, "Options for reading FORMAT");
    options->add_flag("--writer", line.options.writer, "Options for writing FORMAT");
    options->add_option("--file", line.options.file, "User option file to show instead");
    addJsonFlag(*options, line.options.json);
    options->callback([&line] {
        line.run = [&line](const Context& context) { return runOptions(context, line.options); };
    });

    CLI::App* optType = app.add_subcommand(
        "opt-type", "Tell the format and direction that a user option file is for");
    optType->add_option("USER.opt", line.optionFile, "User option file")->required();
    addJsonFlag(*optType, line.json);
    optType->callback([&line] {
        line.run = [&line](const Context& context) {
            return runOptionFileType(context, line.optionFile, line.json);
        };
    });

    addConversion(app, line, true);
    addConversion(app, line, false);

    CLI::App* version =
        app.add_subcommand("version", "Show the library's release and build information");
    version->callback([&line] { line.run = runVersion; });
}

// One line on what is wrong, and where to read the usage.
int reportUsageError(CLI::App& app, const CLI::ParseError& error) {
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    const std::vector<std::string> rest = app.remaining();
    std::string message = error.what();
    if (chosen.empty() && !rest.empty() && rest.front().rfind('-', 0) != 0)
        message = "unknown command \"" + rest.front() + "\"";
    const std::string help =
        chosen.empty() ? "vexlan --help" : "vexlan " + chosen.front()->get_name() + " --help";
    std::cerr << "vexlan: " << message << "\nRun '" << help << "' for usage.\n";
    return kUsage;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app("vexlan: CAD translation on the command line, through the Vexlan library",
                 "vexlan");
    app.footer(kFooter);
    app.fallthrough();
    CommandLine line;
    defineCommands(app, line);
    // After the sub-commands exist: they would inherit it and each demand
    // one of their own.
    app.require_subcommand(1);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error); // --help
        return reportUsageError(app, error);
    }

    try {
        const std::filesystem::path toolDir = executablePath().parent_path();
        const Topdir topdir = chooseTopdir(app.count("--topdir") > 0, line.global.topdir,
                                           std::getenv("topdir"), toolDir);
        if (topdir.source != TopdirSource::None) setEnvironment("topdir", topdir.value);

        const Context context{toolDir, line.global.library, topdir, std::cout, std::cerr};
        const int code = line.run(context);
        // An answer that never arrived is no success (a full disk, a closed pipe).
        if (!std::cout.flush() || std::fflush(stdout) != 0)
            throw ToolError(kFailed, "cannot write to standard output");
        return code;
    } catch (const ToolError& error) {
        std::cout.flush();
        std::cerr << "vexlan: " << error.what() << '\n';
        return error.code();
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "vexlan: unexpected failure: " << error.what() << '\n';
        return kFailed;
    }
}
