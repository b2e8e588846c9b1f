#include "analysis/fratar.h"

#include <vector>

#include "analysis/balancing.h"
#include "analysis/flows_from_od.h"
#include "rtl/checked_real.h"
#include "rtl/integer_reading.h"
#include "rtl/number_text.h"
#include "rtl/real_reading.h"
#include "tables/window_state.h"

namespace velmora {

namespace {

void readTables(Balancing& balancing, const Table& flows, const Table& od, std::size_t n,
                const FormatSettings& settings) {
    for (std::size_t i = 0; i < n; ++i) {
        const auto row = static_cast<std::int64_t>(i);
        balancing.rowTargets()[i] = readReal(flows.cell(flowColumn::entering, row), settings);
        balancing.columnTargets()[i] = readReal(flows.cell(flowColumn::exiting, row), settings);
    }
    std::vector<double>& seed = balancing.seed();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            seed[i * n + j] =
                readReal(od.cell(static_cast<std::int64_t>(j) + 1, static_cast<std::int64_t>(i)), settings);
}

// Writes the rounded matrix row by row and returns the whole numbers
// written.
std::vector<std::int64_t> writeMatrix(const Balancing& balancing, Table& od, std::size_t n) {
    const std::vector<double>& x = balancing.matrix();
    std::vector<std::int64_t> written(n * n);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j) {
            written[i * n + j] = roundToInt64(x[i * n + j]);
            od.setCell(static_cast<std::int64_t>(j) + 1, static_cast<std::int64_t>(i), integerText(written[i * n + j]));
        }
    return written;
}

} // namespace

std::string fratarBalancing(const Table& flows, Table& od, Table& probabilities, const std::string& iterationLimitText,
                            std::int32_t n, const FormatSettings& settings, IterationMonitor* monitor) {
    Balancing balancing(n);
    const auto size = static_cast<std::size_t>(n);
    readTables(balancing, flows, od, size, settings);
    const std::int32_t limit = readInteger(iterationLimitText);
    balancing.start();
    balancing.run(limit, monitor);
    const std::vector<std::int64_t> written = writeMatrix(balancing, od, size);
    // The row-probability step reads exactly the cells just written when the
    // O/D table has the node columns and no more.
    if (od.columnCount() - 1 == n && od.rowCount() == n)
        rowProbabilities(IntegerCells(od, n, written), probabilities, n, settings);
    else
        rowProbabilities(od, probabilities, n, settings);
    return "Estimate error RMSE: " + fixedText(balancing.error(), 7, settings) + "\r\n" + "\r\n" +
           "Iterations: " + integerText(balancing.converged());
}

} // namespace velmora
