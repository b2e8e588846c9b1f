// The probability step, the mode "Find O/D Matrix (Probability)": every
// origin's destination shares from the exit probabilities of the nodes, then
// the O/D matrix as each origin's entering flow spread by those shares.
#pragma once

#include <cstdint>
#include <vector>

#include "rtl/format_settings.h"
#include "tables/table.h"

namespace velmora {

// A vehicle entering at origin o meets o+1, o+2, ... (after N comes 1) and
// last o itself, leaving at each node k with e(k) and staying with s(k).
// Fills trips[d - 1] with the chance that it first leaves at d, for d = 1 to
// N: the stay factors of the nodes it passes, then e(d), multiplied from 1 in
// driving order; a U-turn multiplies e(o) and the other stay factors in node
// order 1 to N. Overflows are left in the results as infinities or NaNs.
void tripProbabilities(const std::vector<double>& exit, const std::vector<double>& stay, std::int32_t origin,
                       std::vector<double>& trips);

// Four passes, each over all rows: the exit probabilities Q.out / (Q.out +
// Q.cir); the trip probabilities into the probability table as "0.000"
// texts; each row's residual, 1 minus the sum of its texts, shared equally
// among its cells; the O/D cells as Q.in times the texts, rounded.
void exitProbabilityMatrix(const Table& flows, Table& probabilities, Table& od, std::int32_t n,
                           const FormatSettings& settings);

} // namespace velmora
