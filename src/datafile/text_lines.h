// Cutting the data file's text into lines and a line into its tab-separated
// fields, the way files written by hand or by other editors must be read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Lines end at CR LF, a lone CR or a lone LF. A break at the very end adds no
// empty line; a last line without a break still counts.
std::vector<std::string> splitLines(std::string_view text);

// Fields are cut at every tab; nothing is trimmed and an empty line has no
// field at all. A field that begins with a double quote runs to the next
// double quote not doubled (a doubled one stands for one, tabs inside belong
// to the text), or to the end of the line when none closes it; whatever
// follows the closing quote up to the next tab is a field of its own.
std::vector<std::string> splitFields(std::string_view line);

// The line or field at the index, failing with "List index out of bounds (%d)"
// when the list is too short.
const std::string& itemAt(const std::vector<std::string>& items, std::size_t index);

} // namespace velmora
