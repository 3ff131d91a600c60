#include "directory_listing.h"

#include <algorithm>
#include <system_error>

namespace demo {

namespace {

std::string utf8Name(const std::filesystem::path& path) {
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

struct Child {
    std::filesystem::path path;
    std::string name;
    bool isDirectory;
};

// The visible children of `directory`, directories first, each group by name.
std::vector<Child> sortedChildren(const std::filesystem::path& directory) {
    std::vector<Child> children;
    for (const auto& item : std::filesystem::directory_iterator(directory)) {
        std::string name = utf8Name(item.path());
        if (name.empty() || name.front() == '.') continue;
        std::error_code ignored;
        children.push_back({item.path(), std::move(name), item.is_directory(ignored)});
    }
    std::sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
        if (a.isDirectory != b.isDirectory) return a.isDirectory;
        return a.name < b.name;
    });
    return children;
}

void listInto(std::vector<Entry>& entries, const std::filesystem::path& directory,
              const std::string& prefix, int level, std::ptrdiff_t parent,
              const ListingLimits& limits) {
    for (const Child& child : sortedChildren(directory)) {
        if (entries.size() >= limits.maxEntries) return;
        Entry entry;
        entry.name = child.name;
        entry.relativePath = prefix + child.name;
        entry.isDirectory = child.isDirectory;
        entry.level = level;
        entry.parent = parent;
        if (!child.isDirectory) {
            std::error_code unknown;
            const std::uintmax_t size = std::filesystem::file_size(child.path, unknown);
            entry.size = unknown ? 0 : size;
        }
        entries.push_back(std::move(entry));
        if (child.isDirectory && level + 1 < limits.maxLevels) {
            const auto index = static_cast<std::ptrdiff_t>(entries.size() - 1);
            try {
                listInto(entries, child.path, entries.back().relativePath + "/", level + 1, index,
                         limits);
            } catch (const std::filesystem::filesystem_error&) {
                // A subdirectory that cannot be read is shown without entries.
            }
        }
    }
}

} // namespace

std::vector<Entry> ListDirectory(const std::filesystem::path& root, const ListingLimits& limits) {
    std::vector<Entry> entries;
    listInto(entries, root, "", 0, -1, limits);
    return entries;
}

} // namespace demo
