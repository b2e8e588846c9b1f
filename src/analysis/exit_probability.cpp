#include "analysis/exit_probability.h"

#include "rtl/checked_real.h"
#include "rtl/integer_reading.h"
#include "rtl/number_text.h"
#include "rtl/real_reading.h"
#include "tables/window_state.h"

namespace velmora {

namespace {

std::size_t at(std::int32_t node) {
    return static_cast<std::size_t>(node - 1);
}

void exitProbabilities(const Table& flows, std::int32_t n, std::vector<double>& exit, std::vector<double>& stay) {
    for (std::int32_t k = 1; k <= n; ++k) {
        const std::int64_t out = readInteger(flows.cell(flowColumn::exiting, k - 1));
        const std::int64_t circulating = readInteger(flows.cell(flowColumn::circulating, k - 1));
        // Held in 64 bits: two large flows must not wrap into a wrong
        // (even negative) number of arriving vehicles.
        exit[at(k)] = divide(static_cast<double>(out), static_cast<double>(out + circulating));
        stay[at(k)] = subtract(1, exit[at(k)]);
    }
}

// Writes the "0.000" text of the value into the cell and returns what a
// real reading of that cell gives, so that later passes need not read the
// cell again.
double writeShare(Table& probabilities, std::int32_t d, std::int32_t row, double value,
                  const FormatSettings& settings) {
    std::string text = fixedText(value, 3, settings);
    const double reading = readDouble(text, settings);
    probabilities.setCell(d, row, std::move(text));
    return reading;
}

// The shares of one row need not add up to one: the rounded texts may miss
// it, and within one circle a vehicle may not leave at all. What is left,
// computed on the texts as they stand, is shared equally by every cell.
// `shares` holds the readings of the row's texts and receives those of the
// texts written here.
void normaliseRow(Table& probabilities, std::int32_t row, std::int32_t n, double* shares,
                  const FormatSettings& settings) {
    double residual = 1;
    for (std::int32_t d = 1; d <= n; ++d)
        residual = subtract(residual, shares[at(d)]);
    if (residual == 0)
        return;
    const double share = divide(residual, n);
    for (std::int32_t d = 1; d <= n; ++d)
        shares[at(d)] = writeShare(probabilities, d, row, add(shares[at(d)], share), settings);
}

} // namespace

void tripProbabilities(const std::vector<double>& exit, const std::vector<double>& stay, std::int32_t origin,
                       std::vector<double>& trips) {
    const auto n = static_cast<std::int32_t>(exit.size());
    // Each trip's product extends the one of the destination before it in
    // driving order by one stay factor, so the running product is the same
    // sequence of multiplications as starting from 1 for every trip.
    double passed = 1;
    for (std::int32_t step = 1; step < n; ++step) {
        const std::int32_t d = (origin - 1 + step) % n + 1;
        trips[at(d)] = passed * exit[at(d)];
        passed *= stay[at(d)];
    }
    double uTurn = 1;
    for (std::int32_t k = 1; k <= n; ++k)
        uTurn *= k == origin ? exit[at(k)] : stay[at(k)];
    trips[at(origin)] = uTurn;
}

void exitProbabilityMatrix(const Table& flows, Table& probabilities, Table& od, std::int32_t n,
                           const FormatSettings& settings) {
    const auto size = static_cast<std::size_t>(n);
    std::vector<double> exit(size);
    std::vector<double> stay(size);
    std::vector<double> trips(size);

    exitProbabilities(flows, n, exit, stay);

    // The readings of the probability texts as they stand, row by row.
    std::vector<double> shares(size * size);
    const auto rowShares = [&](std::int32_t o) { return shares.data() + at(o) * size; };

    for (std::int32_t o = 1; o <= n; ++o) {
        tripProbabilities(exit, stay, o, trips);
        // A product that left the range of a double did so at one of its
        // multiplications and stayed infinite or NaN after it: the trip
        // fails where its own product would have.
        double* row = rowShares(o);
        for (std::int32_t d = 1; d <= n; ++d)
            row[at(d)] = writeShare(probabilities, d, o - 1, checkedResult(trips[at(d)]), settings);
    }

    for (std::int32_t o = 1; o <= n; ++o)
        normaliseRow(probabilities, o - 1, n, rowShares(o), settings);

    for (std::int32_t o = 1; o <= n; ++o) {
        const double entering = readInteger(flows.cell(flowColumn::entering, o - 1));
        const double* row = rowShares(o);
        for (std::int32_t d = 1; d <= n; ++d)
            od.setCell(d, o - 1, integerText(roundToInt64(multiply(entering, row[at(d)]))));
    }
}

} // namespace velmora
