// SPAIFile: a file the translator reads or writes (an option file, a log).
#ifndef SPAX_FILE_H
#define SPAX_FILE_H

#include "spax/export.h"

#include <string>

// Journalled: neither copied nor moved.
class SPAX_BASE_API SPAIFile {
public:
    // A null path is taken as the empty path, a file that names none.
    explicit SPAIFile(const char* path);
    ~SPAIFile();

    SPAIFile(const SPAIFile&) = delete;
    SPAIFile& operator=(const SPAIFile&) = delete;

    const std::string& GetPath() const { return m_path; }

private:
    std::string m_path;
};

#endif // SPAX_FILE_H
