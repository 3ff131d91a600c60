// Both conversions, checked through the translator stand-in's journal: the
// exact order of translator operations, the results, the host messages and
// what is left on disk.
#include "option_test_support.h"
#include "spax/progress.h"
#include "spax/result.h"
#include "test_support.h"
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using test_support::readFile;
using test_support::readLines;
using test_support::setEnvironment;
using test_support::text;
using test_support::unsetEnvironment;
using test_support::writeFile;
using vexlan_test::temporaryOptionFile;
using Lines = std::vector<std::string>;

const char* const kErrorMessage = "2\tAn error occured during the conversion process ...";

// A small master options file: IGES reader and STEP writer options.
const char* const kMasterFile = "! test master file\n"
                                "[IGES-R]\n"
                                "Tolerance=0.01\n"
                                "ReadLayers=1\n"
                                "[IGES-RD]\n"
                                "Tolerance=Distance below which points are merged\n"
                                "[STEP-W]\n"
                                "WriteSchema=AP214\n"
                                "Author=Nobody\n";

// Progress functions a host may install.
int gFirstCalls = 0;
int gSecondCalls = 0;
void firstProgress(double, int&) { ++gFirstCalls; }
void secondProgress(double, int&) { ++gSecondCalls; }
void stopAtOnce(double, int& stop) { stop = 1; }

class Conversions : public ::testing::Test {
protected:
    void SetUp() override {
        journal = scratch.file("journal.txt");
        messages = scratch.file("messages.log");
        temporaryDirectory = scratch.file("tmp");
        fs::create_directory(temporaryDirectory);

        setEnvironment("SPAX_STANDIN_JOURNAL", journal);
        setEnvironment("SLVCORE_MESSAGE_LOG", messages);
        test_support::setTemporaryDirectory(temporaryDirectory);
        unsetEnvironment("SPAX_STANDIN_THROW");
        unsetEnvironment("SPAX_STANDIN_CONVERT_RESULT");

        // Each test starts as a fresh host: no progress function installed.
        SPAXProgressReport_fct = nullptr;
        gFirstCalls = 0;
        gSecondCalls = 0;

        model = scratch.file("part.igs");
        parasolid = scratch.file("part.x_t");
        writeFile(model, "IGES model");
        writeFile(parasolid, "Parasolid model");
        VxInitializeMaps();
    }

    Lines journalLines() const { return readLines(journal); }
    Lines messageLines() const { return readLines(messages); }
    // Temporary files left behind by a conversion.
    bool temporaryDirectoryIsEmpty() const { return fs::is_empty(temporaryDirectory); }
    // The journal with each temporary file name, random by design, replaced
    // by "<temporary>".
    Lines journalWithoutTemporaryNames() const {
        const std::string prefix = (fs::path(temporaryDirectory) / "").string();
        Lines lines = journalLines();
        for (std::string& line : lines) {
            for (auto at = line.find(prefix); at != std::string::npos; at = line.find(prefix)) {
                const auto end = line.find('\t', at);
                line.replace(at, end == std::string::npos ? std::string::npos : end - at,
                             "<temporary>");
            }
        }
        return lines;
    }

    // The master options file, with "topdir" leading to it until the test ends.
    vexlan_test::MasterOptionsFixture master{kMasterFile};
    const vexlan_test::ScratchDirectory& scratch = master.directory();
    std::string journal;
    std::string messages;
    std::string temporaryDirectory;
    std::string model;
    std::string parasolid;
};

// The translator operations a conversion performs, assembled from its parts.
struct Expected {
    std::string source, sourceType, target, targetType;
    bool unit = false;
    Lines optionFile; // operations of an applied option file
    Lines fixedOptions;
    std::string log;

