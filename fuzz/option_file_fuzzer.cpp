// Feeds arbitrary bytes to the option-file readers, once as the master
// options file and once as a user option file, and checks what the library
// hands out: no name or value holds "=", none is empty unless the file holds
// NUL bytes (which end a text on the host's side), no text is longer than a
// line allows, and every block is released with free.
#include "test_support.h"
#include "vexlan/vexlan.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// Longest name, value or detail text: a 511-character line less the "=" and
// at least one character of the other piece.
constexpr std::size_t kLongestText = 509;

void check(bool condition) {
    if (!condition) __builtin_trap();
}

// A private directory laid out as "topdir" expects, set up once.
struct Workspace {
    test_support::ScratchDirectory directory;
    std::string masterFile = directory.file("vexlan/res/OptionsMaster.opt");
    std::string userFile = directory.file("user.opt");

    Workspace() {
        std::filesystem::create_directories(directory.path() / "vexlan" / "res");
        test_support::setEnvironment("topdir", (directory.path() / "").string());
        VxInitializeMaps();
    }
};

std::string bytes(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

void checkAndRelease(int result, char** names, char** values, char** details, int count,
                     bool mayHoldNul) {
    check(result == (count > 0 ? 1 : 0));
    check((names == nullptr) == (count == 0));
    for (int i = 0; i < count; ++i) {
        const std::size_t name = std::strlen(names[i]);
        check((name > 0 || mayHoldNul) && name <= kLongestText &&
              std::strchr(names[i], '=') == nullptr);
        const std::size_t value = std::strlen(values[i]);
        check((value > 0 || mayHoldNul) && value <= kLongestText &&
              std::strchr(values[i], '=') == nullptr);
        check(std::strlen(details[i]) <= kLongestText);
    }
    test_support::releaseOptionArrays(names, values, details, count);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Workspace workspace;
    const bool mayHoldNul = std::memchr(data, 0, size) != nullptr;
    char** names = nullptr;
    char** values = nullptr;
    char** details = nullptr;
    int count = 0;

    // The bytes as the master options file, asked for a few option sets.
    test_support::writeFile(workspace.masterFile, bytes(data, size));
    test_support::writeFile(workspace.userFile, "");
    for (const int type : {VX_IGES, VX_STEP, VX_SOLIDWORKS}) {
        for (const int isReader : {0, 1}) {
            const int result =
                VxGetCadOptionData(type, isReader, &names, &values, &details, &count);
            checkAndRelease(result, names, values, details, count, mayHoldNul);
        }
    }

    // The same bytes as a user option file over a small master file.
    static const char kMaster[] = "[IGES-R]\nA=1\nB=2\n[IGES-RD]\nA=a\n[STEP-W]\nC=3\n";
    test_support::writeFile(workspace.masterFile, kMaster);
    test_support::writeFile(workspace.userFile, bytes(data, size));
    int type = -1;
    int isReader = -1;
    const int result = VxGetCadOptionDataFromFile(workspace.userFile.data(), &type, &isReader,
                                                  &names, &values, &details, &count);
    check(isReader == 0 || isReader == 1);
    checkAndRelease(result, names, values, details, count, mayHoldNul);

    char formatName[11];
    check(VxGetTypeOfOptFile(workspace.userFile.data(), formatName, &isReader) == 1);
    check(std::strlen(formatName) <= 10);
    return 0;
}
