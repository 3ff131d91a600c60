// The library's entry point: hands the host a table of twelve functions and
// fills the format catalogue on the first call.
#include "entry_point.h"
#include "host_block_allocator.h"

#include "vexlan/vexlan.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

// The slot order is the contract with the host. These checks keep the
// table's layout from drifting: twelve pointer-sized slots, in order,
// nothing before, between or after them.
constexpr std::size_t kSlot = sizeof(void (*)());
static_assert(sizeof(VexlanFunctionTable) == 12 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxGetGeometryTypeFromFile) == 0 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxGetGeometryTypeFromName) == 1 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxGetGeometryTypeFromSolvaneName) == 2 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxGetGeometryNameFromType) == 3 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxGetGeometrySolvaneNameFromType) == 4 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxGetTypeOfOptFile) == 5 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxGetFileExtensions) == 6 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxGetCadOptionData) == 7 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxGetCadOptionDataFromFile) == 8 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxConvertToParasolid) == 9 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxConvertFromParasolid) == 10 * kSlot);
static_assert(offsetof(VexlanFunctionTable, VxSetProgressCallback) == 11 * kSlot);

// The functions in slot order.
constexpr VexlanFunctionTable kFunctions = {
    VxGetGeometryTypeFromFile,        // 0
    VxGetGeometryTypeFromName,        // 1
    VxGetGeometryTypeFromSolvaneName, // 2
    VxGetGeometryNameFromType,        // 3
    VxGetGeometrySolvaneNameFromType, // 4
    VxGetTypeOfOptFile,               // 5
    VxGetFileExtensions,              // 6
    VxGetCadOptionData,               // 7
    VxGetCadOptionDataFromFile,       // 8
    VxConvertToParasolid,             // 9
    VxConvertFromParasolid,           // 10
    VxSetProgressCallback,            // 11
};

} // namespace

namespace vexlan::entry {

unsigned char firstCall = 1;

} // namespace vexlan::entry

extern "C" VexlanFunctionTable* vexlan_entry_point() {
    using namespace vexlan::entry;

    // Out of memory, the host gets a null pointer instead of a table and
    // nothing is thrown across this C boundary. The first-call flag then
    // stays set, so the next call fills the catalogue again from the start;
    // filling is idempotent, so a half-filled catalogue is completed.
    // The table comes from the host block allocator, since the host releases
    // it with free.
    auto* table = static_cast<VexlanFunctionTable*>(
        vexlan::detail::allocateHostBlock(sizeof(VexlanFunctionTable)));
    if (table == nullptr) return nullptr;
    *table = kFunctions;

    if (firstCall != 0) {
        try {
            VxInitializeMaps();
        } catch (const std::bad_alloc&) {
            std::free(table);
            return nullptr;
        }
        firstCall = 0;
    }
    return table;
}
