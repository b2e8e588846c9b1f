// The mode "Find Qe,Qu,Qc,P": from the O/D matrix, the entering, exiting and
// circulating flow of every node, then each origin's shares.
#pragma once

#include <cstdint>

#include "analysis/integer_cells.h"
#include "rtl/format_settings.h"
#include "tables/table.h"

namespace velmora {

// Q.in and Q.out of every node (row and column sums of the O/D matrix), then
// Q.cir of every node (the trips that drive past its entry), into the flow
// table, node by node.
void flowsFromOD(const Table& od, Table& flows, std::int32_t n);
// The same from readings of the O/D table taken beforehand.
void flowsFromOD(const IntegerCells& od, Table& flows, std::int32_t n);

// The row-probability step: each O/D cell divided by its row's total, into
// the probability table as "0.000" texts, row by row.
void rowProbabilities(const Table& od, Table& probabilities, std::int32_t n, const FormatSettings& settings);
// The same from readings of the O/D table taken beforehand, so that the
// mode that has just read the table for the flows need not read it again.
void rowProbabilities(const IntegerCells& od, Table& probabilities, std::int32_t n, const FormatSettings& settings);

} // namespace velmora
