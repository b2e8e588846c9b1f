// The Process command: runs the selected calculation mode on the tables.
#pragma once

#include <optional>
#include <string>

#include "tables/window_state.h"

namespace velmora {

// Returns the text of the message box that the mode shows when it ends, or
// nothing for the modes that end silently.
std::optional<std::string> process(WindowState& state);

} // namespace velmora
