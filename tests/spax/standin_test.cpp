// The translator stand-in: journal, conversion, options, log and test seams.
#include "spax/converter.h"
#include "spax/document.h"
#include "spax/file.h"
#include "spax/options.h"
#include "spax/unit.h"
#include "standin_seams.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using test_support::readFile;
using test_support::readLines;
using test_support::setEnvironment;
using test_support::unsetEnvironment;
using test_support::writeFile;

class StandIn : public ::testing::Test {
protected:
    void SetUp() override {
        journal = scratch.file("journal.txt");
        setEnvironment("SPAX_STANDIN_JOURNAL", journal);
        unsetEnvironment("SPAX_STANDIN_THROW");
        unsetEnvironment("SPAX_STANDIN_CONVERT_RESULT");
    }

    std::vector<std::string> journalLines() const { return readLines(journal); }

    // Converts `in` (typed `inType`) into `out` (typed `outType`).
    long convert(const std::string& in, const char* inType, const std::string& out,
                 const char* outType, SPAXProgressReportFct progress = nullptr) {
        SPAIDocument source(in.c_str());
        SPAIDocument target(out.c_str());
        source.SetType(inType);
        target.SetType(outType);
        SPAIConverter converter;
        converter.SetProgressCallback(progress);
        return converter.Convert(source, target).GetCode();
    }

    test_support::ScratchDirectory scratch;
    std::string journal;
};

void ignoreProgress(double, int&) {}

// ---------------------------------------------------------------------------
// Journal
// ---------------------------------------------------------------------------

TEST_F(StandIn, EveryOperationJournalsOneLineOfNameAndTabSeparatedArguments) {
    const std::string in = scratch.file("part.igs");
    const std::string out = scratch.file("part.x_t");
    const std::string log = scratch.file("convert.log");
    const std::string optionFile = scratch.file("options.txt");
    writeFile(in, "model");
    writeFile(optionFile, "SaveMode=2\r\nTranslateAttributes=true\n");
    {
        SPAIDocument source(in.c_str());
        SPAIDocument target(out.c_str());
        SPAIConverter converter;
        {
            SPAIUnit unit(SPAIUnitMeter);
            target.SetUnit(unit);
        }
        source.SetType("IGES");
        target.SetType("Parasolid");
        {
            SPAIOptions loaded;
            {
                SPAIFile file(optionFile.c_str());
                loaded.Load(file);
            }
            converter.SetOptions(loaded);
        }
        SPAIOptions fixed;
        fixed.Add(SPAIOptionName::SaveMode, SPAIValue(1));
        fixed.Add(SPAIOptionName::TranslateHiddenEntities, SPAIValue(false));
        fixed.Add(SPAIOptionName::OrganizationName, SPAIValue("Tab\there"));
        converter.AppendOptions(fixed);
        SPAIFile logFile(log.c_str());
        converter.StartLog(logFile);
        converter.SetProgressCallback(&ignoreProgress);
        converter.Convert(source, target);
        converter.StopLog(logFile);
        converter.SetProgressCallback(nullptr);
        SPAIFile none(nullptr);
    }
    const std::vector<std::string> expected = {
        "SPAIDocument\t" + in,
        "SPAIDocument\t" + out,
        "SPAIConverter",
        "SPAIUnit\t7",
        "SPAIDocument::SetUnit\t" + out + "\t7",
        "~SPAIUnit",
        "SPAIDocument::SetType\t" + in + "\tIGES",
        "SPAIDocument::SetType\t" + out + "\tParasolid",
        "SPAIOptions",
        "SPAIFile\t" + optionFile,
        "SPAIOptions::Load\t" + optionFile + "\tSaveMode=2\tTranslateAttributes=true",
        "~SPAIFile\t" + optionFile,
        "SPAIConverter::SetOptions\tSaveMode=2\tTranslateAttributes=true",
        "~SPAIOptions",
        "SPAIOptions",
        "SPAIOptions::Add\tSaveMode\tint\t1",
        "SPAIOptions::Add\tTranslateHiddenEntities\tbool\tfalse",
        "SPAIOptions::Add\tOrganizationName\ttext\tTab\\there",
        "SPAIConverter::AppendOptions\tSaveMode=int:1\tTranslateHiddenEntities=bool:false"
        "\tOrganizationName=text:Tab\\there",
        "SPAIFile\t" + log,
        "SPAIConverter::StartLog\t" + log,
        "SPAIConverter::SetProgressCallback\tset",
        "SPAIConverter::Convert\t" + in + "\t" + out,
        "SPAIConverter::StopLog\t" + log,
        "SPAIConverter::SetProgressCallback\tnull",
        "SPAIFile\t",
        "~SPAIFile\t",
        "~SPAIFile\t" + log,
        "~SPAIOptions",
        "~SPAIConverter",
        "~SPAIDocument\t" + out,
        "~SPAIDocument\t" + in,
    };
    EXPECT_EQ(journalLines(), expected);
}

