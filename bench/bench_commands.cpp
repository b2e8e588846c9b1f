// Every command at the node counts a user meets (4, 12) and at the scale the
// tool must still handle (100, 1000).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "analysis/process.h"
#include "datafile/data_file.h"
#include "roundabout_data.h"
#include "tables/new_data.h"

namespace velmora::bench {
namespace {

void nodeCounts(benchmark::internal::Benchmark* b) {
    for (int n : {4, 12, 100, 1000})
        b->Arg(n);
    b->Unit(benchmark::kMicrosecond);
}

void NewData(benchmark::State& run) {
    WindowState state = roundabout(static_cast<std::int32_t>(run.range(0)));
    for (auto _ : run)
        newData(state);
}
BENCHMARK(NewData)->Apply(nodeCounts);

void runProcess(benchmark::State& run, Mode mode, const char* limit) {
    const WindowState data = roundabout(static_cast<std::int32_t>(run.range(0)));
    WindowState state = data;
    state.modes.select(mode);
    state.iterationLimitText = limit;
    for (auto _ : run) {
        run.PauseTiming();
        state.od = data.od; // each run starts from the same seed
        run.ResumeTiming();
        benchmark::DoNotOptimize(process(state));
    }
}

void ProcessFlows(benchmark::State& run) {
    runProcess(run, Mode::FlowsFromOD, "200");
}
BENCHMARK(ProcessFlows)->Apply(nodeCounts);

void ProcessProbability(benchmark::State& run) {
    runProcess(run, Mode::ODByProbability, "200");
}
BENCHMARK(ProcessProbability)->Apply(nodeCounts);

void ProcessFratar(benchmark::State& run) {
    runProcess(run, Mode::ODByFratar, "200");
}
BENCHMARK(ProcessFratar)->Apply(nodeCounts);

// A seed far from its targets with a limit it uses up: every iteration runs.
void ProcessFratarAllIterations(benchmark::State& run) {
    const auto n = static_cast<std::int32_t>(run.range(0));
    WindowState data = roundabout(n);
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t j = 1; j <= n; ++j)
            data.od.setCell(j, i, std::to_string(1 + (i * 7 + j * 13) % 97));
    WindowState state = data;
    state.modes.select(Mode::ODByFratar);
    state.iterationLimitText = "50";
    for (auto _ : run) {
        run.PauseTiming();
        state.od = data.od;
        run.ResumeTiming();
        benchmark::DoNotOptimize(process(state));
    }
}
BENCHMARK(ProcessFratarAllIterations)->Apply(nodeCounts);

std::string benchFile(std::int64_t n) {
    return (std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(n) + ".txt")).string();
}

void SaveData(benchmark::State& run) {
    WindowState state = roundabout(static_cast<std::int32_t>(run.range(0)));
    const std::string path = benchFile(run.range(0));
    for (auto _ : run)
        saveData(state, path);
    std::filesystem::remove(path);
}
BENCHMARK(SaveData)->Apply(nodeCounts);

void OpenData(benchmark::State& run) {
    WindowState state = roundabout(static_cast<std::int32_t>(run.range(0)));
    const std::string path = benchFile(run.range(0));
    saveData(state, path);
    for (auto _ : run)
        openData(state, path);
    std::filesystem::remove(path);
}
BENCHMARK(OpenData)->Apply(nodeCounts);

} // namespace
} // namespace velmora::bench

BENCHMARK_MAIN();
