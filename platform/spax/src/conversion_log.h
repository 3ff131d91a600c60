// The readable log a converter writes between StartLog and StopLog.
#ifndef SPAX_CONVERSION_LOG_H
#define SPAX_CONVERSION_LOG_H

#include <fstream>
#include <string>

namespace spax_standin {

class ConversionLog {
public:
    // Creates or empties the file; IsOpen() tells whether that worked.
    explicit ConversionLog(const std::string& path);
    // Notes that the log was never stopped, then closes it.
    ~ConversionLog();

    ConversionLog(const ConversionLog&) = delete;
    ConversionLog& operator=(const ConversionLog&) = delete;

    bool IsOpen() const { return m_file.is_open(); }
    const std::string& GetPath() const { return m_path; }

    // Writes one line and flushes it, so a log survives a crash of the host.
    void Write(const std::string& line);
    // Writes the closing line and closes the file.
    void Stop();

private:
    std::string m_path;
    std::ofstream m_file;
};

} // namespace spax_standin

#endif // SPAX_CONVERSION_LOG_H
