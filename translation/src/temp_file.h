// Temporary files: the one seam between the code that needs a private
// scratch file and the platform's way of making one safely.
#ifndef VEXLAN_TEMP_FILE_H
#define VEXLAN_TEMP_FILE_H

#include <string>

namespace vexlan {

// Creates a new, empty file in the temporary directory (TMPDIR or /tmp off
// Windows, the user's temporary folder on it) whose name begins with
// `prefix` and ends in random characters, readable and writable by the
// current user only. The name is reserved by the file's creation, so no
// other process can slip in between. Returns the path, or the empty text
// when no file could be made.
std::string createTemporaryFile(const std::string& prefix);

} // namespace vexlan

#endif // VEXLAN_TEMP_FILE_H