    Lines journal() const {
        Lines lines = {"SPAIDocument\t" + source, "SPAIDocument\t" + target, "SPAIConverter"};
        if (unit) {
            lines.push_back("SPAIUnit\t7");
            lines.push_back("SPAIDocument::SetUnit\t" + target + "\t7");
            lines.push_back("~SPAIUnit");
        }
        lines.push_back("SPAIDocument::SetType\t" + source + "\t" + sourceType);
        lines.push_back("SPAIDocument::SetType\t" + target + "\t" + targetType);
        lines.insert(lines.end(), optionFile.begin(), optionFile.end());
        lines.push_back("SPAIOptions");
        std::string appended = "SPAIConverter::AppendOptions";
        for (const std::string& option : fixedOptions) {
            lines.push_back("SPAIOptions::Add\t" + option);
            // "Name\tkind\tvalue" is appended as "Name=kind:value"
            std::string entry = option;
            entry.replace(entry.find('\t'), 1, "=");
            entry.replace(entry.find('\t'), 1, ":");
            appended += "\t" + entry;
        }
        lines.push_back(appended);
        lines.push_back("SPAIFile\t" + log);
        if (!log.empty()) lines.push_back("SPAIConverter::StartLog\t" + log);
        lines.push_back("SPAIConverter::SetProgressCallback\tnull");
        lines.push_back("SPAIConverter::Convert\t" + source + "\t" + target);
        if (!log.empty()) lines.push_back("SPAIConverter::StopLog\t" + log);
        for (const std::string& release :
             {"~SPAIFile\t" + log, std::string("~SPAIOptions"), std::string("~SPAIConverter"),
              "~SPAIDocument\t" + target, "~SPAIDocument\t" + source})
            lines.push_back(release);
        return lines;
    }
};

Lines intoParasolidOptions(const char* hidden) {
    return {"SaveMode\tint\t1", std::string("TranslateHiddenEntities\tbool\t") + hidden,
            "TranslateAttributes\tbool\ttrue"};
}

const Lines kOutOfParasolidOptions = {"OrganizationName\ttext\tQuarrin Works",
                                      "TranslateSolidBodies\tbool\ttrue"};

Expected intoParasolid(const std::string& source, const std::string& sourceType,
                       const std::string& target, const char* hidden = "false") {
    Expected expected;
    expected.source = source;
    expected.sourceType = sourceType;
    expected.target = target;
    expected.targetType = "Parasolid";
    expected.unit = true;
    expected.fixedOptions = intoParasolidOptions(hidden);
    return expected;
}

Expected outOfParasolid(const std::string& source, const std::string& target,
                        const std::string& targetType) {
    Expected expected;
    expected.source = source;
    expected.sourceType = "Parasolid";
    expected.target = target;
    expected.targetType = targetType;
    expected.fixedOptions = kOutOfParasolidOptions;
    return expected;
}

// The operations of applying an option file through the temporary file
// `temporary`, which holds `options` ("name=value" each).
Lines appliedOptionFile(const std::string& temporary, const Lines& options) {
    std::string arguments;
    for (const std::string& option : options)
        arguments += "\t" + option;
    return {"SPAIOptions",
            "SPAIFile\t" + temporary,
            "SPAIOptions::Load\t" + temporary + arguments,
            "~SPAIFile\t" + temporary,
            "SPAIConverter::SetOptions" + arguments,
            "~SPAIOptions"};
}

// ---------------------------------------------------------------------------
// The sequence of operations
// ---------------------------------------------------------------------------

