#include "conversion_log.h"

namespace spax_standin {

ConversionLog::ConversionLog(const std::string& path)
    : m_path(path), m_file(path, std::ios::out | std::ios::trunc) {
    Write("Translator log");
    Write("This translator is a stand-in: it copies each source file unchanged and translates "
          "no geometry.");
}

ConversionLog::~ConversionLog() {
    if (!m_file.is_open()) return;
    try {
        Write("Log closed without StopLog: the converter was released.");
    } catch (...) {
        // Nothing more can be done for a log while its converter goes away.
    }
}

void ConversionLog::Write(const std::string& line) {
    if (m_file.is_open()) m_file << line << std::endl;
}

void ConversionLog::Stop() {
    Write("Log stopped.");
    m_file.close();
}

} // namespace spax_standin
