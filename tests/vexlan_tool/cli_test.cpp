// The built vexlan tool, run as a user runs it, on the shipped samples: its
// output, the files it writes and its exit codes. Every case runs in its own
// process (ctest) and its own work folder.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;

using test_support::readFile;
using test_support::setEnvironment;
using test_support::unsetEnvironment;

// ---------------------------------------------------------------------------
// The harness's seam to the platform: running a command.

std::string quoted(const std::string& argument) {
#if defined(_WIN32)
    return '"' + argument + '"';
#else
    std::string text = "'";
    for (char c : argument)
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
#endif
}

// The command line as the shell that std::system starts needs it. cmd.exe
// drops the first and the last quote of a line that starts with one.
std::string forShell(const std::string& command) {
#if defined(_WIN32)
    return '"' + command + '"';
#else
    return command;
#endif
}

int exitCodeOf(int status) {
#if defined(_WIN32)
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
#endif
}

// ---------------------------------------------------------------------------

// What a program wrote to its standard output or error, with the line ends
// of Windows' text mode ("\r\n") read as "\n".
std::string consoleText(std::string text) {
    std::string::size_type at = 0;
    while ((at = text.find("\r\n", at)) != std::string::npos)
        text.erase(at, 1);
    return text;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

std::ostream& operator<<(std::ostream& stream, const Outcome& run) {
    return stream << "exit " << run.exitCode << "\n--- stdout\n"
                  << run.out << "--- stderr\n"
                  << run.err;
}

// A work folder with copies of the samples; the tool runs on those copies.
class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        // Only what a case sets itself may steer the tool.
        for (const char* name :
             {"topdir", "VEXLAN_LIBRARY", "SPAX_STANDIN_CONVERT_RESULT", "SPAX_STANDIN_THROW",
              "SPAX_STANDIN_JOURNAL", "SLVCORE_MESSAGE_LOG"})
            unsetEnvironment(name);
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        work = fs::temp_directory_path() / (std::string("vexlan-cli-") + test->name());
        fs::remove_all(work);
        fs::create_directories(work / "out");
        for (const auto& sample : fs::directory_iterator(VEXLAN_SAMPLES_DIR))
            fs::copy_file(sample.path(), work / sample.path().filename());
        // Short names in a command are names in the work folder.
        fs::current_path(work);
    }
    void TearDown() override {
        fs::current_path(work.parent_path());
        if (!HasFailure()) fs::remove_all(work);
    }

    // Runs `tool` (the built vexlan by default) with `arguments`.
    Outcome run(const std::vector<std::string>& arguments, const fs::path& tool = VEXLAN_TOOL) {
        std::string command = quoted(tool.string());
        for (const std::string& argument : arguments)
            command += ' ' + quoted(argument);
        const fs::path out = work / "stdout.txt";
        const fs::path err = work / "stderr.txt";
        command += " >" + quoted(out.string()) + " 2>" + quoted(err.string());
        const int status = std::system(forShell(command).c_str());
        return {exitCodeOf(status), consoleText(readFile(out.string())),
                consoleText(readFile(err.string()))};
    }

    std::string at(const std::string& name) const { return (work / name).string(); }

    // A copy of the tool alone in <work>/lonely/bin: no library and no
    // master options file in its installation.
    fs::path lonelyTool() const {
        const fs::path bin = work / "lonely" / "bin";
        fs::create_directories(bin);
        const fs::path tool = bin / fs::path(VEXLAN_TOOL).filename();
        fs::copy_file(VEXLAN_TOOL, tool);
        return tool;
    }

    fs::path work;
};

// ---------------------------------------------------------------------------
// Questions to the catalogue and the options

