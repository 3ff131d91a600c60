// The entry point as the host sees it: the tables it hands out and the
// catalogue it fills. ctest runs each case in a fresh process, so every case
// starts from a freshly loaded library.
#include "vexlan/vexlan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// The host owns every table and releases it with free.
struct FreeTable {
    void operator()(VexlanFunctionTable* table) const { std::free(table); }
};
using Table = std::unique_ptr<VexlanFunctionTable, FreeTable>;

Table enter() { return Table(vexlan_entry_point()); }

using AnyFunction = void (*)();

template <typename Function> AnyFunction any(Function* function) {
    return reinterpret_cast<AnyFunction>(function);
}

// Slot `index` of a table, read as the host reads it: by position.
AnyFunction slot(const VexlanFunctionTable& table, std::size_t index) {
    AnyFunction function;
    std::memcpy(&function, reinterpret_cast<const char*>(&table) + index * sizeof(AnyFunction),
                sizeof(AnyFunction));
    return function;
}

TEST(EntryPoint, CatalogueAnswersAsEmptyUntilTheFirstCallFillsIt) {
    char iges[] = "IGES";
    EXPECT_TRUE(gMapGeometry.empty());
    EXPECT_TRUE(gMapSolvaneNames.empty());
    EXPECT_EQ(VxGetGeometryTypeFromName(iges), 12);

    const Table table = enter();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(VxGetGeometryTypeFromName(iges), 2);
    EXPECT_EQ(gMapGeometry.size(), 13u);
    EXPECT_EQ(gMapSolvaneNames.size(), 13u);
}

TEST(EntryPoint, OnlyTheFirstCallFillsTheCatalogue) {
    const Table first = enter();
    ASSERT_NE(first, nullptr);
    // Take an entry out: a second filling would put it back.
    const char* iges = gMapGeometry.at(VX_IGES);
    gMapGeometry.erase(VX_IGES);

    const Table second = enter();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(gMapGeometry.count(VX_IGES), 0u);
    gMapGeometry[VX_IGES] = iges;
}

TEST(EntryPoint, EveryCallHandsOutANewTableWithTheSameSlots) {
    const Table first = enter();
    const Table second = enter();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first.get(), second.get());
    for (std::size_t index = 0; index < 12; ++index)
        EXPECT_EQ(slot(*first, index), slot(*second, index)) << "slot " << index;
}

TEST(EntryPoint, EachSlotHoldsTheExportedFunctionOfItsName) {
    const Table table = enter();
    ASSERT_NE(table, nullptr);
    static_assert(sizeof(VexlanFunctionTable) == 12 * sizeof(AnyFunction));
    const AnyFunction expected[12] = {
        any(VxGetGeometryTypeFromFile),
        any(VxGetGeometryTypeFromName),
        any(VxGetGeometryTypeFromSolvaneName),
        any(VxGetGeometryNameFromType),
        any(VxGetGeometrySolvaneNameFromType),
        any(VxGetTypeOfOptFile),
        any(VxGetFileExtensions),
        any(VxGetCadOptionData),
        any(VxGetCadOptionDataFromFile),
        any(VxConvertToParasolid),
        any(VxConvertFromParasolid),
        any(VxSetProgressCallback),
    };
    for (std::size_t index = 0; index < 12; ++index)
        EXPECT_EQ(slot(*table, index), expected[index]) << "slot " << index;
}

TEST(EntryPoint, TheTableAnswersThroughItsSlots) {
    const Table table = enter();
    ASSERT_NE(table, nullptr);
    char step[] = "STEP";
    char part[] = "C:\\models\\wheel.CATPart";
    EXPECT_EQ(table->VxGetGeometryTypeFromName(step), 9);
    EXPECT_EQ(table->VxGetGeometryTypeFromFile(part), 1);
    EXPECT_STREQ(table->VxGetGeometrySolvaneNameFromType(10), "unigraphics");
}

} // namespace