TEST_F(Conversions, IntoParasolidPlainCase) {
    EXPECT_EQ(VxConvertToParasolid(text(model), VX_IGES, text(parasolid), nullptr, nullptr, 0), 1);
    const Lines expected = {
        "SPAIDocument\t" + model,
        "SPAIDocument\t" + parasolid,
        "SPAIConverter",
        "SPAIUnit\t7",
        "SPAIDocument::SetUnit\t" + parasolid + "\t7",
        "~SPAIUnit",
        "SPAIDocument::SetType\t" + model + "\tIGES",
        "SPAIDocument::SetType\t" + parasolid + "\tParasolid",
        "SPAIOptions",
        "SPAIOptions::Add\tSaveMode\tint\t1",
        "SPAIOptions::Add\tTranslateHiddenEntities\tbool\tfalse",
        "SPAIOptions::Add\tTranslateAttributes\tbool\ttrue",
        "SPAIConverter::AppendOptions\tSaveMode=int:1\tTranslateHiddenEntities=bool:false"
        "\tTranslateAttributes=bool:true",
        "SPAIFile\t",
        "SPAIConverter::SetProgressCallback\tnull",
        "SPAIConverter::Convert\t" + model + "\t" + parasolid,
        "~SPAIFile\t",
        "~SPAIOptions",
        "~SPAIConverter",
        "~SPAIDocument\t" + parasolid,
        "~SPAIDocument\t" + model,
    };
    EXPECT_EQ(journalLines(), expected);
    EXPECT_EQ(readFile(parasolid), "IGES model");
    EXPECT_TRUE(messageLines().empty());
}

TEST_F(Conversions, OutOfParasolidPlainCase) {
    const std::string step = scratch.file("part.stp");
    EXPECT_EQ(VxConvertFromParasolid(text(parasolid), text(step), VX_STEP, text(""), text("")), 1);
    const Lines expected = {
        "SPAIDocument\t" + parasolid,
        "SPAIDocument\t" + step,
        "SPAIConverter",
        "SPAIDocument::SetType\t" + parasolid + "\tParasolid",
        "SPAIDocument::SetType\t" + step + "\tSTEP",
        "SPAIOptions",
        "SPAIOptions::Add\tOrganizationName\ttext\tQuarrin Works",
        "SPAIOptions::Add\tTranslateSolidBodies\tbool\ttrue",
        "SPAIConverter::AppendOptions\tOrganizationName=text:Quarrin Works"
        "\tTranslateSolidBodies=bool:true",
        "SPAIFile\t",
        "SPAIConverter::SetProgressCallback\tnull",
        "SPAIConverter::Convert\t" + parasolid + "\t" + step,
        "~SPAIFile\t",
        "~SPAIOptions",
        "~SPAIConverter",
        "~SPAIDocument\t" + step,
        "~SPAIDocument\t" + parasolid,
    };
    EXPECT_EQ(journalLines(), expected);
    EXPECT_EQ(readFile(step), "Parasolid model");
    EXPECT_TRUE(messageLines().empty());
}

TEST_F(Conversions, OptionFileIsAppliedBeforeTheFixedOptionsAndItsTemporaryFileRemoved) {
    const std::string readerFile = scratch.file("reader.opt");
    writeFile(readerFile, "[IGES-R]\nReadLayers=0\nUnknownToMaster=5\n");
    ASSERT_EQ(
        VxConvertToParasolid(text(model), VX_IGES, text(parasolid), text(readerFile), nullptr, 1),
        1);
    Lines lines = journalLines();
    const std::string temporary = temporaryOptionFile(lines);
    EXPECT_EQ(fs::path(temporary).parent_path(), fs::path(temporaryDirectory))
        << "the name comes from the host core library";
    Expected into = intoParasolid(model, "IGES", parasolid, "true");
    into.optionFile = appliedOptionFile(temporary, {"Tolerance=0.01", "ReadLayers=0"});
    EXPECT_EQ(lines, into.journal());
    EXPECT_TRUE(temporaryDirectoryIsEmpty());

    // Out of Parasolid, with a file whose header names another format and
    // direction: it is applied all the same, and the organisation name that
    // follows it is still the fixed one.
    fs::remove(journal);
    const std::string writerFile = scratch.file("writer.opt");
    writeFile(writerFile, "[STEP-W]\nAuthor=Someone\r\n");
    const std::string vda = scratch.file("part.vda");
    ASSERT_EQ(VxConvertFromParasolid(text(parasolid), text(vda), VX_VDA, text(writerFile), nullptr),
              1);
    lines = journalLines();
    Expected outOf = outOfParasolid(parasolid, vda, "VDA");
    outOf.optionFile =
        appliedOptionFile(temporaryOptionFile(lines), {"WriteSchema=AP214", "Author=Someone"});
    EXPECT_EQ(lines, outOf.journal());
    EXPECT_TRUE(temporaryDirectoryIsEmpty());
    EXPECT_TRUE(messageLines().empty());
}