TEST_F(StandIn, WithoutJournalVariableNothingIsWritten) {
    unsetEnvironment("SPAX_STANDIN_JOURNAL");
    { SPAIConverter converter; }
    EXPECT_FALSE(std::filesystem::exists(journal));
}

// ---------------------------------------------------------------------------
// Convert
// ---------------------------------------------------------------------------

enum class Source { File, Missing, Directory };

struct ConvertCase {
    const char* label;
    Source source;
    const char* sourceType;
    const char* targetName;
    const char* targetType;
    long code;
};

TEST_F(StandIn, ConvertCopiesTheSourceOnlyWhenFileAndBothTypesAreGood) {
    const ConvertCase cases[] = {
        {"into Parasolid", Source::File, "IGES", "out.x_t", "Parasolid", SPAX_S_OK},
        {"out of Parasolid", Source::File, "Parasolid", "out.stp", "STEP", SPAX_S_OK},
        {"Parasolid to Parasolid", Source::File, "Parasolid", "out.x_t", "Parasolid", SPAX_S_OK},
        {"missing source", Source::Missing, "IGES", "out.x_t", "Parasolid",
         SPAX_E_CONVERSION_FAILED},
        {"source is a directory", Source::Directory, "IGES", "out.x_t", "Parasolid",
         SPAX_E_CONVERSION_FAILED},
        {"unknown source type", Source::File, "Gerber", "out.x_t", "Parasolid",
         SPAX_E_CONVERSION_FAILED},
        {"type differs in case", Source::File, "iges", "out.x_t", "Parasolid",
         SPAX_E_CONVERSION_FAILED},
        {"empty target type", Source::File, "IGES", "out.x_t", "", SPAX_E_CONVERSION_FAILED},
        {"target folder missing", Source::File, "IGES", "no/such/out.x_t", "Parasolid",
         SPAX_E_CONVERSION_FAILED},
    };
    const std::string content(100, '\0'); // binary data must survive the copy
    for (const ConvertCase& row : cases) {
        SCOPED_TRACE(row.label);
        test_support::ScratchDirectory work;
        const std::string in = work.file("in.model");
        if (row.source == Source::File) writeFile(in, content + row.label);
        if (row.source == Source::Directory) std::filesystem::create_directory(in);
        const std::string out = work.file(row.targetName);

        EXPECT_EQ(convert(in, row.sourceType, out, row.targetType), row.code);
        if (row.code == SPAX_S_OK) {
            EXPECT_EQ(readFile(out), content + row.label);
        } else {
            EXPECT_FALSE(std::filesystem::exists(out));
        }
        EXPECT_FALSE(std::filesystem::exists(out + ".partial"));
    }
}

TEST_F(StandIn, FailedConversionLeavesAnExistingTargetAlone) {
    const std::string out = scratch.file("out.x_t");
    writeFile(out, "previous model");
    EXPECT_EQ(convert(scratch.file("missing.igs"), "IGES", out, "Parasolid"),
              SPAX_E_CONVERSION_FAILED);
    EXPECT_EQ(readFile(out), "previous model");
}