TEST_F(Cli, FormatsListsTheCatalogue) {
    const Outcome text = run({"formats"});
    ASSERT_EQ(text.exitCode, 0) << text;
    EXPECT_EQ(text.err, "");
    for (const char* row : {"0    CATIAV4     catiav4      CATIAV4 Files (*.model;*.exp;*.session)",
                            "2    IGES        igs          IGES Files (*.igs;*.iges)",
                            "10   UG          unigraphics  UG Files (*.prt)",
                            "11   VDA         vda          VDA Files (*.vda)"})
        EXPECT_TRUE(contains(text.out, row)) << row << '\n' << text;
    EXPECT_FALSE(contains(text.out, "\n12 "));

    const Outcome json = run({"formats", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json;
    EXPECT_TRUE(contains(json.out, "\"number\": 9,\n    \"name\": \"STEP\",\n    \"hostName\": "
                                   "\"stp\",\n    \"filter\": \"STEP Files (*.stp;*.step)\""))
        << json;
    EXPECT_EQ(json.out.front(), '[');
    EXPECT_EQ(json.out.substr(json.out.size() - 2), "]\n");
}

TEST_F(Cli, DetectJudgesEachNameWithoutOpeningIt) {
    const Outcome text = run({"detect", "bracket.igs", "C:\\models\\wheel.CATPart", "gear.prt.3",
                              "never/there.x_b", "notes.txt"});
    ASSERT_EQ(text.exitCode, 0) << text;
    for (const char* row :
         {"bracket.igs              2    IGES\n", "C:\\models\\wheel.CATPart  1    CATIAV5\n",
          "gear.prt.3               7    ProE\n", "never/there.x_b          6    Parasolid\n",
          "notes.txt                12   (unknown)\n"})
        EXPECT_TRUE(contains(text.out, row)) << row << '\n' << text;

    const Outcome json = run({"detect", "--json", "housing.stp"});
    ASSERT_EQ(json.exitCode, 0) << json;
    EXPECT_EQ(json.out, "[\n  {\n    \"file\": \"housing.stp\",\n    \"number\": 9,\n    \"name\": "
                        "\"STEP\"\n  }\n]\n");
}

TEST_F(Cli, OptionsShowsTheMasterSetOfAFormatByAnyOfItsNames) {
    const Outcome byName = run({"options", "IGES", "--reader"});
    ASSERT_EQ(byName.exitCode, 0) << byName;
    EXPECT_TRUE(contains(byName.out, "IGES reader options (")) << byName;
    EXPECT_TRUE(contains(byName.out, "\nTolerance ")) << byName;
    EXPECT_TRUE(contains(byName.out, "Modelling tolerance in millimetres")) << byName;
    for (const char* alias : {"igs", "iges", "Iges"}) {
        const Outcome other = run({"options", alias, "--reader"});
        EXPECT_EQ(other.exitCode, 0) << alias;
        EXPECT_EQ(other.out, byName.out) << alias;
    }

    const Outcome writer = run({"options", "stp", "--writer", "--json"});
    ASSERT_EQ(writer.exitCode, 0) << writer;
    EXPECT_TRUE(contains(writer.out,
                         "\"format\": \"STEP\",\n  \"number\": 9,\n  \"direction\": \"writer\""))
        << writer;
    EXPECT_TRUE(contains(writer.out, "\"name\": \"WriteSchema\",\n      \"value\": \"AP214\""))
        << writer;
}

TEST_F(Cli, OptionsOfAUserFileMarkWhatTheFileChanged) {
    const Outcome text = run({"options", "--file", "bracket-import.opt"});
    ASSERT_EQ(text.exitCode, 0) << text;
    EXPECT_TRUE(contains(text.out, "IGES reader options (")) << text;
    EXPECT_TRUE(contains(text.out, "0.005 *")) << text;
    EXPECT_TRUE(contains(text.out, "* set by the option file")) << text;

    const Outcome json = run({"options", "--json", "--file", "bracket-import.opt"});
    ASSERT_EQ(json.exitCode, 0) << json;
    EXPECT_TRUE(contains(json.out, "\"name\": \"Tolerance\",\n      \"value\": \"0.005\",\n      "
                                   "\"default\": \"0.01\""))
        << json;
}

TEST_F(Cli, OptTypeTellsFormatAndDirection) {
    const struct {
        const char* file;
        const char* answer;
    } cases[] = {
        {"bracket-import.opt", "bracket-import.opt: IGES reader\n"},
        {"housing-export.opt", "housing-export.opt: STEP writer\n"},
    };
    for (const auto& c : cases) {
        const Outcome result = run({"opt-type", c.file});
        EXPECT_EQ(result.exitCode, 0) << result;
        EXPECT_EQ(result.out, c.answer);
    }
    const Outcome json = run({"opt-type", "--json", "housing-import.opt"});
    EXPECT_TRUE(
        contains(json.out, "\"format\": \"STEP\",\n  \"number\": 9,\n  \"direction\": \"reader\""))
        << json;
}

// ---------------------------------------------------------------------------
// Conversions

TEST_F(Cli, ImportAppliesTheOptionFileAndWritesTheLog) {
    const Outcome result = run({"import", at("bracket.igs"), at("out/bracket.x_t"), "--options",
                                at("bracket-import.opt"), "--log", at("out/bracket.log")});
    ASSERT_EQ(result.exitCode, 0) << result;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(contains(result.out, "imported " + at("bracket.igs") + " (IGES) into " +
                                         at("out/bracket.x_t") + " (Parasolid)"))
        << result;
    // the translator stand-in copies the model unchanged
    EXPECT_EQ(readFile((work / "out/bracket.x_t").string()),
              readFile((work / "bracket.igs").string()));
    const std::string log = readFile((work / "out/bracket.log").string());
    EXPECT_TRUE(contains(log, "Tolerance")) << log;
    EXPECT_TRUE(contains(log, "0.005")) << "the user's value reached the translator\n" << log;
}

TEST_F(Cli, RoundTripOfBothSamplesThroughParasolid) {
    struct Sample {
        const char* cad;
        const char* importOptions;
        const char* exportOptions;
        const char* back;
    };
    const Sample samples[] = {
        {"bracket.igs", "bracket-import.opt", "bracket-export.opt", "out/bracket-back.iges"},
        {"housing.stp", "housing-import.opt", "housing-export.opt", "out/housing-back.step"},
    };
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.cad);
        const Outcome in = run(
            {"import", at(sample.cad), at("out/model.x_t"), "--options", at(sample.importOptions)});
        ASSERT_EQ(in.exitCode, 0) << in;
        const Outcome out = run({"export", at("out/model.x_t"), at(sample.back), "--options",
                                 at(sample.exportOptions), "--log", at("out/export.log")});
        ASSERT_EQ(out.exitCode, 0) << out;
        EXPECT_EQ(readFile((work / sample.back).string()), readFile((work / sample.cad).string()));
    }
    EXPECT_TRUE(contains(readFile((work / "out/export.log").string()), "AP242"));
}