TEST_F(Conversions, MissingOptionFileStillRunsTheConversion) {
    ASSERT_EQ(VxConvertToParasolid(text(model), VX_IGES, text(parasolid),
                                   text(scratch.file("missing.opt")), nullptr, 0),
              1);
    const Lines lines = journalLines();
    Expected into = intoParasolid(model, "IGES", parasolid);
    into.optionFile = appliedOptionFile(temporaryOptionFile(lines), {});
    EXPECT_EQ(lines, into.journal());
    EXPECT_TRUE(temporaryDirectoryIsEmpty());
}

TEST_F(Conversions, LogIsStartedBeforeAndStoppedAfterConvert) {
    const std::string log = scratch.file("convert.log");
    ASSERT_EQ(VxConvertToParasolid(text(model), VX_IGES, text(parasolid), nullptr, text(log), 0),
              1);
    Expected into = intoParasolid(model, "IGES", parasolid);
    into.log = log;
    EXPECT_EQ(journalLines(), into.journal());
    const std::string written = readFile(log);
    EXPECT_NE(written.find("translates no geometry"), std::string::npos) << written;
    EXPECT_NE(written.find("Log stopped."), std::string::npos) << written;

    fs::remove(journal);
    const std::string jt = scratch.file("part.jt");
    ASSERT_EQ(VxConvertFromParasolid(text(parasolid), text(jt), VX_JT, nullptr, text(log)), 1);
    Expected outOf = outOfParasolid(parasolid, jt, "JT");
    outOf.log = log;
    EXPECT_EQ(journalLines(), outOf.journal());
}

TEST_F(Conversions, HiddenEntitiesFlagIsAnyNonZeroValue) {
    for (const auto& [flag, value] :
         {std::pair{0, "false"}, {1, "true"}, {2, "true"}, {-1, "true"}}) {
        SCOPED_TRACE(flag);
        fs::remove(journal);
        VxConvertToParasolid(text(model), VX_IGES, text(parasolid), nullptr, nullptr, flag);
        const Lines lines = journalLines();
        EXPECT_NE(
            std::find(lines.begin(), lines.end(),
                      std::string("SPAIOptions::Add\tTranslateHiddenEntities\tbool\t") + value),
            lines.end());
    }
}

// ---------------------------------------------------------------------------
// Formats
// ---------------------------------------------------------------------------

TEST_F(Conversions, Format12CreatesNothingAndSendsNothing) {
    const std::string log = scratch.file("convert.log");
    const std::string options = scratch.file("reader.opt");
    writeFile(options, "[IGES-R]\nReadLayers=0\n");
    EXPECT_EQ(
        VxConvertToParasolid(text(model), VX_UNKNOWN, text(parasolid), text(options), text(log), 1),
        0);
    EXPECT_EQ(
        VxConvertFromParasolid(text(parasolid), text(model), VX_UNKNOWN, text(options), text(log)),
        0);
    EXPECT_FALSE(fs::exists(journal)) << "no translator object was created";
    EXPECT_FALSE(fs::exists(messages));
    EXPECT_FALSE(fs::exists(log));
    EXPECT_EQ(readFile(model), "IGES model");
    EXPECT_EQ(readFile(parasolid), "Parasolid model");
}

TEST_F(Conversions, FormatsBeyondTheCatalogueAreTypedEmptyAndTheTranslatorDecides) {
    for (int type : {13, -1, 1000}) {
        SCOPED_TRACE(type);
        fs::remove(journal);
        EXPECT_EQ(VxConvertToParasolid(text(model), type, text(parasolid), nullptr, nullptr, 0), 0);
        EXPECT_EQ(journalLines(), intoParasolid(model, "", parasolid).journal());

        fs::remove(journal);
        const std::string out = scratch.file("out.model");
        EXPECT_EQ(VxConvertFromParasolid(text(parasolid), text(out), type, nullptr, nullptr), 0);
        EXPECT_EQ(journalLines(), outOfParasolid(parasolid, out, "").journal());
    }
    EXPECT_TRUE(messageLines().empty()) << "a refusal by the translator is no error message";
}

