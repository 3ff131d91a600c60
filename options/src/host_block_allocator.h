// Where the blocks handed to the host get their memory: the function table
// of the entry point and the option arrays.
//
// The host releases every block with the runtime library's free, so blocks
// come from malloc. Tests may install another allocator, for example one
// that fails at a chosen call, to drive the clean-up paths; it must hand out
// blocks that free releases (or null). Not exported from the library.
#ifndef VEXLAN_HOST_BLOCK_ALLOCATOR_H
#define VEXLAN_HOST_BLOCK_ALLOCATOR_H

#include <cstddef>

namespace vexlan::detail {

using HostBlockAllocator = void* (*)(std::size_t size);

// Installs `allocator` (null restores malloc) and returns the one it replaces.
HostBlockAllocator setHostBlockAllocator(HostBlockAllocator allocator);

// A block of `size` bytes from the installed allocator; null when it fails.
void* allocateHostBlock(std::size_t size);

} // namespace vexlan::detail

#endif // VEXLAN_HOST_BLOCK_ALLOCATOR_H
