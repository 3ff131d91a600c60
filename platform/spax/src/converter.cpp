#include "spax/converter.h"

#include "conversion_log.h"
#include "spax/document.h"
#include "spax/file.h"
#include "standin_seams.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

namespace {

constexpr std::string_view kKnownOptionNames[] = {
#define SPAX_OPTION_NAME(name) #name,
#include "spax/option_names.inc"
#undef SPAX_OPTION_NAME
};

bool isKnownOptionName(const std::string& name) {
    for (std::string_view known : kKnownOptionNames)
        if (known == name) return true;
    return false;
}

bool allNamesKnown(const SPAIOptions& options) {
    for (const SPAIOptions::Entry& entry : options.GetEntries())
        if (!isKnownOptionName(entry.name)) return false;
    return true;
}

std::string hexCode(long code) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(code));
    return text;
}

std::string describeResult(long code) {
    return hexCode(code) + " (" + SPAIResult::Describe(code) + ")";
}

// Size of the pieces in which Convert copies, one progress report each.
constexpr std::size_t kCopyChunk = 64 * 1024;

} // namespace

struct SPAIConverter::State {
    std::vector<SPAIOptions::Entry> inForce;
    SPAXProgressReportFct progress = nullptr;
    std::optional<spax_standin::ConversionLog> log;

    void setOption(const SPAIOptions::Entry& entry) {
        for (SPAIOptions::Entry& current : inForce) {
            if (current.name == entry.name) {
                current.value = entry.value;
                return;
            }
        }
        inForce.push_back(entry);
    }

    void logLine(const std::string& line) {
        if (log) log->Write(line);
    }

    // Reports progress; true when the host asks to stop.
    bool reportProgress(double fraction) {
        if (progress == nullptr) return false;
        int stop = 0;
        progress(fraction, stop);
        logLine("  progress " + std::to_string(static_cast<int>(fraction * 100.0 + 0.5)) + "%" +
                (stop != 0 ? ": the host asks to stop" : ""));
        return stop != 0;
    }

    long convert(const SPAIDocument& source, const SPAIDocument& target);
    long copyWithProgress(const std::string& from, const std::string& to);
};

SPAIConverter::SPAIConverter() : m_state(std::make_unique<State>()) {
    spax_standin::RecordOperation("SPAIConverter", {});
}

SPAIConverter::~SPAIConverter() { spax_standin::RecordRelease("~SPAIConverter", nullptr); }

SPAIResult SPAIConverter::SetOptions(const SPAIOptions& options) {
    spax_standin::Arguments journal;
    for (const SPAIOptions::Entry& entry : options.GetEntries())
        journal.push_back(entry.name + "=" + entry.value.ToText());
    spax_standin::RecordOperation("SPAIConverter::SetOptions", journal);

    if (!allNamesKnown(options)) return SPAIResult(SPAX_E_UNKNOWN_OPTION);
    m_state->inForce.clear();
    for (const SPAIOptions::Entry& entry : options.GetEntries())
        m_state->setOption(entry);
    return SPAIResult(SPAX_S_OK);
}

SPAIResult SPAIConverter::AppendOptions(const SPAIOptions& options) {
    spax_standin::Arguments journal;
    for (const SPAIOptions::Entry& entry : options.GetEntries())
        journal.push_back(entry.name + "=" + entry.value.GetKindName() + ":" +
                          entry.value.ToText());
    spax_standin::RecordOperation("SPAIConverter::AppendOptions", journal);

    if (!allNamesKnown(options)) return SPAIResult(SPAX_E_UNKNOWN_OPTION);
    for (const SPAIOptions::Entry& entry : options.GetEntries())
        m_state->setOption(entry);
    return SPAIResult(SPAX_S_OK);
}

SPAIResult SPAIConverter::StartLog(const SPAIFile& file) {
    spax_standin::RecordOperation("SPAIConverter::StartLog", {file.GetPath()});
    if (m_state->log || file.GetPath().empty()) return SPAIResult(SPAX_E_LOG);
    m_state->log.emplace(file.GetPath());
    if (!m_state->log->IsOpen()) {
        m_state->log.reset();
        return SPAIResult(SPAX_E_LOG);
    }
    return SPAIResult(SPAX_S_OK);
}

SPAIResult SPAIConverter::StopLog(const SPAIFile& file) {
    spax_standin::RecordOperation("SPAIConverter::StopLog", {file.GetPath()});
    if (!m_state->log || m_state->log->GetPath() != file.GetPath()) return SPAIResult(SPAX_E_LOG);
    m_state->log->Stop();
    m_state->log.reset();
    return SPAIResult(SPAX_S_OK);
}

