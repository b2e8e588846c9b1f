// Reading a mode flag of the data file.
#pragma once

#include <string_view>

#include "rtl/format_settings.h"

namespace velmora {

// A number other than zero (real reading: "-1", "1", "2,5") or the word
// "True" in any case is true; zero ("0", "0,0") or "False" in any case is
// false. Anything else fails with "'%s' is not a valid boolean value".
bool readFlag(std::string_view text, const FormatSettings& settings);

} // namespace velmora
