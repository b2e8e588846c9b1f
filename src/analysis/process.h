// The Process command: runs the selected calculation mode on the tables.
#pragma once

#include <optional>
#include <string>

#include "analysis/fratar.h"
#include "tables/window_state.h"

namespace velmora {

// Returns the text of the message box that the mode shows when it ends, or
// nothing for the modes that end silently. The monitor, if any, watches the
// Fratar balancing and may stop it.
std::optional<std::string> process(WindowState& state, IterationMonitor* monitor = nullptr);

} // namespace velmora