SPAIResult SPAIConverter::SetProgressCallback(SPAXProgressReportFct progress) {
    spax_standin::RecordOperation("SPAIConverter::SetProgressCallback",
                                  {progress != nullptr ? "set" : "null"});
    m_state->progress = progress;
    return SPAIResult(SPAX_S_OK);
}

SPAIResult SPAIConverter::Convert(const SPAIDocument& source, const SPAIDocument& target) {
    spax_standin::RecordOperation("SPAIConverter::Convert", {source.GetPath(), target.GetPath()});

    const long worked = m_state->convert(source, target);
    long code = worked;
    if (const auto forced = spax_standin::ForcedConvertResult()) {
        code = *forced;
        m_state->logLine("Result " + describeResult(code) +
                         ", forced by SPAX_STANDIN_CONVERT_RESULT; the work gave " +
                         describeResult(worked) + ".");
    } else {
        m_state->logLine("Result " + describeResult(code) + ".");
    }
    return SPAIResult(code);
}

const std::vector<SPAIOptions::Entry>& SPAIConverter::GetOptionsInForce() const {
    return m_state->inForce;
}

long SPAIConverter::State::convert(const SPAIDocument& source, const SPAIDocument& target) {
    logLine("Conversion");
    logLine("  source " + source.GetPath() + " (type \"" + source.GetType() + "\")");
    const char* unit = SPAIUnit::NameOf(target.GetUnit());
    logLine("  target " + target.GetPath() + " (type \"" + target.GetType() + "\"" +
            (target.GetUnit() != SPAIUnitUnknown ? std::string(", unit ") + unit : "") + ")");
    if (inForce.empty()) logLine("  options in force: none");
    for (const SPAIOptions::Entry& entry : inForce)
        logLine("  option " + entry.name + " = " + entry.value.ToText() + " (" +
                entry.value.GetKindName() + ")");

    for (const SPAIDocument* document : {&source, &target}) {
        if (!SPAIDocument::IsKnownType(document->GetType())) {
            logLine("  unknown document type \"" + document->GetType() + "\"");
            return SPAX_E_CONVERSION_FAILED;
        }
    }
    logLine("  copying the source unchanged: no geometry is translated");
    return copyWithProgress(source.GetPath(), target.GetPath());
}

long SPAIConverter::State::copyWithProgress(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path sourcePath(from);
    if (from.empty() || !fs::is_regular_file(sourcePath, error)) {
        logLine("  source is not a readable file");
        return SPAX_E_CONVERSION_FAILED;
    }
    const auto total = fs::file_size(sourcePath, error);
    std::ifstream in(sourcePath, std::ios::binary);
    if (error || !in) {
        logLine("  source is not a readable file");
        return SPAX_E_CONVERSION_FAILED;
    }
    if (reportProgress(0.0)) return SPAX_W_STOPPED_BY_HOST;

    // Written beside the target and renamed onto it once complete, so that a
    // stopped or failed conversion leaves an existing target as it was.
    const fs::path targetPath(to);
    fs::path partial = targetPath;
    partial += ".partial";
    struct RemovePartial {
        const fs::path& path;
        ~RemovePartial() {
            std::error_code ignored;
            fs::remove(path, ignored); // nothing there once renamed
        }
    } cleanup{partial};

    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (to.empty() || !out) {
        logLine("  target cannot be written");
        return SPAX_E_CONVERSION_FAILED;
    }
    std::vector<char> buffer(kCopyChunk);
    std::uintmax_t copied = 0;
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const std::streamsize got = in.gcount();
        if (got <= 0) break;
        out.write(buffer.data(), got);
        copied += static_cast<std::uintmax_t>(got);
        if (copied < total && reportProgress(static_cast<double>(copied) / total))
            return SPAX_W_STOPPED_BY_HOST;
    }
    out.close();
    const bool readFailed = in.bad();
    in.close();
    if (readFailed || !out) {
        logLine("  copying failed");
        return SPAX_E_CONVERSION_FAILED;
    }
    if (reportProgress(1.0)) return SPAX_W_STOPPED_BY_HOST;

    fs::rename(partial, targetPath, error);
    if (error) {
        logLine("  target cannot be written: " + error.message());
        return SPAX_E_CONVERSION_FAILED;
    }
    return SPAX_S_OK;
}
