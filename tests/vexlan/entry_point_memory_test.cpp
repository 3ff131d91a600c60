// The entry point when memory runs out: the host gets a null pointer, never
// an exception or a half-made table, and a later call still works.
// White-box: links the library's objects to reach the allocation seam.
#include "entry_point.h"
#include "host_block_allocator.h"

#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

// Armed, every operator new of this process fails: the catalogue's maps
// cannot grow.
bool newFails = false;

struct FailingNew {
    FailingNew() { newFails = true; }
    ~FailingNew() { newFails = false; }
};

void* noMemory(std::size_t) { return nullptr; }

TEST(EntryPointOutOfMemory, NoTableGivesNullAndLeavesTheFirstCallToCome) {
    const vexlan::detail::HostBlockAllocator previous =
        vexlan::detail::setHostBlockAllocator(noMemory);
    EXPECT_EQ(vexlan_entry_point(), nullptr);
    vexlan::detail::setHostBlockAllocator(previous);

    EXPECT_NE(vexlan::entry::firstCall, 0);
    EXPECT_TRUE(gMapGeometry.empty());

    VexlanFunctionTable* table = vexlan_entry_point();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(vexlan::entry::firstCall, 0);
    EXPECT_EQ(gMapGeometry.size(), 13u);
    std::free(table);
}

TEST(EntryPointOutOfMemory, CatalogueThatCannotBeFilledGivesNullWithoutLeakingTheTable) {
    VexlanFunctionTable* refused;
    {
        const FailingNew failing;
        refused = vexlan_entry_point();
    }
    EXPECT_EQ(refused, nullptr); // and the table it had made is released (the leak check sees it)
    EXPECT_NE(vexlan::entry::firstCall, 0);

    VexlanFunctionTable* table = vexlan_entry_point();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(gMapGeometry.size(), 13u);
    EXPECT_EQ(gMapSolvaneNames.size(), 13u);
    std::free(table);
}

} // namespace

// Replaces the process's allocation functions so that the test can make them
// fail; the unarmed behaviour is the usual one. They pair malloc with free,
// which GCC cannot tell from inside the replacements themselves.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    if (newFails) throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
