// The two conversions, into Parasolid and out of it. Both follow one
// sequence of translator operations; what differs between them is data.
#include "spax/converter.h"
#include "spax/document.h"
#include "spax/file.h"
#include "spax/options.h"
#include "spax/unit.h"
#include "vexlan/vexlan.h"
#include "vexlan/vexlan_options.h"

#include <span>
#include <string>
#include <variant>

namespace {

constexpr const char* kParasolid = "Parasolid";
constexpr int kErrorLevel = 2;
// The host shows this text for every failure of a conversion. It is handed
// over as char*, so it lives in writable storage of its own.
char gConversionError[] = "An error occured during the conversion process ...";

// An option that a conversion appends after the user's option file.
struct FixedOption {
    SPAIOptionName name;
    std::variant<int, bool, const char*> value;
};

// One conversion, as the sequence below needs it.
struct Conversion {
    const char* sourcePath;
    const char* sourceType;
    const char* targetPath;
    const char* targetType;
    bool targetInMetres; // Parasolid targets are measured in metres
    std::span<const FixedOption> fixedOptions;
    const char* optionFile;
    const char* logFile;
};

bool given(const char* text) { return text != nullptr && *text != '\0'; }

// The catalogue's display name, or the empty name for a number it does not
// hold (and before the catalogue is filled).
const char* displayName(int type) {
    const char* name = VxGetGeometryNameFromType(type);
    return name != nullptr ? name : "";
}

struct CodeResult {
    long code;
    int result;
};
constexpr CodeResult kResults[] = {
    {SPAX_S_OK, 1},
    {SPAX_W_STOPPED_BY_HOST, -1},
};

int resultOf(const SPAIResult& outcome) {
    for (const CodeResult& entry : kResults)
        if (outcome == entry.code) return entry.result;
    return 0;
}

int convert(const Conversion& conversion) noexcept {
    try {
        // Every translator object lives in this block. They are created in
        // the order below and released in reverse when the block is left,
        // normally or by an exception: log file, fixed options, converter,
        // target, source.
        SPAIDocument source(conversion.sourcePath);
        SPAIDocument target(conversion.targetPath);
        SPAIConverter converter;
        if (conversion.targetInMetres) {
            SPAIUnit unit(SPAIUnitMeter);
            target.SetUnit(unit);
        }
        source.SetType(conversion.sourceType);
        target.SetType(conversion.targetType);

        if (given(conversion.optionFile)) {
            const std::string path(conversion.optionFile);
            VexlanOptions userOptions(path, false);
            userOptions.ApplyCADOptionsToConverter(converter);
        }

        SPAIOptions fixedOptions;
        for (const FixedOption& option : conversion.fixedOptions)
            fixedOptions.Add(option.name,
                             std::visit([](auto value) { return SPAIValue(value); }, option.value));
        converter.AppendOptions(fixedOptions);

        SPAIFile log(conversion.logFile);
        const bool logging = given(conversion.logFile);
        if (logging) converter.StartLog(log);
        converter.SetProgressCallback(SPAXProgressReport_fct);
        const SPAIResult outcome = converter.Convert(source, target);
        if (logging) converter.StopLog(log);
        return resultOf(outcome);
    } catch (...) {
        ReportMessageToSolvane(gConversionError, kErrorLevel);
        return 0;
    }
}

} // namespace

int VxConvertToParasolid(char* inputFile, int geometryType, char* outputFile, char* optionFile,
                         char* logFile, int translateHidden) {
    if (geometryType == VX_UNKNOWN) return 0;
    const FixedOption fixedOptions[] = {
        {SPAIOptionName::SaveMode, 1},
        {SPAIOptionName::TranslateHiddenEntities, translateHidden != 0},
        {SPAIOptionName::TranslateAttributes, true},
    };
    return convert({.sourcePath = inputFile,
                    .sourceType = displayName(geometryType),
                    .targetPath = outputFile,
                    .targetType = kParasolid,
                    .targetInMetres = true,
                    .fixedOptions = fixedOptions,
                    .optionFile = optionFile,
                    .logFile = logFile});
}

int VxConvertFromParasolid(char* inputFile, char* outputFile, int geometryType, char* optionFile,
                           char* logFile) {
    if (geometryType == VX_UNKNOWN) return 0;
    const FixedOption fixedOptions[] = {
        {SPAIOptionName::OrganizationName, "Quarrin Works"},
        {SPAIOptionName::TranslateSolidBodies, true},
    };
    return convert({.sourcePath = inputFile,
                    .sourceType = kParasolid,
                    .targetPath = outputFile,
                    .targetType = displayName(geometryType),
                    .targetInMetres = false,
                    .fixedOptions = fixedOptions,
                    .optionFile = optionFile,
                    .logFile = logFile});
}
