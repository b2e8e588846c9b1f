// Integer reading: the text of a cell or edit box as a 32-bit signed number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// Optional leading spaces, an optional sign, then decimal digits or up to
// eight hexadecimal digits after "$", "x", "X", "0x" or "0X" (a 32-bit
// pattern), and nothing after. Empty when the text is not such a number.
std::optional<std::int32_t> tryReadInteger(std::string_view text);

// As tryReadInteger, failing with the integer reading's message.
std::int32_t readInteger(std::string_view text);

} // namespace velmora
