#include "journal_file.h"

#include "test_support.h"

#include <random>

namespace testsupport {

namespace {
constexpr const char* kVariable = "ARBORKIT_STANDIN_JOURNAL";
}

ScopedJournal::ScopedJournal() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("arborkit-journal-" + std::to_string(random()) + "-" + std::to_string(random()));
    test_support::setEnvironment(kVariable, path_.string());
}

ScopedJournal::~ScopedJournal() {
    test_support::unsetEnvironment(kVariable);
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

std::vector<std::string> ScopedJournal::lines() const {
    return test_support::readLines(path_.string());
}

std::vector<std::string> ScopedJournal::linesStartingWith(const std::string& prefix) const {
    std::vector<std::string> result;
    for (const std::string& line : lines()) {
        if (line.compare(0, prefix.size(), prefix) == 0) result.push_back(line);
    }
    return result;
}

void ScopedJournal::clear() const {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

void ScopedJournal::makeUnwritable() const {
    test_support::setEnvironment(kVariable, std::filesystem::temp_directory_path().string());
}

} // namespace testsupport
