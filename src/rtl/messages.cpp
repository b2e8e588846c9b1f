#include "rtl/messages.h"

namespace velmora::messages {

namespace {
std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    out += text;
    out += '\'';
    return out;
}
} // namespace

std::string invalidInteger(std::string_view text) {
    return quoted(text) + " is not a valid integer value for Integer type";
}

std::string invalidDouble(std::string_view text) {
    return quoted(text) + " is not a valid floating point value for Double type";
}

std::string invalidFloat(std::string_view text) {
    return quoted(text) + " is not a valid floating point value";
}

std::string invalidBoolean(std::string_view text) {
    return quoted(text) + " is not a valid boolean value";
}

std::string columnOutOfBounds(std::int64_t index) {
    return "Column index, " + std::to_string(index) + ", out of bounds";
}

std::string rowOutOfBounds(std::int64_t index) {
    return "Row index, " + std::to_string(index) + ", out of bounds";
}

std::string listIndexOutOfBounds(std::int64_t index) {
    return "List index out of bounds (" + std::to_string(index) + ")";
}

std::string cannotOpenFile(std::string_view path, std::string_view reason) {
    return "Cannot open file \"" + std::string(path) + "\". " + std::string(reason);
}

std::string cannotCreateFile(std::string_view path, std::string_view reason) {
    return "Cannot create file \"" + std::string(path) + "\". " + std::string(reason);
}

std::string nodeCountTooLarge(std::int64_t count, std::int64_t maximum) {
    return "A roundabout of " + std::to_string(count) + " nodes is too large: Velmora handles at most " +
           std::to_string(maximum) + " nodes";
}

} // namespace velmora::messages
