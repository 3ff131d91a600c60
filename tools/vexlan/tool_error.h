// The failures the tool reports, each with the exit code it ends with.
#ifndef VEXLAN_TOOL_TOOL_ERROR_H
#define VEXLAN_TOOL_TOOL_ERROR_H

#include <stdexcept>
#include <string>

namespace vexlan::tool {

// The tool's exit codes.
enum ExitCode : int {
    kSuccess = 0,
    kFailed = 1,  // the work failed: a conversion, a file, the library, the set-up
    kUsage = 2,   // the command line is wrong
    kStopped = 3, // a conversion was stopped before it finished
};

// A failure with a one-line message for the user; main prints it and ends
// with its code.
class ToolError : public std::runtime_error {
public:
    ToolError(ExitCode code, const std::string& message)
        : std::runtime_error(message), m_code(code) {}
    ExitCode code() const { return m_code; }

private:
    ExitCode m_code;
};

} // namespace vexlan::tool

#endif // VEXLAN_TOOL_TOOL_ERROR_H
