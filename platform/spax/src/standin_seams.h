// Test seams of the translator stand-in, shared by its two libraries.
//
// They are read from the environment on every operation, so a test can
// change them between calls:
//   SPAX_STANDIN_JOURNAL=<path>        every operation appends one line:
//                                      its name, then each argument preceded
//                                      by a TAB, then LF; flushed at once.
//                                      A TAB, CR or LF inside an argument is
//                                      written as \t, \r or \n.
//   SPAX_STANDIN_THROW=<op>[#<n>]      operation <op> (a journal name such as
//                                      SPAIConverter::Convert or SPAIDocument)
//                                      writes its journal line and then throws
//                                      std::runtime_error; with #<n>, only its
//                                      n-th call since the variable took this
//                                      value. Destructors never throw.
//   SPAX_STANDIN_CONVERT_RESULT=<code> Convert does its work and then returns
//                                      this code (decimal or 0x-hex).
#ifndef SPAX_STANDIN_SEAMS_H
#define SPAX_STANDIN_SEAMS_H

#include "spax/export.h"

#include <optional>
#include <string>
#include <vector>

namespace spax_standin {

using Arguments = std::vector<std::string>;

// Journals one operation, then throws if SPAX_STANDIN_THROW names this call.
SPAX_BASE_API void RecordOperation(const char* operation, const Arguments& arguments);

// Journals a destructor, with at most one argument. Never throws.
SPAX_BASE_API void RecordRelease(const char* operation, const std::string* argument) noexcept;

// The code that SPAX_STANDIN_CONVERT_RESULT forces on Convert. Empty when
// the variable is unset; a value that is not a number is reported on
// standard error and ignored.
SPAX_BASE_API std::optional<long> ForcedConvertResult();

// Parses "123", "-5" or "0x2000003" in full; empty for anything else.
SPAX_BASE_API std::optional<long> ParseCode(const std::string& text);

} // namespace spax_standin

#endif // SPAX_STANDIN_SEAMS_H
