// The text the error box shows for a failure's message.
#pragma once

#include <string>

namespace velmora {

// Adds a full stop only when the message's last character has a higher code
// than the full stop itself (a letter or digit, not a bracket or quote).
std::string errorBoxText(const std::string& message);

} // namespace velmora