TEST_F(StandIn, SuccessfulConversionReplacesAnExistingTarget) {
    const std::string in = scratch.file("in.igs");
    const std::string out = scratch.file("out.x_t");
    writeFile(in, "new");
    writeFile(out, "previous model, longer than the new one");
    EXPECT_EQ(convert(in, "IGES", out, "Parasolid"), SPAX_S_OK);
    EXPECT_EQ(readFile(out), "new");
}

// ---------------------------------------------------------------------------
// Progress
// ---------------------------------------------------------------------------

std::vector<double> gReports;
enum class StopAt { Never, First, Middle, Last };
StopAt gStopAt = StopAt::Never;

void recordProgress(double fraction, int& stop) {
    gReports.push_back(fraction);
    const bool first = gReports.size() == 1;
    const bool last = fraction == 1.0;
    if ((gStopAt == StopAt::First && first) || (gStopAt == StopAt::Last && last) ||
        (gStopAt == StopAt::Middle && !first && !last))
        stop = 1;
}

TEST_F(StandIn, ProgressRunsFromZeroToOneInIncreasingSteps) {
    EXPECT_EQ(SPAXProgressReport_fct, nullptr) << "no progress function until the host sets one";
    const std::string in = scratch.file("big.igs");
    writeFile(in, std::string(300 * 1024, 'g'));
    gReports.clear();
    gStopAt = StopAt::Never;

    EXPECT_EQ(convert(in, "IGES", scratch.file("big.x_t"), "Parasolid", &recordProgress),
              SPAX_S_OK);
    ASSERT_GE(gReports.size(), 3u) << "a large file reports while it is copied";
    EXPECT_EQ(gReports.front(), 0.0);
    EXPECT_EQ(gReports.back(), 1.0);
    for (std::size_t i = 1; i < gReports.size(); ++i)
        EXPECT_LT(gReports[i - 1], gReports[i]);
}

TEST_F(StandIn, EmptySourceStillReportsStartAndEnd) {
    const std::string in = scratch.file("empty.igs");
    writeFile(in, "");
    gReports.clear();
    gStopAt = StopAt::Never;
    EXPECT_EQ(convert(in, "IGES", scratch.file("empty.x_t"), "Parasolid", &recordProgress),
              SPAX_S_OK);
    EXPECT_EQ(gReports, (std::vector<double>{0.0, 1.0}));
}

TEST_F(StandIn, StopRequestAtAnyReportStopsAndLeavesTheTargetAlone) {
    const std::string in = scratch.file("big.igs");
    writeFile(in, std::string(300 * 1024, 'g'));
    for (StopAt stopAt : {StopAt::First, StopAt::Middle, StopAt::Last}) {
        SCOPED_TRACE(static_cast<int>(stopAt));
        const std::string out = scratch.file("out.x_t");
        writeFile(out, "previous model");
        gReports.clear();
        gStopAt = stopAt;
        EXPECT_EQ(convert(in, "IGES", out, "Parasolid", &recordProgress), SPAX_W_STOPPED_BY_HOST);
        EXPECT_EQ(readFile(out), "previous model");
        EXPECT_FALSE(std::filesystem::exists(out + ".partial"));
    }
}

// ---------------------------------------------------------------------------
// Option sets
// ---------------------------------------------------------------------------

std::vector<std::string> describe(const std::vector<SPAIOptions::Entry>& entries) {
    std::vector<std::string> lines;
    for (const auto& entry : entries)
        lines.push_back(entry.name + "=" + entry.value.GetKindName() + ":" + entry.value.ToText());
    return lines;
}

TEST_F(StandIn, ConverterAcceptsEveryKnownNameAndRefusesASetWithAnUnknownOne) {
    SPAIConverter converter;
    SPAIOptions known;
#define SPAX_OPTION_NAME(name) known.Add(SPAIOptionName::name, SPAIValue(#name));
#include "spax/option_names.inc"
#undef SPAX_OPTION_NAME
    ASSERT_EQ(converter.SetOptions(known).GetCode(), SPAX_S_OK);
    const auto accepted = describe(converter.GetOptionsInForce());
    EXPECT_EQ(accepted.size(), known.GetEntries().size());

    SPAIOptions withUnknown;
    withUnknown.Add(SPAIOptionName::SaveMode, SPAIValue(3));
    withUnknown.Add(SPAIOptionName("saveMode"), SPAIValue(3));
    EXPECT_EQ(converter.SetOptions(withUnknown).GetCode(), SPAX_E_UNKNOWN_OPTION);
    EXPECT_EQ(converter.AppendOptions(withUnknown).GetCode(), SPAX_E_UNKNOWN_OPTION);
    EXPECT_EQ(describe(converter.GetOptionsInForce()), accepted) << "a refused set changes nothing";
}

