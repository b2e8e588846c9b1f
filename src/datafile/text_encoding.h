// The data file's character sets. Texts inside Velmora are UTF-8; the file is
// written in Windows-1252, the 8-bit character set of the engineers' desktops,
// and read in whatever its byte-order mark announces.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The file's bytes as UTF-8 text. EF BB BF announces UTF-8, FF FE UTF-16
// little-endian, FE FF UTF-16 big-endian (the mark is not part of the text);
// anything else is Windows-1252. A NUL character ends the text. Malformed
// UTF-8 or UTF-16 becomes U+FFFD, so the result is always valid UTF-8.
std::string decodeFileText(std::string_view bytes);

// UTF-8 text as Windows-1252 bytes; a character that Windows-1252 cannot
// represent, and any byte that is not part of valid UTF-8, becomes "?".
std::string encodeWindows1252(std::string_view text);

} // namespace velmora
