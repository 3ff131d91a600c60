// Internals of the entry point that white-box tests reach; not exported.
#ifndef VEXLAN_ENTRY_POINT_H
#define VEXLAN_ENTRY_POINT_H

#include <cstddef>

namespace vexlan::entry {

// Allocates the function tables handed to the host: std::malloc, because
// the host releases them with free. Tests replace it to make an allocation
// fail.
using TableAllocator = void* (*)(std::size_t);
extern TableAllocator allocateTable;

// Non-zero from load until the first entry call has filled the catalogue.
extern unsigned char firstCall;

} // namespace vexlan::entry

#endif // VEXLAN_ENTRY_POINT_H
