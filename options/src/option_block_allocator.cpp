#include "option_block_allocator.h"

#include <cstdlib>

namespace vexlan::detail {

namespace {

void* allocateWithMalloc(std::size_t size) { return std::malloc(size); }

OptionBlockAllocator gAllocator = allocateWithMalloc;

} // namespace

OptionBlockAllocator setOptionBlockAllocator(OptionBlockAllocator allocator) {
    const OptionBlockAllocator previous = gAllocator;
    gAllocator = allocator != nullptr ? allocator : allocateWithMalloc;
    return previous;
}

void* allocateOptionBlock(std::size_t size) { return gAllocator(size); }

} // namespace vexlan::detail