TEST_F(Cli, FormatOptionNamesTheFormatOfAnUnrevealingName) {
    fs::copy_file(work / "bracket.igs", work / "bracket.dat");
    const Outcome guessed = run({"import", at("bracket.dat"), at("out/b.x_t")});
    EXPECT_EQ(guessed.exitCode, 2) << guessed;
    EXPECT_TRUE(contains(guessed.err, "cannot tell the format of " + at("bracket.dat"))) << guessed;
    EXPECT_TRUE(contains(guessed.err, "--format")) << guessed;
    EXPECT_FALSE(fs::exists(work / "out/b.x_t"));

    const Outcome named = run({"import", at("bracket.dat"), at("out/b.x_t"), "--format", "iges"});
    EXPECT_EQ(named.exitCode, 0) << named;
    EXPECT_TRUE(contains(named.out, "(IGES)")) << named;

    // export judges the format by the name of OUT
    const Outcome exported = run({"export", at("out/b.x_t"), at("out/b.vda")});
    EXPECT_EQ(exported.exitCode, 0) << exported;
    EXPECT_TRUE(contains(exported.out, "(Parasolid) into " + at("out/b.vda") + " (VDA)"))
        << exported;
}

TEST_F(Cli, OptionFileForAnotherFormatIsAppliedWithAWarning) {
    const Outcome result =
        run({"import", at("bracket.igs"), at("out/b.x_t"), "--options", at("housing-export.opt")});
    EXPECT_EQ(result.exitCode, 0) << result;
    EXPECT_TRUE(contains(result.err, "warning: " + at("housing-export.opt") +
                                         " holds STEP writer options, but this import reads IGES"))
        << result;
}