TEST_F(StandIn, SetReplacesAppendAddsAndTheLaterValueOfANameWins) {
    SPAIConverter converter;
    SPAIOptions first;
    first.Add(SPAIOptionName::SaveMode, SPAIValue(1));
    first.Add(SPAIOptionName::TranslateAttributes, SPAIValue(false));
    first.Add(SPAIOptionName::SaveMode, SPAIValue(2));
    ASSERT_EQ(converter.SetOptions(first).GetCode(), SPAX_S_OK);
    EXPECT_EQ(describe(converter.GetOptionsInForce()),
              (std::vector<std::string>{"SaveMode=int:2", "TranslateAttributes=bool:false"}));

    SPAIOptions appended;
    appended.Add(SPAIOptionName::OrganizationName, SPAIValue("Works"));
    appended.Add(SPAIOptionName::TranslateAttributes, SPAIValue(true));
    ASSERT_EQ(converter.AppendOptions(appended).GetCode(), SPAX_S_OK);
    EXPECT_EQ(describe(converter.GetOptionsInForce()),
              (std::vector<std::string>{"SaveMode=int:2", "TranslateAttributes=bool:true",
                                        "OrganizationName=text:Works"}));

    SPAIOptions replacement;
    replacement.Add(SPAIOptionName::TranslateSolidBodies, SPAIValue(true));
    ASSERT_EQ(converter.SetOptions(replacement).GetCode(), SPAX_S_OK);
    EXPECT_EQ(describe(converter.GetOptionsInForce()),
              (std::vector<std::string>{"TranslateSolidBodies=bool:true"}));
}

struct LoadCase {
    const char* label;
    const char* content; // null: no file
    std::vector<std::string> entries;
    long code;
};

TEST_F(StandIn, LoadReadsNameValueLinesByteForByte) {
    const LoadCase cases[] = {
        {"plain", "Tolerance=0.001\nReadLayers=1\n", {"Tolerance=0.001", "ReadLayers=1"}, 0},
        {"CR LF line ends", "A=1\r\nB=2\r\n", {"A=1", "B=2"}, 0},
        {"blanks are kept", " A = x \n", {" A = x "}, 0},
        {"split at the first =", "A=b=c\n", {"A=b=c"}, 0},
        {"empty value", "A=\n", {"A="}, 0},
        {"empty lines skipped", "\n\nA=1\n\n", {"A=1"}, 0},
        {"last line without LF", "A=1\nB=2", {"A=1", "B=2"}, 0},
        {"empty file", "", {}, 0},
        {"line without =", "A=1\njunk\nB=2\n", {"A=1", "B=2"}, SPAX_E_BAD_OPTION_FILE},
        {"empty name", "=value\n", {}, SPAX_E_BAD_OPTION_FILE},
        {"missing file", nullptr, {}, SPAX_E_BAD_OPTION_FILE},
    };
    for (const LoadCase& row : cases) {
        SCOPED_TRACE(row.label);
        const std::string path = scratch.file("load.txt");
        std::filesystem::remove(path);
        if (row.content) writeFile(path, row.content);

        SPAIOptions options;
        options.Add(SPAIOptionName::SaveMode, SPAIValue(9)); // replaced by the load
        SPAIFile file(path.c_str());
        EXPECT_EQ(options.Load(file).GetCode(), row.code);
        std::vector<std::string> loaded;
        for (const auto& entry : options.GetEntries()) {
            EXPECT_EQ(entry.value.GetKind(), SPAIValue::Kind::Text);
            loaded.push_back(entry.name + "=" + entry.value.ToText());
        }
        EXPECT_EQ(loaded, row.entries);
    }
}

