#include "datafile/flag_reading.h"

#include "rtl/failure.h"
#include "rtl/messages.h"
#include "rtl/real_reading.h"

namespace velmora {

namespace {

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}

} // namespace

bool readFlag(std::string_view text, const FormatSettings& settings) {
    if (const auto number = tryReadReal(text, settings))
        return *number != 0.0;
    if (equalsIgnoringCase(text, "true"))
        return true;
    if (equalsIgnoringCase(text, "false"))
        return false;
    throw Failure(messages::invalidBoolean(text));
}

} // namespace velmora
