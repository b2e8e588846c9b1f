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

// The O/D matrix of the state replaced by an older survey of the same
// roundabout: every cell off by up to 30 %, at least 1, so that the Fratar
// step has some way to go.
void olderSurvey(WindowState& state);

// The matrices of bench/fratar_numpy.py: after New data for n nodes, the
// flows of the trips 20 + 400 // (1 + (d - o + n) % n) (so Q.in and Q.out
// are its row and column sums) and the seed 1 + (o*7 + d*13) % 97 in the
// O/D table, rows and columns counted from 0.
WindowState numpyPeer(std::int32_t n);

} // namespace velmora::bench
