// The Fratar step, the mode "Find O/D Matrix (Fratar)": the seed O/D matrix
// balanced towards the entering flows (row targets) and exiting flows
// (column targets) by growth and location factors.
#pragma once

#include <cstdint>
#include <string>

#include "rtl/format_settings.h"
#include "tables/table.h"

namespace velmora {

// Reads Q.in and Q.out row by row, then the seed matrix row by row, then the
// iteration limit; balances until the root-mean-square change of one
// iteration falls below 0.00001 or the limit is used up; writes the matrix
// back as whole numbers and recomputes the probability table from them.
// Returns the report: the last change and the iteration that converged (0
// when none did).
std::string fratarBalancing(const Table& flows, Table& od, Table& probabilities, const std::string& iterationLimitText,
                            std::int32_t n, const FormatSettings& settings);

} // namespace velmora
