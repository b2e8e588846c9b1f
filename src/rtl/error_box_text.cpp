#include "rtl/error_box_text.h"

namespace velmora {

std::string errorBoxText(const std::string& message) {
    // UTF-8: the last byte of a multi-byte character is above 0x7F, as is
    // the character's own code, so comparing the last byte is enough.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

} // namespace velmora
