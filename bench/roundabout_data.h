// Realistic data for the benchmarks: an O/D matrix of a roundabout of n
// nodes and the flows derived from it.
#pragma once

#include <cstdint>

#include "tables/window_state.h"

namespace velmora::bench {

// A state after New data for n nodes with an O/D matrix of whole trips
// (few U-turns, more trips to the nearer exits) and, in the flow table, the
// Q.in, Q.out and Q.cir it gives.
WindowState roundabout(std::int32_t n);

} // namespace velmora::bench
