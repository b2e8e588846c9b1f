// Every command at the node counts a user meets (4, 12) and at the scale the
// tool must still handle (100, 1000).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "analysis/balancing.h"
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

// New data over tables full of data, as after Process, each time.
void NewData(benchmark::State& run) {
    const WindowState data = roundabout(static_cast<std::int32_t>(run.range(0)));
    WindowState state = data;
    for (auto _ : run) {
        run.PauseTiming();
        state = data;
        run.ResumeTiming();
        newData(state);
    }
}
BENCHMARK(NewData)->Apply(nodeCounts);

// The iteration count of a Fratar report ("Iterations: C"), 0 when the
// limit was used up.
double reportedIterations(const std::optional<std::string>& report) {
    if (!report)
        return -1;
    return std::stod(report->substr(report->rfind(' ') + 1));
}

// Runs Process on a copy of the state's O/D table each time, since the O/D
// modes overwrite it.
void runProcess(benchmark::State& run, const WindowState& data, Mode mode, const char* limit) {
    WindowState state = data;
    state.modes.select(mode);
    state.iterationLimitText = limit;
    std::optional<std::string> report;
    for (auto _ : run) {
        run.PauseTiming();
        state.od = data.od; // each run starts from the same seed
        run.ResumeTiming();
        report = process(state);
        benchmark::DoNotOptimize(report);
    }
    if (mode == Mode::ODByFratar)
        run.counters["converged_at"] = reportedIterations(report);
}

void ProcessFlows(benchmark::State& run) {
    runProcess(run, roundabout(static_cast<std::int32_t>(run.range(0))), Mode::FlowsFromOD, "200");
}
BENCHMARK(ProcessFlows)->Apply(nodeCounts);

void ProcessProbability(benchmark::State& run) {
    runProcess(run, roundabout(static_cast<std::int32_t>(run.range(0))), Mode::ODByProbability, "200");
}
BENCHMARK(ProcessProbability)->Apply(nodeCounts);

// The default limit on an older survey of the roundabout: the balancing
// converges well before the limit.
void ProcessFratar(benchmark::State& run) {
    WindowState data = roundabout(static_cast<std::int32_t>(run.range(0)));
    olderSurvey(data);
    runProcess(run, data, Mode::ODByFratar, "200");
}
BENCHMARK(ProcessFratar)->Apply(nodeCounts);

// A seed far from its targets with a limit it uses up before converging
// (converged_at 0): every iteration runs.
void ProcessFratarAllIterations(benchmark::State& run) {
    const auto n = static_cast<std::int32_t>(run.range(0));
    WindowState data = roundabout(n);
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t j = 1; j <= n; ++j)
            data.od.setCell(j, i, std::to_string(1 + (i * 7 + j * 13) % 97));
    runProcess(run, data, Mode::ODByFratar, "10");
}
BENCHMARK(ProcessFratarAllIterations)->Apply(nodeCounts);

// The whole Process command in the Fratar mode (reading the cells, the
// balancing, writing the matrix and the probabilities) on the matrices of
// bench/fratar_numpy.py with its limit and stop test, for
// bench/compare_fratar.sh.
void FratarPeer(benchmark::State& run) {
    runProcess(run, numpyPeer(static_cast<std::int32_t>(run.range(0))), Mode::ODByFratar, "50");
}
BENCHMARK(FratarPeer)->Apply(nodeCounts);

// The Fratar iteration alone on the same matrices as numbers, as the numpy
// script times it: no table is read or written.
void FratarPeerIteration(benchmark::State& run) {
    const auto n = static_cast<std::int32_t>(run.range(0));
    const auto size = static_cast<std::size_t>(n);
    Balancing balancing(n);
    for (std::size_t i = 0; i < size; ++i)
        for (std::size_t j = 0; j < size; ++j) {
            const double trips = static_cast<double>(20 + 400 / (1 + (j + size - i) % size));
            balancing.rowTargets()[i] += trips;
            balancing.columnTargets()[j] += trips;
            balancing.seed()[i * size + j] = static_cast<double>(1 + (i * 7 + j * 13) % 97);
        }
    for (auto _ : run) {
        balancing.start();
        balancing.run(50);
        benchmark::DoNotOptimize(balancing.matrix().data());
    }
    run.counters["converged_at"] = balancing.converged();
}
BENCHMARK(FratarPeerIteration)->Apply(nodeCounts);

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
