// The New data command: sizes the three tables for the node count typed in
// the node-count edit box and numbers their rows.
#pragma once

#include <cstdint>

#include "tables/table.h"
#include "tables/window_state.h"

namespace velmora {

// The most nodes a roundabout may have. A count beyond it would only
// exhaust memory and the screen: a real roundabout has 3 to 12 arms.
inline constexpr std::int32_t maximumNodeCount = 1000;

// Fails with the bound's own message when the count exceeds the maximum.
void checkNodeCount(std::int32_t count);

// Rebuilds one table: frees every column, sets the row count, appends the
// columns and sets their read-only flag.
void Prepara_Griglia(std::int32_t rows, std::int32_t columns, Table& table, bool readOnly);

// New data. Flows typed into the rows that remain survive; the O/D and
// probability tables are rebuilt empty.
void newData(WindowState& state);

} // namespace velmora
