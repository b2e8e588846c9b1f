// Number texts: how numbers are written into cells and messages.
#pragma once

#include <cstdint>
#include <string>

#include "rtl/format_settings.h"

namespace velmora {

// Plain decimal, a leading "-" when negative, no separators.
std::string integerText(std::int64_t value);

// The value with a fixed count of decimals ("0.000" is 3, "0.0000000" is 7),
// rounded on its exact decimal expansion with a next digit of 5 or more
// rounding away from zero; a value that rounds to zero has no minus sign.
std::string fixedText(double value, int decimals, const FormatSettings& settings);

} // namespace velmora
