// Real reading: the text of a cell as a double-precision number.
#pragma once

#include <optional>
#include <string_view>

#include "rtl/format_settings.h"

namespace velmora {

// Spaces around the number are skipped; an optional sign, digits, the
// decimal separator with more digits, an exponent after "E" or "e". A text
// that is well formed but holds no digit ("," alone) reads as 0. Empty when
// the text is not such a number or lies beyond the range of a double.
std::optional<double> tryReadReal(std::string_view text, const FormatSettings& settings);

// As tryReadReal, failing with "'%s' is not a valid floating point value".
double readReal(std::string_view text, const FormatSettings& settings);

// As tryReadReal, failing with the message that names the Double type.
double readDouble(std::string_view text, const FormatSettings& settings);

} // namespace velmora