TEST_F(Conversions, ParasolidToParasolidIsNotRefused) {
    const std::string copy = scratch.file("copy.x_t");
    EXPECT_EQ(VxConvertToParasolid(text(parasolid), VX_PARASOLID, text(copy), nullptr, nullptr, 0),
              1);
    EXPECT_EQ(VxConvertFromParasolid(text(copy), text(model), VX_PARASOLID, nullptr, nullptr), 1);
    EXPECT_EQ(readFile(model), "Parasolid model");
}

// ---------------------------------------------------------------------------
// Results
// ---------------------------------------------------------------------------

TEST_F(Conversions, ConvertCodesFoldIntoThreeResultsWithoutMessages) {
    const struct {
        const char* code;
        int result;
    } cases[] = {
        {"0", 1}, {"0x2000003", -1}, {"0x3000006", 0}, {"0x1000001", 0}, {"1", 0}, {"-1", 0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.code);
        setEnvironment("SPAX_STANDIN_CONVERT_RESULT", row.code);
        fs::remove(journal);
        EXPECT_EQ(VxConvertToParasolid(text(model), VX_IGES, text(parasolid), nullptr, nullptr, 0),
                  row.result);
        EXPECT_EQ(journalLines(), intoParasolid(model, "IGES", parasolid).journal());

        fs::remove(journal);
        const std::string igs = scratch.file("out.igs");
        EXPECT_EQ(VxConvertFromParasolid(text(parasolid), text(igs), VX_IGES, nullptr, nullptr),
                  row.result);
        EXPECT_EQ(journalLines(), outOfParasolid(parasolid, igs, "IGES").journal());
    }
    EXPECT_TRUE(messageLines().empty());
}

TEST_F(Conversions, TranslatorFailureGivesZeroWithoutMessage) {
    EXPECT_EQ(VxConvertToParasolid(text(scratch.file("missing.igs")), VX_IGES, text(parasolid),
                                   nullptr, nullptr, 0),
              0);
    EXPECT_EQ(readFile(parasolid), "Parasolid model");
    EXPECT_TRUE(messageLines().empty());
}

// ---------------------------------------------------------------------------
// Exceptions
// ---------------------------------------------------------------------------

// The objects constructed and not yet released after the journal `lines`,
// as the destructor lines they will write, most recent first.
Lines pendingReleases(const Lines& lines) {
    Lines live;
    for (const std::string& line : lines) {
        const std::string operation = line.substr(0, line.find('\t'));
        if (operation[0] == '~') {
            EXPECT_FALSE(live.empty());
            EXPECT_EQ(live.back(), line) << "released out of order";
            live.pop_back();
        } else if (operation.find("::") == std::string::npos) {
            const bool keepsPath = operation == "SPAIDocument" || operation == "SPAIFile";
            live.push_back("~" + (keepsPath ? line : operation));
        }
    }
    return Lines(live.rbegin(), live.rend());
}

