#include "journal_file.h"

#include <cstdlib>
#include <fstream>
#include <random>

namespace testsupport {

namespace {
constexpr const char* kVariable = "ARBORKIT_STANDIN_JOURNAL";
}

void setEnvironment(const char* name, const char* value) {
#if defined(_WIN32)
    _putenv_s(name, value == nullptr ? "" : value);
#else
    if (value == nullptr) {
        unsetenv(name);
    } else {
        setenv(name, value, 1);
    }
#endif
}

ScopedJournal::ScopedJournal() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("arborkit-journal-" + std::to_string(random()) + "-" + std::to_string(random()));
    setEnvironment(kVariable, path_.string().c_str());
}

ScopedJournal::~ScopedJournal() {
    setEnvironment(kVariable, nullptr);
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

std::vector<std::string> ScopedJournal::lines() const {
    std::vector<std::string> result;
    std::ifstream in(path_, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
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
    setEnvironment(kVariable, std::filesystem::temp_directory_path().string().c_str());
}

} // namespace testsupport
