// A directory listing in a fixed order, for filling the tree.
#ifndef NODRIX_DEMO_DIRECTORY_LISTING_H
#define NODRIX_DEMO_DIRECTORY_LISTING_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace demo {

struct Entry {
    std::string name;         // the file name, UTF-8
    std::string relativePath; // from the listed directory, with '/' between parts
    bool isDirectory = false;
    std::uintmax_t size = 0;    // bytes; 0 for a directory
    int level = 0;              // 0 for an entry of the listed directory itself
    std::ptrdiff_t parent = -1; // index of the containing entry; -1 at level 0
};

struct ListingLimits {
    std::size_t maxEntries = 40;
    int maxLevels = 3;
};

// The entries below `root`, depth first: each directory right before its
// own entries. Within a directory, subdirectories come first, then files,
// each group sorted by name byte for byte, so that the listing is the same
// on every run. Names starting with '.' are left out, and the listing stops
// at the limits. A std::filesystem::filesystem_error when `root` cannot be
// read.
std::vector<Entry> ListDirectory(const std::filesystem::path& root, const ListingLimits& limits);

} // namespace demo

#endif // NODRIX_DEMO_DIRECTORY_LISTING_H
