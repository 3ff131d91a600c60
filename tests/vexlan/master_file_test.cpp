// The master options file that ships with the library, as laid out in the
// build's share/ (where "topdir" points for an installed package too).
#include "option_test_support.h"
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::set<std::string> kKnownNames = {
#define SPAX_OPTION_NAME(name) #name,
#include "spax/option_names.inc"
#undef SPAX_OPTION_NAME
};

const char* const kFormats[] = {"CATIAV4",   "CATIAV5", "IGES",       "Karvex", "JT", "ACIS",
                                "Parasolid", "ProE",    "SolidWorks", "STEP",   "UG", "VDA"};

// The file as sections: header line -> entry lines (name, text), in order.
// Deliberately independent of the library's reader: this checks the data.
struct Entry {
    std::string name;
    std::string text;
};
using Sections = std::map<std::string, std::vector<Entry>>;

struct ShippedFile {
    std::vector<std::string> lines;
    Sections sections;
    std::vector<std::string> headerOrder;
};

ShippedFile readShippedFile() {
    ShippedFile file;
    std::ifstream in(std::string(VEXLAN_STAGE_SHARE_DIR) + "vexlan/res/OptionsMaster.opt",
                     std::ios::binary);
    EXPECT_TRUE(in.is_open());
    std::string line;
    std::vector<Entry>* current = nullptr;
    while (std::getline(in, line)) {
        file.lines.push_back(line);
        if (line.empty() || line[0] == '!') continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos && line.find('[') != std::string::npos) {
            file.headerOrder.push_back(line);
            current = &file.sections[line];
            continue;
        }
        if (current != nullptr && equals != std::string::npos)
            current->push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
    return file;
}

class ShippedMasterFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { file = new ShippedFile(readShippedFile()); }
    static void TearDownTestSuite() { delete file; }
    static ShippedFile* file;
};
ShippedFile* ShippedMasterFile::file = nullptr;

TEST_F(ShippedMasterFile, LinesArePlainShortAndWellFormed) {
    ASSERT_FALSE(file->lines.empty());
    EXPECT_EQ(file->lines.front()[0], '!') << "the file opens with its comment block";
    for (const std::string& line : file->lines) {
        SCOPED_TRACE(line);
        EXPECT_LE(line.size(), 511u);
        EXPECT_EQ(line.find('\r'), std::string::npos);
        for (const char c : line)
            EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "plain printable text";
    }
}

TEST_F(ShippedMasterFile, HoldsExactlyTheFourSectionsOfEveryFormatOnce) {
    std::set<std::string> expected;
    for (const char* format : kFormats)
        for (const char* suffix : {"-R]", "-RD]", "-W]", "-WD]"})
            expected.insert(std::string("[") + format + suffix);
    EXPECT_EQ(std::set<std::string>(file->headerOrder.begin(), file->headerOrder.end()), expected);
    EXPECT_EQ(file->headerOrder.size(), 48u) << "no header appears twice";
}

TEST_F(ShippedMasterFile, EveryOptionIsKnownDistinctAndExplained) {
    for (const char* format : kFormats) {
        for (const char* direction : {"-R", "-W"}) {
            const std::string header = std::string("[") + format + direction;
            SCOPED_TRACE(header + "]");
            const std::vector<Entry>& options = file->sections[header + "]"];
            const std::vector<Entry>& details = file->sections[header + "D]"];
            EXPECT_GE(options.size(), 8u);
            EXPECT_LE(options.size(), 25u);

            std::set<std::string> names;
            for (const Entry& option : options) {
                EXPECT_TRUE(kKnownNames.count(option.name)) << option.name << " is unknown";
                EXPECT_TRUE(names.insert(option.name).second) << option.name << " twice";
                EXPECT_FALSE(option.text.empty()) << option.name << " has no default";
                EXPECT_EQ(option.text.find('='), std::string::npos);
            }
            std::set<std::string> explained;
            for (const Entry& detail : details) {
                EXPECT_TRUE(names.count(detail.name)) << detail.name << " explains no option";
                EXPECT_TRUE(explained.insert(detail.name).second) << detail.name << " twice";
                EXPECT_GE(detail.text.size(), 20u) << detail.name << " needs a real explanation";
            }
            EXPECT_EQ(explained, names) << "every option has exactly one detail text";
        }
    }
}

// What the host receives from the shipped file: for every format and
// direction the very option section of the file, each option explained.
TEST_F(ShippedMasterFile, EveryFormatAndDirectionHandsOutItsOptionSet) {
    VxInitializeMaps();
    vexlan_test::ScopedEnvironment topdir("topdir", std::string(VEXLAN_STAGE_SHARE_DIR));
    for (int type = 0; type < 12; ++type) {
        for (const bool isReader : {true, false}) {
            const std::string header = std::string("[") + kFormats[type] + (isReader ? "-R" : "-W");
            SCOPED_TRACE(header + "]");
            const std::vector<vexlan_test::Option> options =
                vexlan_test::masterOptions(type, isReader);
            const std::vector<Entry>& section = file->sections[header + "]"];
            ASSERT_EQ(options.size(), section.size());
            for (std::size_t i = 0; i < options.size(); ++i) {
                EXPECT_EQ(options[i].name, section[i].name);
                EXPECT_EQ(options[i].value, section[i].text);
                EXPECT_FALSE(options[i].detail.empty()) << options[i].name;
            }
        }
    }
}

TEST_F(ShippedMasterFile, AUserFileChangesItsValues) {
    VxInitializeMaps();
    vexlan_test::ScratchDirectory directory;
    vexlan_test::ScopedEnvironment topdir("topdir", std::string(VEXLAN_STAGE_SHARE_DIR));
    const vexlan_test::FileOptions got = vexlan_test::userFileOptions(
        directory.write("export.opt", "! saved by the host\r\n[STEP-W]\r\nWriteSchema=AP242\r\n"
                                      "WriteUnits=Inch\r\nNoSuchOption=1\r\n"));
    ASSERT_EQ(got.result, 1);
    EXPECT_EQ(got.type, VX_STEP);
    EXPECT_EQ(got.isReader, 0);
    std::map<std::string, std::string> values;
    for (const vexlan_test::Option& option : got.options)
        values[option.name] = option.value;
    EXPECT_EQ(got.options.size(), file->sections["[STEP-W]"].size());
    EXPECT_EQ(values["WriteSchema"], "AP242");
    EXPECT_EQ(values["WriteUnits"], "Inch");
    EXPECT_EQ(values["Tolerance"], "0.001");
    EXPECT_EQ(values.count("NoSuchOption"), 0u);
}

} // namespace
