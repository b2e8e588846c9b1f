#include "analysis/flows_from_od.h"

#include <vector>

#include "analysis/integer_cells.h"
#include "rtl/checked_real.h"
#include "rtl/number_text.h"
#include "tables/new_data.h"
#include "tables/window_state.h"

namespace velmora {

namespace {

// Q.cir of node n, cell by cell in the order the trips are counted: a trip
// from o to d drives past the entry of n when o < n and it leaves at or
// before o's own node or beyond n, or when o > n and it leaves after n, at
// or before o (a U-turn drives one full circle, past every node but its own).
double circulatingFlowByRule(const IntegerCells& cells, std::int32_t n, std::int32_t nodes) {
    double sum = 0;
    for (std::int32_t o = 1; o <= nodes; ++o) {
        if (o < n) {
            for (std::int32_t d = 1; d <= o; ++d)
                sum += cells.at(d, o - 1);
            for (std::int32_t d = n + 1; d <= cells.lastColumn(); ++d)
                sum += cells.at(d, o - 1);
        } else if (o > n) {
            for (std::int32_t d = n + 1; d <= o; ++d)
                sum += cells.at(d, o - 1);
        }
    }
    return sum;
}

void writeCirculatingByRule(const IntegerCells& cells, Table& flows, std::int32_t nodes) {
    for (std::int32_t n = 1; n <= nodes; ++n)
        flows.setCell(flowColumn::circulating, n - 1,
                      integerText(roundToInt64(circulatingFlowByRule(cells, n, nodes))));
}

void writeEnteringAndExiting(Table& flows, std::int32_t node, std::int64_t in, std::int64_t out) {
    flows.setCell(flowColumn::entering, node - 1, integerText(in));
    flows.setCell(flowColumn::exiting, node - 1, integerText(out));
}

// Q.in and Q.out of every node, written node by node. Each row sum adds
// its cells from the left and each column sum its cells from the top,
// whichever way the matrix is walked.
void enteringAndExiting(const IntegerCells& cells, Table& flows, std::int32_t n, std::vector<std::int64_t>& entering,
                        std::vector<std::int64_t>& exiting) {
    const auto size = static_cast<std::size_t>(n);
    if (cells.allValid() && cells.lastColumn() >= n) {
        // No reading can fail, so the matrix is walked once in memory order.
        std::vector<double> out(size, 0.0);
        for (std::size_t row = 0; row < size; ++row) {
            const std::int32_t* values = cells.rowValues(static_cast<std::int32_t>(row));
            double in = 0;
            for (std::size_t d = 0; d < size; ++d) {
                in += values[d];
                out[d] += values[d];
            }
            entering[row] = roundToInt64(in);
        }
        for (std::int32_t node = 1; node <= n; ++node) {
            const auto k = static_cast<std::size_t>(node - 1);
            exiting[k] = roundToInt64(out[k]);
            writeEnteringAndExiting(flows, node, entering[k], exiting[k]);
        }
        return;
    }
    // A cell may fail, and must fail where node by node reading meets it,
    // after the flows of the nodes before.
    for (std::int32_t node = 1; node <= n; ++node) {
        double in = 0;
        double out = 0;
        for (std::int32_t d = 1; d <= n; ++d) {
            in += cells.at(d, node - 1);
            out += cells.at(node, d - 1);
        }
        const auto k = static_cast<std::size_t>(node - 1);
        entering[k] = roundToInt64(in);
        exiting[k] = roundToInt64(out);
        writeEnteringAndExiting(flows, node, entering[k], exiting[k]);
    }
}

} // namespace

void flowsFromOD(const Table& od, Table& flows, std::int32_t n) {
    flowsFromOD(IntegerCells(od, n), flows, n);
}

void flowsFromOD(const IntegerCells& cells, Table& flows, std::int32_t n) {
    std::vector<std::int64_t> entering(static_cast<std::size_t>(n));
    std::vector<std::int64_t> exiting(static_cast<std::size_t>(n));
    enteringAndExiting(cells, flows, n, entering, exiting);

    // Counting by the rule reads the matrix once per node. When the matrix
    // has exactly the node columns, every cell has already been read above
    // and the sums are exact whole numbers, so Q.cir of node 1 followed by
    // the balance of the ring, Q.cir(n+1) = Q.cir(n) + Q.in(n) - Q.out(n+1),
    // gives the same numbers at a fraction of the cost.
    if (n == 0 || cells.lastColumn() != n || n > maximumNodeCount) {
        writeCirculatingByRule(cells, flows, n);
        return;
    }
    auto circulating = roundToInt64(circulatingFlowByRule(cells, 1, n));
    flows.setCell(flowColumn::circulating, 0, integerText(circulating));
    for (std::int32_t node = 2; node <= n; ++node) {
        auto i = static_cast<std::size_t>(node - 1);
        circulating += entering[i - 1] - exiting[i];
        flows.setCell(flowColumn::circulating, node - 1, integerText(circulating));
    }
}

void rowProbabilities(const Table& od, Table& probabilities, std::int32_t n, const FormatSettings& settings) {
    rowProbabilities(IntegerCells(od, n), probabilities, n, settings);
}

void rowProbabilities(const IntegerCells& cells, Table& probabilities, std::int32_t n, const FormatSettings& settings) {
    const std::int32_t lastColumn = probabilities.columnCount() - 1;
    for (std::int32_t i = 0; i < n; ++i) {
        double total = 0;
        for (std::int32_t j = 1; j <= cells.lastColumn(); ++j)
            total += cells.at(j, i);
        for (std::int32_t j = 1; j <= lastColumn; ++j)
            probabilities.setCell(j, i, fixedText(divide(cells.at(j, i), total), 3, settings));
    }
}

} // namespace velmora
