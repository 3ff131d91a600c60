// Handing an option set to the translator: the temporary option file and
// what the translator receives.
#include "option_test_support.h"
#include "spax/converter.h"
#include "test_support.h"
#include "vexlan/vexlan.h"
#include "vexlan/vexlan_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using test_support::readLines;
using test_support::setEnvironment;
using test_support::text;
using test_support::writeFile;
using Lines = std::vector<std::string>;

// Read in text mode, so that the platform's line ends read as "\n".
std::string readText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

const char* const kMasterFile = "[IGES-R]\n"
                                "Tolerance=0.001\n"
                                "ReadLayers=1\n"
                                "[STEP-R]\n"
                                "Tolerance= 0.5\n"
                                "[JT-R]\n"
                                "Tolerance=0.1\n"
                                "NotATranslatorOption=1\n";

class ApplyingOptions : public ::testing::Test {
protected:
    void SetUp() override {
        temporaryDirectory = scratch.file("tmp");
        fs::create_directory(temporaryDirectory);
        test_support::setTemporaryDirectory(temporaryDirectory);
        journal = scratch.file("journal.txt");
        setEnvironment("SPAX_STANDIN_JOURNAL", journal);
        VxInitializeMaps();
    }

    // The master options file, with "topdir" leading to it until the test ends.
    vexlan_test::MasterOptionsFixture master{kMasterFile};
    const vexlan_test::ScratchDirectory& scratch = master.directory();
    std::string temporaryDirectory;
    std::string journal;
};

TEST_F(ApplyingOptions, OptionsFileHoldsOneNameValueLinePerOptionInOrder) {
    const struct {
        VexlanGeometryType type;
        const char* content;
    } cases[] = {
        {VX_IGES, "Tolerance=0.001\nReadLayers=1\n"},
        {VX_STEP, "Tolerance= 0.5\n"}, // the value's leading blank is kept
        {VX_VDA, ""},                  // no options: an empty file
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.type);
        VexlanOptions options(row.type, true);
        const std::string path = scratch.file("options.txt");
        writeFile(path, "previous content that is longer than the new one\n");
        EXPECT_TRUE(options.WriteOptionsFile(text(path)));
        EXPECT_EQ(readText(path), row.content);
    }
}

TEST_F(ApplyingOptions, OptionsFileThatCannotBeWrittenIsFalse) {
    VexlanOptions options(VX_IGES, true);
    EXPECT_FALSE(options.WriteOptionsFile(nullptr));
    EXPECT_FALSE(options.WriteOptionsFile(text("")));
    EXPECT_FALSE(options.WriteOptionsFile(text(scratch.file("no/such/folder/options.txt"))));
    EXPECT_FALSE(options.WriteOptionsFile(text(temporaryDirectory))) << "a directory";
}

TEST_F(ApplyingOptions, TranslatorReceivesTheSetAndTheTemporaryFileIsGone) {
    const struct {
        VexlanGeometryType type;
        bool accepted;
        Lines inForce;
    } cases[] = {
        {VX_IGES, true, {"Tolerance=0.001", "ReadLayers=1"}},
        {VX_VDA, true, {}},
        {VX_JT, false, {}}, // refused: the translator knows no NotATranslatorOption
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.type);
        fs::remove(journal);
        VexlanOptions options(row.type, true);
        SPAIConverter converter;
        EXPECT_EQ(options.ApplyCADOptionsToConverter(converter), row.accepted);

        Lines inForce;
        for (const auto& entry : converter.GetOptionsInForce())
            inForce.push_back(entry.name + "=" + entry.value.ToText());
        EXPECT_EQ(inForce, row.inForce);
        EXPECT_TRUE(fs::is_empty(temporaryDirectory)) << "whatever the result";

        const Lines lines = readLines(journal);
        ASSERT_EQ(lines.size(), 7u); // converter, then the six operations of applying
        EXPECT_EQ(lines[1], "SPAIOptions");
        EXPECT_EQ(lines[2].rfind("SPAIFile\t" + (fs::path(temporaryDirectory) / "").string(), 0),
                  0u)
            << lines[2];
        EXPECT_EQ(lines[3].rfind("SPAIOptions::Load\t", 0), 0u);
        EXPECT_EQ(lines[5].rfind("SPAIConverter::SetOptions", 0), 0u);
        EXPECT_EQ(lines[6], "~SPAIOptions");
    }
}

TEST_F(ApplyingOptions, NoTemporaryFileMeansTheOptionsWereNotApplied) {
    test_support::setTemporaryDirectory(scratch.file("missing"));
    VexlanOptions options(VX_IGES, true);
    SPAIConverter converter;
    EXPECT_FALSE(options.ApplyCADOptionsToConverter(converter))
        << "an empty set reaching the translator is no success";
    EXPECT_TRUE(converter.GetOptionsInForce().empty());
}

} // namespace
