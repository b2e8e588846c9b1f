// The Fratar step, the mode "Find O/D Matrix (Fratar)": the seed O/D matrix
// balanced towards the entering flows (row targets) and exiting flows
// (column targets) by growth and location factors.
#pragma once

#include <cstdint>
#include <string>

#include "rtl/format_settings.h"
#include "tables/table.h"

namespace velmora {

// Watches a long balancing. A limit of 2147483647 on a matrix that never
// settles would run for days at the largest node counts, so the window shows
// the iteration and lets the user stop; stopping leaves the O/D and
// probability tables as they were.
class IterationMonitor {
public:
    virtual ~IterationMonitor() = default;
    // Called after every iteration; false stops the run with Stopped.
    virtual bool keepGoing(std::int64_t iteration, std::int32_t limit) = 0;
};

// Raised when the user stops a balancing: no failure, so no error box.
struct Stopped {};

// Reads Q.in and Q.out row by row, then the seed matrix row by row, then the
// iteration limit; balances until the root-mean-square change of one
// iteration falls below 0.00001 or the limit is used up; writes the matrix
// back as whole numbers and recomputes the probability table from them.
// Returns the report: the last change and the iteration that converged (0
// when none did).
std::string fratarBalancing(const Table& flows, Table& od, Table& probabilities, const std::string& iterationLimitText,
                            std::int32_t n, const FormatSettings& settings, IterationMonitor* monitor = nullptr);

} // namespace velmora
