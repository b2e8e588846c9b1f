// Loading the lines of a flow data file into the window's state.
#pragma once

#include <string>
#include <vector>

#include "tables/window_state.h"

namespace velmora {

// Reads the settings of line 1, runs New data for its node count and fills
// the tables from the rows, taken by position from that count. Every step
// changes the state as it goes: a failure leaves what the earlier steps set.
void loadDataFile(WindowState& state, const std::vector<std::string>& lines);

} // namespace velmora
