// VexlanOptions: the translation options of one CAD format in one direction.
//
// An object is filled once, while it is constructed: the master options file
// (found through the "topdir" environment variable) gives the set of options,
// their order, their default values and a detail text for each; a user option
// file, when the object is built from one, overrides values. Afterwards the
// object is only read. Objects are built on the stack inside one call and
// are neither copied nor assigned.
//
// The master options file is "topdir" followed directly by
// "vexlan/res/OptionsMaster.opt" ("topdir" ends with a separator); it is read
// afresh for every object. Sections are found by the format's display name,
// so the format catalogue must be filled (vexlan_entry_point) first.
// Option files are read byte for byte; a line holds at most 511 characters,
// and the rest of a longer line is skipped.
#ifndef VEXLAN_VEXLAN_OPTIONS_H
#define VEXLAN_VEXLAN_OPTIONS_H

#include "vexlan/vexlan.h"

#include <fstream>
#include <map>
#include <string>
#include <vector>

class SPAIConverter;

class VEXLAN_API VexlanOptions {
public:
    // The master option set of `type` in the given direction. Format 12
    // reads nothing and holds no options.
    VexlanOptions(VexlanGeometryType type, bool isReader);
    // Format and direction from the header line of the user option file at
    // `path`; unless `headerOnly`, also the master option set of that format
    // and direction with the file's values applied. Only the direction "R"
    // means reader: a file that names no direction (no file, no header, a
    // header with one token) gives a writer object.
    VexlanOptions(const std::string& path, bool headerOnly);
    ~VexlanOptions();

    VexlanOptions(const VexlanOptions&) = delete;
    VexlanOptions& operator=(const VexlanOptions&) = delete;

    int GetGeometryType();
    unsigned int GetOptionCount();
    bool IsReader();

    // Hands the option set out as three malloc'ed arrays of malloc'ed strings
    // (512-byte names, 4096-byte values and detail texts). False, with null
    // stored through the out-pointers, when there is nothing to hand out.
    bool GetOptionData(char*** names, char*** values, char*** details);
    // Writes one "name=value" line per option to `path`.
    bool WriteOptionsFile(char* path);
    // Hands the option set to a translator through a temporary option file.
    bool ApplyCADOptionsToConverter(SPAIConverter& converter);

private:
    int GetOptionValueIdx(const std::string& name);
    bool InitMaster();
    bool ComputeSearchTokens(std::string& optionHeader, std::string& detailHeader);
    bool ProcessToken(std::ifstream& file, const std::string& header,
                      std::vector<std::string>& names, std::vector<std::string>& values);
    bool ApplyOptionsFromFile(const std::string& path);
    bool GetOptionDataAtIndex(unsigned int index, std::string& name, std::string& value,
                              std::string& detail);

    bool m_isReader;
    VexlanGeometryType m_geometryType;
    std::vector<std::string> m_optionNames;
    std::vector<std::string> m_optionValues;
    std::vector<std::string> m_detailTexts;
    // Option position -> position of its text in m_detailTexts.
    std::map<unsigned int, unsigned int> m_detailLookup;
};

#endif // VEXLAN_VEXLAN_OPTIONS_H
