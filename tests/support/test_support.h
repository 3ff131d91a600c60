// Small helpers shared by the test suites: scratch directories, whole-file
// reads, environment variables and the release of handed-out option arrays.
#ifndef VEXLAN_TESTS_TEST_SUPPORT_H
#define VEXLAN_TESTS_TEST_SUPPORT_H

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <cstdlib>
#include <stdlib.h>

namespace test_support {

// The temporary directory the process started with; tests may point the
// environment elsewhere afterwards.
inline const std::filesystem::path& originalTemporaryDirectory() {
    static const std::filesystem::path directory = std::filesystem::temp_directory_path();
    return directory;
}

// A fresh directory under the original temporary directory, removed with
// everything in it when the object goes away.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = originalTemporaryDirectory() /
                     ("vexlan-test-" + std::to_string(random()) + std::to_string(random()));
            if (std::filesystem::create_directory(m_path)) return;
        }
        throw std::runtime_error("cannot create a scratch directory");
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // Path of `name` inside the directory, as text.
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// The exported C functions take char* for texts they only read; this hands
// them the characters of a string.
inline char* text(const std::string& s) { return const_cast<char*>(s.c_str()); }

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

// The lines of a file, without their line feeds.
inline std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Environment variables: the only place the tests meet the platform's API.
inline void setEnvironment(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

inline void unsetEnvironment(const char* name) {
#if defined(_WIN32)
    _putenv_s(name, "");
#else
    unsetenv(name);
#endif
}

// Makes `directory` the temporary directory of this process, on every
// platform's variable for it.
inline void setTemporaryDirectory(const std::string& directory) {
    for (const char* name : {"TMPDIR", "TMP", "TEMP"})
        setEnvironment(name, directory);
}

// Releases option arrays the library handed out, the way the host does:
// each string, then each array, with free.
inline void releaseOptionArrays(char** names, char** values, char** details, int count) {
    for (int i = 0; i < count; ++i) {
        std::free(names[i]);
        std::free(values[i]);
        std::free(details[i]);
    }
    std::free(names);
    std::free(values);
    std::free(details);
}

} // namespace test_support

#endif // VEXLAN_TESTS_TEST_SUPPORT_H
