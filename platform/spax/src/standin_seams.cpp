// The test seams of the translator stand-in: journal, injected failures and
// forced conversion results.
#include "standin_seams.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <stdexcept>

namespace spax_standin {
namespace {

// One lock for the journal file and the failure-injection counter, so that
// lines of concurrent operations never interleave.
std::mutex& seamLock() {
    static std::mutex lock;
    return lock;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Keeps one journal line per operation, whatever the arguments hold.
void appendEscaped(std::string& line, const std::string& text) {
    for (char c : text) {
        switch (c) {
        case '\t':
            line += "\\t";
            break;
        case '\n':
            line += "\\n";
            break;
        case '\r':
            line += "\\r";
            break;
        default:
            line += c;
        }
    }
}

std::string journalLine(const char* operation, const std::string* arguments, std::size_t count) {
    std::string line = operation;
    for (std::size_t i = 0; i < count; ++i) {
        line += '\t';
        appendEscaped(line, arguments[i]);
    }
    line += '\n';
    return line;
}

// Caller holds seamLock().
void appendToJournal(const std::string& line) {
    const std::string path = environment("SPAX_STANDIN_JOURNAL");
    if (path.empty()) return;
    std::FILE* journal = std::fopen(path.c_str(), "ab");
    if (journal == nullptr) {
        std::fprintf(stderr, "SPAX stand-in: cannot append to journal %s\n", path.c_str());
        return;
    }
    std::fwrite(line.data(), 1, line.size(), journal);
    std::fclose(journal);
}

// The parsed SPAX_STANDIN_THROW and how many calls of its operation were seen
// since it took its current value. Caller holds seamLock().
struct InjectedFailure {
    std::string setting;
    std::string operation;
    long occurrence = 0; // 0: every call
    long callsSeen = 0;

    bool firesFor(const char* name) {
        const std::string current = environment("SPAX_STANDIN_THROW");
        if (current != setting) reset(current);
        if (operation.empty() || operation != name) return false;
        ++callsSeen;
        return occurrence == 0 || callsSeen == occurrence;
    }

    void reset(const std::string& value) {
        setting = value;
        operation = value;
        occurrence = 0;
        callsSeen = 0;
        const auto mark = value.rfind('#');
        if (mark == std::string::npos) return;
        const auto number = ParseCode(value.substr(mark + 1));
        if (number && *number > 0) {
            operation = value.substr(0, mark);
            occurrence = *number;
        }
    }
};

InjectedFailure& injectedFailure() {
    static InjectedFailure failure;
    return failure;
}

} // namespace

void RecordOperation(const char* operation, const Arguments& arguments) {
    const std::string line = journalLine(operation, arguments.data(), arguments.size());
    bool fire = false;
    {
        std::lock_guard<std::mutex> hold(seamLock());
        appendToJournal(line);
        fire = injectedFailure().firesFor(operation);
    }
    if (fire)
        throw std::runtime_error(std::string("SPAX stand-in: injected failure in ") + operation);
}

void RecordRelease(const char* operation, const std::string* argument) noexcept {
    try {
        const std::string line = journalLine(operation, argument, argument == nullptr ? 0 : 1);
        std::lock_guard<std::mutex> hold(seamLock());
        appendToJournal(line);
    } catch (...) {
        // A destructor must not fail: a journal line lost to memory
        // exhaustion is the lesser harm.
    }
}

std::optional<long> ParseCode(const std::string& text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* digits = text.c_str() + (hex ? 2 : 0);
    // strtol would also take blanks and a sign where we want none.
    const unsigned char first = static_cast<unsigned char>(*digits);
    if (!(hex ? std::isxdigit(first) : (std::isdigit(first) || first == '-'))) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long value =
        hex ? static_cast<long>(std::strtoul(digits, &end, 16)) : std::strtol(digits, &end, 10);
    if (errno != 0 || *end != '\0') return std::nullopt;
    return value;
}

std::optional<long> ForcedConvertResult() {
    const std::string setting = environment("SPAX_STANDIN_CONVERT_RESULT");
    if (setting.empty()) return std::nullopt;
    const auto code = ParseCode(setting);
    if (!code)
        std::fprintf(stderr,
                     "SPAX stand-in: ignoring SPAX_STANDIN_CONVERT_RESULT=%s (not a number)\n",
                     setting.c_str());
    return code;
}

} // namespace spax_standin