// ---------------------------------------------------------------------------
// Documents
// ---------------------------------------------------------------------------

TEST_F(StandIn, DocumentRefusesUnknownUnitsAndReportsUnknownTypes) {
    SPAIDocument document(nullptr);
    EXPECT_EQ(document.GetPath(), "");
    {
        SPAIUnit meter(SPAIUnitMeter);
        EXPECT_EQ(document.SetUnit(meter).GetCode(), SPAX_S_OK);
        SPAIUnit unknown(SPAIUnitUnknown);
        EXPECT_EQ(document.SetUnit(unknown).GetCode(), SPAX_E_UNKNOWN_UNIT);
        SPAIUnit outOfRange(static_cast<SPAIUnitValue>(42));
        EXPECT_EQ(document.SetUnit(outOfRange).GetCode(), SPAX_E_UNKNOWN_UNIT);
    }
    EXPECT_EQ(document.GetUnit(), SPAIUnitMeter);

    EXPECT_EQ(document.SetType("VDA").GetCode(), SPAX_S_OK);
    EXPECT_EQ(document.SetType("Vda").GetCode(), SPAX_E_UNKNOWN_TYPE);
    EXPECT_EQ(document.GetType(), "Vda") << "kept, so that Convert refuses it";
    EXPECT_EQ(document.SetType(nullptr).GetCode(), SPAX_E_UNKNOWN_TYPE);
}

// ---------------------------------------------------------------------------
// Log
// ---------------------------------------------------------------------------

