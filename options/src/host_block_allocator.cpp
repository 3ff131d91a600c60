#include "host_block_allocator.h"

#include <cstdlib>

namespace vexlan::detail {

namespace {

void* allocateWithMalloc(std::size_t size) { return std::malloc(size); }

HostBlockAllocator gAllocator = allocateWithMalloc;

} // namespace

HostBlockAllocator setHostBlockAllocator(HostBlockAllocator allocator) {
    const HostBlockAllocator previous = gAllocator;
    gAllocator = allocator != nullptr ? allocator : allocateWithMalloc;
    return previous;
}

void* allocateHostBlock(std::size_t size) { return gAllocator(size); }

} // namespace vexlan::detail
