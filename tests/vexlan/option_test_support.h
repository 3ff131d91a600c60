// Helpers for the option tests: a scratch directory for option files, the
// "topdir" variable, taking over the arrays the library hands out, and the
// option file a conversion applied.
#ifndef VEXLAN_TESTS_OPTION_TEST_SUPPORT_H
#define VEXLAN_TESTS_OPTION_TEST_SUPPORT_H

#include "test_support.h"
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vexlan_test {

// Sets or removes an environment variable for the life of the object, and
// restores what was there before.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::optional<std::string>& value)
        : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str())) m_previous = old;
        apply(value);
    }
    ~ScopedEnvironment() { apply(m_previous); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void apply(const std::optional<std::string>& value) {
        if (value)
            test_support::setEnvironment(m_name.c_str(), *value);
        else
            test_support::unsetEnvironment(m_name.c_str());
    }

    std::string m_name;
    std::optional<std::string> m_previous;
};

// A scratch directory for option files, and "topdir" values that lead to it.
class ScratchDirectory : public test_support::ScratchDirectory {
public:
    // The directory with a trailing separator, as "topdir" wants it.
    std::string withSeparator() const { return (path() / "").string(); }
    std::string withoutSeparator() const { return path().string(); }

    // Writes `bytes` exactly as given (no line-end translation), creating
    // the folders on the way, and returns the file's path.
    std::string write(const std::string& relative, const std::string& bytes) const {
        const auto file = path() / relative;
        std::filesystem::create_directories(file.parent_path());
        test_support::writeFile(file.string(), bytes);
        EXPECT_EQ(test_support::readFile(file.string()), bytes) << file;
        return file.string();
    }
};

inline constexpr const char* kMasterLocation = "vexlan/res/OptionsMaster.opt";

// A master options file in a scratch directory, with "topdir" pointing at it.
class MasterOptionsFixture {
public:
    explicit MasterOptionsFixture(const std::string& content)
        : m_topdir("topdir", m_directory.withSeparator()) {
        VxInitializeMaps();
        m_directory.write(kMasterLocation, content);
    }
    const ScratchDirectory& directory() const { return m_directory; }

private:
    ScratchDirectory m_directory;
    ScopedEnvironment m_topdir;
};

struct Option {
    std::string name;
    std::string value;
    std::string detail;
    bool operator==(const Option&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Option& option) {
    return out << '{' << option.name << '|' << option.value << '|' << option.detail << '}';
}

// Copies the handed-out arrays and releases every block the way the host
// does: each string, then each array, with free.
inline std::vector<Option> takeOptionArrays(char** names, char** values, char** details,
                                            int count) {
    std::vector<Option> options;
    for (int i = 0; i < count; ++i)
        options.push_back({names[i], values[i], details[i]});
    test_support::releaseOptionArrays(names, values, details, count);
    return options;
}

// The master option set of a format and direction, through the exported
// function; empty when the library hands out nothing. The direction
// indicator goes to the library as given.
inline std::vector<Option> masterOptions(int type, int isReader) {
    char** names = nullptr;
    char** values = nullptr;
    char** details = nullptr;
    int count = -1;
    const int result = VxGetCadOptionData(type, isReader, &names, &values, &details, &count);
    EXPECT_EQ(result, count > 0 ? 1 : 0);
    if (result == 0) {
        EXPECT_EQ(count, 0);
        EXPECT_EQ(names, nullptr);
        EXPECT_EQ(values, nullptr);
        EXPECT_EQ(details, nullptr);
        return {};
    }
    return takeOptionArrays(names, values, details, count);
}

// What VxGetCadOptionDataFromFile reports for a user option file.
struct FileOptions {
    int result = -1;
    int type = -1;
    int isReader = -1;
    std::vector<Option> options;
};

inline FileOptions userFileOptions(const std::string& path) {
    FileOptions out;
    char** names = nullptr;
    char** values = nullptr;
    char** details = nullptr;
    int count = -1;
    std::string argument = path;
    out.result = VxGetCadOptionDataFromFile(argument.data(), &out.type, &out.isReader, &names,
                                            &values, &details, &count);
    if (out.result == 1) {
        EXPECT_GT(count, 0);
        out.options = takeOptionArrays(names, values, details, count);
    } else {
        EXPECT_EQ(count, 0);
        EXPECT_EQ(names, nullptr);
        EXPECT_EQ(values, nullptr);
        EXPECT_EQ(details, nullptr);
    }
    return out;
}

inline constexpr const char* kNoOptionFileApplied = "(no option file applied)";

// The temporary option file a conversion applied, as the Load line of the
// translator stand-in's journal names it; kNoOptionFileApplied without one.
inline std::string temporaryOptionFile(const std::vector<std::string>& journal) {
    const std::string load = "SPAIOptions::Load\t";
    for (const std::string& line : journal)
        if (line.rfind(load, 0) == 0)
            return line.substr(load.size(), line.find('\t', load.size()) - load.size());
    return kNoOptionFileApplied;
}

} // namespace vexlan_test

#endif // VEXLAN_TESTS_OPTION_TEST_SUPPORT_H