TEST_F(StandIn, LogTellsDocumentsUnitOptionsProgressResultAndThatNothingIsTranslated) {
    const std::string in = scratch.file("part.igs");
    const std::string out = scratch.file("part.x_t");
    const std::string log = scratch.file("convert.log");
    writeFile(in, "model");
    {
        SPAIDocument source(in.c_str());
        SPAIDocument target(out.c_str());
        SPAIConverter converter;
        SPAIUnit unit(SPAIUnitMeter);
        target.SetUnit(unit);
        source.SetType("IGES");
        target.SetType("Parasolid");
        SPAIOptions options;
        options.Add(SPAIOptionName::SaveMode, SPAIValue(1));
        converter.AppendOptions(options);
        SPAIFile logFile(log.c_str());
        ASSERT_EQ(converter.StartLog(logFile).GetCode(), SPAX_S_OK);
        EXPECT_EQ(converter.StartLog(logFile).GetCode(), SPAX_E_LOG) << "one log at a time";
        converter.SetProgressCallback(&ignoreProgress);
        converter.Convert(source, target);
        SPAIFile other(scratch.file("other.log").c_str());
        EXPECT_EQ(converter.StopLog(other).GetCode(), SPAX_E_LOG);
        EXPECT_EQ(converter.StopLog(logFile).GetCode(), SPAX_S_OK);
        EXPECT_EQ(converter.StopLog(logFile).GetCode(), SPAX_E_LOG) << "already stopped";
    }
    const std::string text = readFile(log);
    const std::vector<std::string> expectedLines = {
        "translates no geometry",
        "source " + in + " (type \"IGES\")",
        "target " + out + " (type \"Parasolid\", unit meter)",
        "option SaveMode = 1 (int)",
        "progress 0%",
        "progress 100%",
        "Result 0x0 (success)",
        "Log stopped.",
    };
    for (const std::string& expected : expectedLines)
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST_F(StandIn, LogThatIsNeverStoppedIsClosedByTheConverter) {
    const std::string log = scratch.file("convert.log");
    {
        SPAIConverter converter;
        SPAIFile logFile(log.c_str());
        converter.StartLog(logFile);
    }
    EXPECT_NE(readFile(log).find("without StopLog"), std::string::npos);
}

TEST_F(StandIn, LogThatCannotBeCreatedIsRefused) {
    SPAIConverter converter;
    SPAIFile unwritable(scratch.file("no/such/folder/convert.log").c_str());
    EXPECT_EQ(converter.StartLog(unwritable).GetCode(), SPAX_E_LOG);
    SPAIFile none("");
    EXPECT_EQ(converter.StartLog(none).GetCode(), SPAX_E_LOG);
}

// ---------------------------------------------------------------------------
// Test seams
// ---------------------------------------------------------------------------

TEST(StandInSeams, CodesParseAsDecimalOrHexInFull) {
    const struct {
        const char* text;
        std::optional<long> code;
    } cases[] = {
        {"0", 0L},
        {"42", 42L},
        {"-7", -7L},
        {"0x2000003", 0x2000003L},
        {"0X3000006", 0x3000006L},
        {"", std::nullopt},
        {"0x", std::nullopt},
        {"12abc", std::nullopt},
        {" 5", std::nullopt},
        {"0x-5", std::nullopt},
        {"+5", std::nullopt},
        {"-", std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(spax_standin::ParseCode(row.text), row.code);
    }
}

TEST_F(StandIn, ForcedResultReplacesTheCodeAfterTheWorkIsDone) {
    const std::string in = scratch.file("in.igs");
    writeFile(in, "model");
    const struct {
        const char* setting;
        bool sourceExists;
        long code;
    } cases[] = {
        {"0x2000003", true, SPAX_W_STOPPED_BY_HOST},
        {"77", true, 77},
        {"0", false, SPAX_S_OK},
        {"not a number", true, SPAX_S_OK},
        {"not a number", false, SPAX_E_CONVERSION_FAILED},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.setting);
        setEnvironment("SPAX_STANDIN_CONVERT_RESULT", row.setting);
        const std::string out = scratch.file("out.x_t");
        std::filesystem::remove(out);
        EXPECT_EQ(
            convert(row.sourceExists ? in : scratch.file("missing.igs"), "IGES", out, "Parasolid"),
            row.code);
        EXPECT_EQ(std::filesystem::exists(out), row.sourceExists) << "the work is done";
    }
}

TEST_F(StandIn, InjectedFailureThrowsAfterTheJournalLine) {
    const std::string in = scratch.file("in.igs");
    const std::string out = scratch.file("out.x_t");
    writeFile(in, "model");
    setEnvironment("SPAX_STANDIN_THROW", "SPAIConverter::Convert");
    EXPECT_THROW(convert(in, "IGES", out, "Parasolid"), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(out));
    const auto lines = journalLines();
    ASSERT_GE(lines.size(), 4u);
    const std::vector<std::string> tail(lines.end() - 4, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"SPAIConverter::Convert\t" + in + "\t" + out,
                                              "~SPAIConverter", "~SPAIDocument\t" + out,
                                              "~SPAIDocument\t" + in}));
}

TEST_F(StandIn, InjectedFailureCanNameOneCallOfAnOperation) {
    setEnvironment("SPAX_STANDIN_THROW", "SPAIDocument#2");
    SPAIDocument first("a");
    EXPECT_THROW(SPAIDocument("b"), std::runtime_error);
    SPAIDocument third("c"); // only the second call fails

    setEnvironment("SPAX_STANDIN_THROW", "SPAIDocument#1"); // a new value counts afresh
    EXPECT_THROW(SPAIDocument("d"), std::runtime_error);
    SPAIDocument fifth("e");

    EXPECT_EQ(journalLines(),
              (std::vector<std::string>{"SPAIDocument\ta", "SPAIDocument\tb", "SPAIDocument\tc",
                                        "SPAIDocument\td", "SPAIDocument\te"}))
        << "a failed construction leaves no destruction line";
}

TEST_F(StandIn, DestructorsNeverThrow) {
    for (const char* name :
         {"~SPAIDocument", "~SPAIConverter", "~SPAIOptions", "~SPAIFile", "~SPAIUnit"}) {
        setEnvironment("SPAX_STANDIN_THROW", name);
        SPAIDocument document("d");
        SPAIConverter converter;
        SPAIOptions options;
        SPAIFile file("f");
        SPAIUnit unit(SPAIUnitMeter);
    }
    EXPECT_EQ(journalLines().size(), 50u);
}

} // namespace
