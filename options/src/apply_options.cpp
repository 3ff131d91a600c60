// Handing an option set to the translator: through a temporary option file
// of name=value lines that the translator loads.
#include "host_core.h"
#include "spax/converter.h"
#include "spax/file.h"
#include "spax/options.h"
#include "vexlan/vexlan_options.h"

#include <cstdio>
#include <fstream>

namespace {

// Removes the temporary option file when the scope is left, by return or by
// an exception, so that no file is left behind.
class TemporaryOptionFile {
public:
    explicit TemporaryOptionFile(const char* path) : m_path(path) {}
    ~TemporaryOptionFile() {
        if (*m_path != '\0') std::remove(m_path);
    }

    TemporaryOptionFile(const TemporaryOptionFile&) = delete;
    TemporaryOptionFile& operator=(const TemporaryOptionFile&) = delete;

private:
    const char* m_path;
};

} // namespace

bool VexlanOptions::WriteOptionsFile(char* path) {
    if (path == nullptr || *path == '\0') return false;
    // Text mode: each line ends the way the platform ends text lines.
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file) return false;
    for (std::size_t i = 0; i < m_optionNames.size(); ++i)
        file << m_optionNames[i] << '=' << m_optionValues[i] << '\n';
    file.close();
    // A file that could not be written in full would hand the translator a
    // truncated option set: report it rather than claim success.
    return !file.fail();
}

bool VexlanOptions::ApplyCADOptionsToConverter(SPAIConverter& converter) {
    char path[vexlan::kTemporaryNameSize];
    vexlan::hostCore().temporaryName(path);
    TemporaryOptionFile temporary(path);

    const bool written = WriteOptionsFile(path);
    SPAIOptions options;
    {
        SPAIFile file(path);
        options.Load(file);
    }
    const SPAIResult accepted = converter.SetOptions(options);
    // The translator accepting an empty set does not mean that our options,
    // which never reached the file, were applied.
    return written && accepted == SPAX_S_OK;
}
