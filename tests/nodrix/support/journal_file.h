// Points the component's journal at a fresh temporary file for the life of
// one object, and reads it back.
#ifndef NODRIX_TESTS_JOURNAL_FILE_H
#define NODRIX_TESTS_JOURNAL_FILE_H

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

class ScopedJournal {
public:
    ScopedJournal();
    ~ScopedJournal();
    ScopedJournal(const ScopedJournal&) = delete;
    ScopedJournal& operator=(const ScopedJournal&) = delete;

    // The lines written so far, without their line ends.
    std::vector<std::string> lines() const;
    // Lines that begin with `prefix`.
    std::vector<std::string> linesStartingWith(const std::string& prefix) const;
    // Forgets what was written so far.
    void clear() const;

    // Points the journal somewhere that cannot be written (a directory),
    // until the object is destroyed.
    void makeUnwritable() const;

private:
    std::filesystem::path path_;
};

} // namespace testsupport

#endif // NODRIX_TESTS_JOURNAL_FILE_H
