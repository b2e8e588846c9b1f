// The flow data file: the node count, the iteration limit, the selected mode
// and the three tables in one tab-separated text file.
#pragma once

#include <string>
#include <string_view>

#include "tables/window_state.h"

namespace velmora {

// Save data, once the save dialog has named the file (UTF-8 path).
void saveData(const WindowState& state, const std::string& path);

// Open data, once the open dialog has named the file (UTF-8 path).
void openData(WindowState& state, const std::string& path);

// The bytes Save data writes for the window, assembled in memory.
std::string dataFileBytes(const WindowState& state);

// Open data on a file's bytes once they have been read: decoding, line
// splitting and loading, with the same effects and failures.
void openDataBytes(WindowState& state, std::string_view bytes);

} // namespace velmora
