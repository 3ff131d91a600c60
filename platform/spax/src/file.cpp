#include "spax/file.h"

#include "standin_seams.h"

SPAIFile::SPAIFile(const char* path) : m_path(path ? path : "") {
    spax_standin::RecordOperation("SPAIFile", {m_path});
}

SPAIFile::~SPAIFile() { spax_standin::RecordRelease("~SPAIFile", &m_path); }
