// The content of a flow data file, assembled from the window's state.
#pragma once

#include <string>

#include "tables/window_state.h"

namespace velmora {

// Every line of the file, each followed by CR LF, as UTF-8 text: the fixed
// header, the settings (the flow table's row count, the iteration text and
// the three flags "-1" or "0"), then each table's header line and rows. A
// blank cell after column 0 is written "0"; column 0 is written verbatim.
// Fails like the table operations it uses, before anything reaches the disk.
std::string dataFileText(const WindowState& state);

} // namespace velmora
