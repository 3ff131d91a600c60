// SPAIConverter: drives one conversion from a source document to a target
// document, with an option set, an optional log and a progress function.
//
// This converter is a stand-in for a real translator: Convert checks its
// inputs and copies the source file to the target unchanged. It translates
// no geometry, and says so in its log.
#ifndef SPAX_CONVERTER_H
#define SPAX_CONVERTER_H

#include "spax/export.h"
#include "spax/options.h"
#include "spax/progress.h"
#include "spax/result.h"

#include <memory>

class SPAIDocument;
class SPAIFile;

// Journalled: neither copied nor moved.
class SPAX_CONVERTER_API SPAIConverter {
public:
    SPAIConverter();
    ~SPAIConverter();

    SPAIConverter(const SPAIConverter&) = delete;
    SPAIConverter& operator=(const SPAIConverter&) = delete;

    // Replaces the options in force with `options`. SPAX_E_UNKNOWN_OPTION,
    // and nothing changes, when any name is not one the translator knows.
    // Within a set, a later entry of a name overrides an earlier one.
    SPAIResult SetOptions(const SPAIOptions& options);
    // Adds `options` to those in force; an entry whose name is already in
    // force replaces its value. Unknown names as for SetOptions.
    SPAIResult AppendOptions(const SPAIOptions& options);

    // Starts writing a readable log of the conversion to `file` (replacing
    // its content). SPAX_E_LOG when the file cannot be created or a log is
    // already running.
    SPAIResult StartLog(const SPAIFile& file);
    // Ends the log started with the same path. SPAX_E_LOG when no log runs
    // for that path. A log that is never stopped is closed when the
    // converter is destroyed.
    SPAIResult StopLog(const SPAIFile& file);

    // The progress function that Convert reports to; null for none.
    SPAIResult SetProgressCallback(SPAXProgressReportFct progress);

    // Converts `source` into `target`:
    //   1. both types must be known and the source a readable regular file,
    //      else SPAX_E_CONVERSION_FAILED;
    //   2. progress is reported at 0.0, while the data is copied, and at 1.0;
    //      a stop request at any report ends the conversion with
    //      SPAX_W_STOPPED_BY_HOST and leaves the target untouched;
    //   3. the copy is written beside the target and renamed onto it at the
    //      end, so the target is either complete or untouched; a failure to
    //      write it is SPAX_E_CONVERSION_FAILED.
    SPAIResult Convert(const SPAIDocument& source, const SPAIDocument& target);

    // The options in force, in the order their names were first set.
    const std::vector<SPAIOptions::Entry>& GetOptionsInForce() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

#endif // SPAX_CONVERTER_H
