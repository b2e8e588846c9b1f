// The entry-flow step, first step of both O/D modes: Q.in of every node from
// the balance of the ring.
#pragma once

#include <cstdint>

#include "tables/table.h"

namespace velmora {

// The vehicles passing the entry of node n+1 are those that passed node n,
// plus those that entered at n, minus those that left at n+1; so
// Q.in(n) = Q.out(n+1) + Q.cir(n+1) - Q.cir(n), node 1 following node N.
// Reads Q.out and Q.cir by integer reading, writes Q.in node by node. The
// last node is always computed, so with no rows at all the first reading,
// an empty cell, fails.
void entryFlows(Table& flows, std::int32_t n);

} // namespace velmora