// A conversion that does not finish leaves no output that looks finished.
TEST_F(Cli, FailedAndStoppedConversionsEndWithTheirCodesAndRemoveTheIncompleteOutput) {
    const struct {
        const char* convertResult;
        int exitCode;
        const char* message;
    } cases[] = {
        {"0x3000006", 1, "import of " /* ... */},
        {"0x2000003", 3, " stopped by the translator"},
        {"42", 1, "failed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.convertResult);
        setEnvironment("SPAX_STANDIN_CONVERT_RESULT", c.convertResult);
        const Outcome result = run({"import", at("bracket.igs"), at("out/b.x_t")});
        EXPECT_EQ(result.exitCode, c.exitCode) << result;
        EXPECT_TRUE(contains(result.err, c.message)) << result;
        EXPECT_TRUE(contains(result.err, "the incomplete output was removed")) << result;
        EXPECT_FALSE(fs::exists(work / "out/b.x_t"));
    }

    // an output that was there before is left, and the user is told
    setEnvironment("SPAX_STANDIN_CONVERT_RESULT", "0x2000003");
    std::ofstream(work / "out/old.x_t") << "an earlier result";
    const Outcome stopped = run({"import", at("bracket.igs"), at("out/old.x_t")});
    EXPECT_EQ(stopped.exitCode, 3) << stopped;
    EXPECT_TRUE(contains(stopped.err, "existed before and may now be incomplete")) << stopped;
    EXPECT_TRUE(fs::exists(work / "out/old.x_t"));
}

TEST_F(Cli, FailureHintsAtTheLogOrAsksForOne) {
    setEnvironment("SPAX_STANDIN_CONVERT_RESULT", "0x3000006");
    const Outcome bare = run({"export", at("bracket.igs"), at("out/b.stp")});
    EXPECT_EQ(bare.exitCode, 1) << bare;
    EXPECT_TRUE(contains(bare.err, "export of " + at("bracket.igs") +
                                       " (Parasolid) into STEP failed; "
                                       "run it again with --log FILE to see why"))
        << bare;

    const Outcome logged =
        run({"export", at("bracket.igs"), at("out/b.stp"), "--log", at("out/x.log")});
    EXPECT_EQ(logged.exitCode, 1) << logged;
    EXPECT_TRUE(contains(logged.err, "; see the log " + at("out/x.log"))) << logged;
    EXPECT_TRUE(fs::exists(work / "out/x.log")) << "the log of a failed conversion is kept";
}

TEST_F(Cli, TranslatorFaultReachesTheUserAsTheLibrarysMessage) {
    setEnvironment("SPAX_STANDIN_THROW", "SPAIConverter::Convert");
    setEnvironment("SLVCORE_MESSAGE_LOG", at("messages.log"));
    const Outcome result = run({"import", at("housing.stp"), at("out/h.x_t")});
    EXPECT_EQ(result.exitCode, 1) << result;
    EXPECT_TRUE(contains(result.err, "An error occured during the conversion process ..."))
        << result;
    EXPECT_TRUE(contains(result.err, "vexlan: import of " + at("housing.stp"))) << result;
    // The tool, as the host, provides its core library: the message went
    // through it, at level 2.
    EXPECT_EQ(readFile((work / "messages.log").string()),
              "2\tAn error occured during the conversion process ...\n");
}

// ---------------------------------------------------------------------------
// Errors: a table of what a user may get wrong

struct ErrorCase {
    std::vector<std::string> arguments; // "@name" stands for the work folder's file
    int exitCode;
    std::string message;
};

TEST_F(Cli, ErrorsEndWithOneClearLineAndTheirExitCode) {
    std::ofstream(work / "no-header.opt") << "Tolerance=1\n";
    fs::create_directories(work / "folder.igs");
    const ErrorCase cases[] = {
        // usage
        {{}, 2, "A subcommand is required"},
        {{"convert", "@bracket.igs"}, 2, "unknown command \"convert\""},
        {{"import", "@bracket.igs"}, 2, "OUT is required"},
        {{"detect"}, 2, "FILE is required"},
        {{"options", "IGES"}, 2, "give exactly one of --reader and --writer"},
        {{"options", "IGES", "--reader", "--writer"},
         2,
         "give exactly one of --reader and --writer"},
        {{"options", "--reader"}, 2, "give a FORMAT with --reader or --writer, or --file USER.opt"},
        {{"options", "--file", "@bracket-import.opt", "--reader"}, 2, "--file takes neither"},
        {{"import", "@bracket.igs", "@out/b.x_t", "--bogus"}, 2, "--bogus"},
        {{"options", "NURBS", "--reader"}, 2, "unknown format \"NURBS\"; known formats: CATIAV4, "},
        {{"import", "@bracket.igs", "@out/b.x_t", "--format", "NURBS"},
         2,
         "unknown format \"NURBS\""},
        {{"import", "@bracket.igs", "@bracket.igs"}, 2, "OUT and IN are the same file"},
        {{"import", "@bracket.igs", "@out/b.x_t", "--log", "@bracket.igs"},
         2,
         "the log and IN are the same file"},
        {{"import", "@bracket.igs", "@bracket-import.opt", "--options", "@bracket-import.opt",
          "--format", "IGES"},
         2,
         "OUT and the option file are the same file"},
        // files
        {{"import", "@missing.igs", "@out/b.x_t"}, 1, "cannot read IN "},
        {{"import", "@folder.igs", "@out/b.x_t"}, 1, "it is a folder"},
        {{"import", "@bracket.igs", "@nowhere/b.x_t"}, 1, "cannot write OUT "},
        {{"import", "@bracket.igs", "@out/b.x_t", "--log", "@nowhere/b.log"},
         1,
         "cannot write the log"},
        {{"import", "@bracket.igs", "@out/b.x_t", "--options", "@missing.opt"},
         1,
         "cannot read option file "},
        {{"import", "@bracket.igs", "@out/b.x_t", "--options", "@no-header.opt"},
         1,
         "names no known format in its header line"},
        {{"opt-type", "@no-header.opt"}, 1, "names no known format in its header line"},
        {{"opt-type", "@missing.opt"}, 1, "cannot read option file "},
        {{"options", "--file", "@missing.opt"}, 1, "cannot read option file "},
    };
    for (const ErrorCase& c : cases) {
        std::vector<std::string> arguments;
        std::string shown;
        for (const std::string& argument : c.arguments) {
            arguments.push_back(argument.front() == '@' ? at(argument.substr(1)) : argument);
            shown += ' ' + argument;
        }
        SCOPED_TRACE("vexlan" + shown);
        const Outcome result = run(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result;
        EXPECT_TRUE(contains(result.err, c.message)) << result;
        EXPECT_EQ(result.err.rfind("vexlan: ", 0), 0u) << result;
        EXPECT_EQ(result.out, "") << result;
        EXPECT_FALSE(fs::exists(work / "out/b.x_t"));
    }
    EXPECT_EQ(readFile((work / "bracket.igs").string()),
              readFile((fs::path(VEXLAN_SAMPLES_DIR) / "bracket.igs").string()))
        << "a refused command leaves its inputs alone";
}

TEST_F(Cli, EverySubCommandExplainsItself) {
    for (const char* command :
         {"formats", "detect", "options", "opt-type", "import", "export", "version"}) {
        const Outcome help = run({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(contains(help.out, std::string("Usage: vexlan ") + command)) << help;
    }
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(contains(help.out, "Exit codes: 0 success")) << help;
}

// ---------------------------------------------------------------------------
// Finding the library and the master options file

TEST_F(Cli, LibraryNotFoundNamesWhereItLookedAndTheWayOut) {
    const fs::path tool = lonelyTool();
    const Outcome result = run({"formats"}, tool);
    EXPECT_EQ(result.exitCode, 1) << result;
    EXPECT_TRUE(contains(result.err, "the Vexlan library was not found: looked for " +
                                         (work / "lonely" / "lib").string()))
        << result;
    EXPECT_TRUE(contains(result.err, "--library FILE or the VEXLAN_LIBRARY variable")) << result;

    const Outcome notALibrary = run({"--library", at("bracket.igs"), "formats"}, tool);
    EXPECT_EQ(notALibrary.exitCode, 1) << notALibrary;
    EXPECT_TRUE(contains(notALibrary.err, "cannot load the Vexlan library " + at("bracket.igs")))
        << notALibrary;

    setEnvironment("VEXLAN_LIBRARY", VEXLAN_LIBRARY_FILE);
    const Outcome byVariable = run({"formats"}, tool);
    EXPECT_EQ(byVariable.exitCode, 0) << byVariable;
}

TEST_F(Cli, TopdirNotSetIsReportedWithTheFixAndEitherOverrideMendsIt) {
    const fs::path tool = lonelyTool();
    setEnvironment("VEXLAN_LIBRARY", VEXLAN_LIBRARY_FILE);

    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"options", "IGES", "--reader"},
          std::vector<std::string>{"import", at("bracket.igs"), at("out/b.x_t"), "--options",
                                   at("bracket-import.opt")}}) {
        const Outcome result = run(arguments, tool);
        EXPECT_EQ(result.exitCode, 1) << result;
        EXPECT_TRUE(contains(result.err, "\"topdir\" is not set")) << result;
        EXPECT_TRUE(contains(result.err, "export topdir=")) << result;
    }
    // a conversion without an option file needs no master options file
    EXPECT_EQ(run({"import", at("bracket.igs"), at("out/b.x_t")}, tool).exitCode, 0);

    const std::string share = VEXLAN_STAGE_SHARE_DIR; // without its trailing separator
    EXPECT_EQ(run({"--topdir", share, "options", "IGES", "--reader"}, tool).exitCode, 0);
    setEnvironment("topdir", share + "/");
    EXPECT_EQ(run({"options", "IGES", "--reader"}, tool).exitCode, 0);

    // --topdir wins over the variable
    const Outcome wrong = run({"options", "IGES", "--reader", "--topdir", at("out")}, tool);
    EXPECT_EQ(wrong.exitCode, 1) << wrong;
    EXPECT_TRUE(contains(wrong.err, "there is no master options file at " + at("out") +
                                        "/vexlan/res/OptionsMaster.opt"))
        << wrong;
}

TEST_F(Cli, VersionPrintsTheLibrarysBuildInformation) {
    const Outcome result = run({"version"});
    ASSERT_EQ(result.exitCode, 0) << result;
    EXPECT_EQ(result.out.rfind("\n\nQW C++ compiler: (", 0), 0u) << result;
    EXPECT_TRUE(contains(result.out, "\nQW Release text: ")) << result;
    EXPECT_TRUE(contains(result.out, "\nVexlan 20")) << result;
    EXPECT_TRUE(contains(result.out, VEXLAN_LIBRARY_FILE) ||
                contains(result.out, fs::path(VEXLAN_LIBRARY_FILE).filename().string()))
        << result;
}

} // namespace
