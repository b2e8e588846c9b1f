// The texts of every failure the commands raise, filled in from their parts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::messages {

std::string invalidInteger(std::string_view text);
std::string invalidDouble(std::string_view text);
std::string invalidFloat(std::string_view text);
std::string invalidBoolean(std::string_view text);
std::string columnOutOfBounds(std::int64_t index);
std::string rowOutOfBounds(std::int64_t index);
std::string listIndexOutOfBounds(std::int64_t index);
std::string cannotOpenFile(std::string_view path, std::string_view reason);
std::string cannotCreateFile(std::string_view path, std::string_view reason);
std::string nodeCountTooLarge(std::int64_t count, std::int64_t maximum);

inline constexpr const char* divisionByZero = "Floating point division by zero";
inline constexpr const char* invalidOperation = "Invalid floating point operation";
inline constexpr const char* overflow = "Floating point overflow";

} // namespace velmora::messages