TEST_F(Conversions, ThrowAtAnyOperationReleasesEverythingInReverseAndSendsOneMessage) {
    const std::string readerFile = scratch.file("reader.opt");
    const std::string writerFile = scratch.file("writer.opt");
    writeFile(readerFile, "[IGES-R]\nReadLayers=0\n");
    writeFile(writerFile, "[STEP-W]\nAuthor=Someone\n");
    const std::string log = scratch.file("convert.log");
    const std::string step = scratch.file("part.stp");
    const struct {
        const char* label;
        std::function<int()> run;
    } conversions[] = {
        {"into Parasolid",
         [&] {
             return VxConvertToParasolid(text(model), VX_IGES, text(parasolid), text(readerFile),
                                         text(log), 1);
         }},
        {"out of Parasolid",
         [&] {
             return VxConvertFromParasolid(text(parasolid), text(step), VX_STEP, text(writerFile),
                                           text(log));
         }},
    };
    for (const auto& conversion : conversions) {
        SCOPED_TRACE(conversion.label);
        unsetEnvironment("SPAX_STANDIN_THROW");
        fs::remove(journal);
        ASSERT_EQ(conversion.run(), 1);
        const Lines reference = journalWithoutTemporaryNames();
        EXPECT_TRUE(pendingReleases(reference).empty());
        for (const char* operation :
             {"SPAIOptions::Load\t", "SPAIConverter::StartLog\t", "SPAIConverter::StopLog\t"})
            ASSERT_TRUE(
                std::any_of(reference.begin(), reference.end(),
                            [&](const std::string& line) { return line.rfind(operation, 0) == 0; }))
                << "the reference run covers " << operation;

        for (std::size_t at = 0; at < reference.size(); ++at) {
            const std::string operation = reference[at].substr(0, reference[at].find('\t'));
            if (operation[0] == '~') continue; // destructors never throw
            const auto calls = std::count_if(
                reference.begin(), reference.begin() + at + 1, [&](const std::string& line) {
                    return line.substr(0, line.find('\t')) == operation;
                });
            const std::string setting = operation + "#" + std::to_string(calls);
            SCOPED_TRACE(setting);
            setEnvironment("SPAX_STANDIN_THROW", setting);
            fs::remove(journal);
            fs::remove(messages);

            EXPECT_EQ(conversion.run(), 0);
            EXPECT_EQ(messageLines(), Lines{kErrorMessage});
            const Lines prefix(reference.begin(), reference.begin() + at + 1);
            const bool failedConstruction =
                operation.find("::") == std::string::npos; // the object never came to be
            Lines expected = prefix;
            const Lines releases = pendingReleases(
                failedConstruction ? Lines(prefix.begin(), prefix.end() - 1) : prefix);
            expected.insert(expected.end(), releases.begin(), releases.end());
            EXPECT_EQ(journalWithoutTemporaryNames(), expected);
            EXPECT_TRUE(temporaryDirectoryIsEmpty()) << "no temporary option file is left";
        }
    }
}

// ---------------------------------------------------------------------------
// Progress
// ---------------------------------------------------------------------------

TEST_F(Conversions, NullProgressFunctionKeepsTheOneInstalledBefore) {
    VxSetProgressCallback(reinterpret_cast<void*>(&firstProgress));
    VxSetProgressCallback(nullptr);
    ASSERT_EQ(VxConvertToParasolid(text(model), VX_IGES, text(parasolid), nullptr, nullptr, 0), 1);
    EXPECT_GE(gFirstCalls, 2);
    const Lines lines = journalLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "SPAIConverter::SetProgressCallback\tset"),
              lines.end());
}

TEST_F(Conversions, NextConversionUsesTheLastProgressFunctionInstalled) {
    VxSetProgressCallback(reinterpret_cast<void*>(&firstProgress));
    VxSetProgressCallback(reinterpret_cast<void*>(&secondProgress));
    ASSERT_EQ(VxConvertFromParasolid(text(parasolid), text(model), VX_IGES, nullptr, nullptr), 1);
    EXPECT_EQ(gFirstCalls, 0);
    EXPECT_GE(gSecondCalls, 2);
}

TEST_F(Conversions, ProgressFunctionThatAsksToStopGivesMinusOne) {
    VxSetProgressCallback(reinterpret_cast<void*>(&stopAtOnce));
    EXPECT_EQ(VxConvertToParasolid(text(model), VX_IGES, text(parasolid), nullptr, nullptr, 0), -1);
    EXPECT_EQ(VxConvertFromParasolid(text(parasolid), text(model), VX_IGES, nullptr, nullptr), -1);
    EXPECT_EQ(readFile(parasolid), "Parasolid model");
    EXPECT_EQ(readFile(model), "IGES model");
    EXPECT_TRUE(messageLines().empty());
}

} // namespace
