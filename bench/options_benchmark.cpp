// How long the host waits for an option set: each request reads the shipped
// master options file afresh.
#include "test_support.h"
#include "vexlan/vexlan.h"
#include "vexlan/vexlan_options.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The option set of one format: the first sections of the file (CATIAV4)
// against the last (VDA), so the cost of reading past sections shows.
void BuildMasterOptionSet(benchmark::State& state) {
    const auto type = static_cast<VexlanGeometryType>(state.range(0));
    for (auto _ : state) {
        VexlanOptions options(type, false);
        benchmark::DoNotOptimize(options.GetOptionCount());
    }
}
BENCHMARK(BuildMasterOptionSet)->Arg(VX_CATIAV4)->Arg(VX_VDA);

// The whole request of the host, arrays and their release included.
void HandOutOptionData(benchmark::State& state) {
    for (auto _ : state) {
        char** names = nullptr;
        char** values = nullptr;
        char** details = nullptr;
        int count = 0;
        VxGetCadOptionData(VX_STEP, 1, &names, &values, &details, &count);
        test_support::releaseOptionArrays(names, values, details, count);
    }
}
BENCHMARK(HandOutOptionData);

// A user option file applied over the master set.
void ApplyUserOptionFile(benchmark::State& state) {
    test_support::ScratchDirectory directory;
    const std::string path = directory.file("user.opt");
    test_support::writeFile(path, "[STEP-W]\nWriteSchema=AP242\nWriteUnits=Inch\nTolerance=0.01\n");
    for (auto _ : state) {
        VexlanOptions options(path, false);
        benchmark::DoNotOptimize(options.GetOptionCount());
    }
}
BENCHMARK(ApplyUserOptionFile);

} // namespace

int main(int argc, char** argv) {
    test_support::setEnvironment("topdir", VEXLAN_STAGE_SHARE_DIR);
    VxInitializeMaps();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
