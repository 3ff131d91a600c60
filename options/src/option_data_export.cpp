// Handing an option set to the host as three parallel arrays of strings.
//
// Every array and every string is a block of its own from malloc (through
// the allocator seam), owned by the host from the moment it is handed out;
// the host releases each string and then each array with free. Either all
// blocks are handed out or none: when one allocation fails, everything
// allocated so far is released and the host receives null pointers.
#include "vexlan/vexlan_options.h"

#include "host_block_allocator.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kNameBlockSize = 512;
constexpr std::size_t kTextBlockSize = 4096;

// The three arrays while they are filled. Whatever they hold is freed on
// destruction unless it has been handed over.
class OptionArrays {
public:
    enum Column { Names, Values, Details, ColumnCount };

    explicit OptionArrays(std::size_t count) : m_count(count) {}
    ~OptionArrays() { release(); }
    OptionArrays(const OptionArrays&) = delete;
    OptionArrays& operator=(const OptionArrays&) = delete;

    // The three arrays of pointers, names first; every element starts null.
    bool allocateArrays() {
        if (m_count > SIZE_MAX / sizeof(char*)) return false;
        for (ColumnData& column : m_columns) {
            column.array =
                static_cast<char**>(vexlan::detail::allocateHostBlock(m_count * sizeof(char*)));
            if (column.array == nullptr) return false;
            for (std::size_t row = 0; row < m_count; ++row)
                column.array[row] = nullptr;
        }
        return true;
    }

    // The name, value and detail blocks of one option, in that order.
    bool allocateRow(std::size_t row) {
        for (ColumnData& column : m_columns) {
            column.array[row] =
                static_cast<char*>(vexlan::detail::allocateHostBlock(column.blockSize));
            if (column.array[row] == nullptr) return false;
        }
        return true;
    }

    // Copies `text` and its terminating zero into a block of the row, cut to
    // the block if it were ever longer.
    void fill(Column column, std::size_t row, const std::string& text) {
        const ColumnData& data = m_columns[column];
        const std::size_t length = std::min(text.size(), data.blockSize - 1);
        std::memcpy(data.array[row], text.data(), length);
        data.array[row][length] = '\0';
    }

    void handOver(char*** names, char*** values, char*** details) {
        *names = m_columns[Names].array;
        *values = m_columns[Values].array;
        *details = m_columns[Details].array;
        for (ColumnData& column : m_columns)
            column.array = nullptr;
    }

private:
    struct ColumnData {
        char** array;
        std::size_t blockSize;
    };

    void release() {
        for (ColumnData& column : m_columns) {
            if (column.array == nullptr) continue;
            for (std::size_t row = 0; row < m_count; ++row)
                std::free(column.array[row]);
            std::free(column.array);
            column.array = nullptr;
        }
    }

    std::size_t m_count;
    ColumnData m_columns[ColumnCount] = {
        {nullptr, kNameBlockSize}, {nullptr, kTextBlockSize}, {nullptr, kTextBlockSize}};
};

void storeNoArrays(char*** names, char*** values, char*** details) {
    *names = nullptr;
    *values = nullptr;
    *details = nullptr;
}

// Hands the option set to the host. A count never describes arrays the host
// did not receive.
int handOutOptionData(VexlanOptions& options, char*** names, char*** values, char*** details,
                      int* count) {
    const bool handedOut = options.GetOptionData(names, values, details);
    *count = handedOut ? static_cast<int>(options.GetOptionCount()) : 0;
    return handedOut ? 1 : 0;
}

// What the host receives when the option set could not be loaded (out of
// memory): no arrays and no count.
int handOutNothing(char*** names, char*** values, char*** details, int* count) {
    storeNoArrays(names, values, details);
    *count = 0;
    return 0;
}

} // namespace

bool VexlanOptions::GetOptionDataAtIndex(unsigned int index, std::string& name, std::string& value,
                                         std::string& detail) {
    if (index >= m_optionNames.size()) return false;
    name = m_optionNames[index];
    value = m_optionValues[index];
    const auto attached = m_detailLookup.find(index);
    if (attached == m_detailLookup.end())
        detail.clear();
    else
        detail = m_detailTexts[attached->second];
    return true;
}

bool VexlanOptions::GetOptionData(char*** names, char*** values, char*** details) {
    if (names == nullptr || values == nullptr || details == nullptr) return false;
    storeNoArrays(names, values, details);
    const unsigned int count = GetOptionCount();
    if (count == 0) return false;

    OptionArrays arrays(count);
    if (!arrays.allocateArrays()) return false;
    std::string name;
    std::string value;
    std::string detail;
    for (unsigned int row = 0; row < count; ++row) {
        if (!arrays.allocateRow(row)) return false;
        GetOptionDataAtIndex(row, name, value, detail);
        arrays.fill(OptionArrays::Names, row, name);
        arrays.fill(OptionArrays::Values, row, value);
        arrays.fill(OptionArrays::Details, row, detail);
    }
    arrays.handOver(names, values, details);
    return true;
}

int VxGetCadOptionData(int geometryType, int isReader, char*** names, char*** values,
                       char*** details, int* count) {
    if (names == nullptr || values == nullptr || details == nullptr || count == nullptr) return 0;
    try {
        VexlanOptions options(static_cast<VexlanGeometryType>(geometryType), isReader != 0);
        return handOutOptionData(options, names, values, details, count);
    } catch (...) {
        return handOutNothing(names, values, details, count);
    }
}

int VxGetCadOptionDataFromFile(char* optionFile, int* geometryType, int* isReader, char*** names,
                               char*** values, char*** details, int* count) {
    if (optionFile == nullptr || *optionFile == '\0' || geometryType == nullptr ||
        isReader == nullptr || names == nullptr || values == nullptr || details == nullptr ||
        count == nullptr)
        return 0;
    try {
        VexlanOptions options(std::string(optionFile), false);
        *geometryType = options.GetGeometryType();
        *isReader = options.IsReader() ? 1 : 0;
        return handOutOptionData(options, names, values, details, count);
    } catch (...) {
        *geometryType = VX_UNKNOWN;
        *isReader = 0;
        return handOutNothing(names, values, details, count);
    }
}
