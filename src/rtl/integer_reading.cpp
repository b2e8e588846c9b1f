#include "rtl/integer_reading.h"

#include "rtl/failure.h"
#include "rtl/messages.h"

namespace velmora {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> readHexPattern(std::string_view digits) {
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t pattern = 0;
    for (char c : digits) {
        int v = hexValue(c);
        if (v < 0)
            return std::nullopt;
        pattern = pattern << 4 | static_cast<std::uint32_t>(v);
    }
    return pattern;
}

// The magnitude, kept to at most 2^31 so that "-2147483648" still fits.
std::optional<std::uint32_t> readDecimal(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0x80000000u)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::optional<std::int32_t> tryReadInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);

    std::string_view hexDigits;
    bool hex = false;
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        hex = true;
        hexDigits = rest.substr(1);
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        hex = true;
        hexDigits = rest.substr(2);
    }

    if (hex) {
        // A hexadecimal text is a bit pattern: "$FFFFFFFF" is -1, and its
        // negation wraps like the 32-bit number it stands for.
        auto pattern = readHexPattern(hexDigits);
        if (!pattern)
            return std::nullopt;
        std::uint32_t bits = negative ? 0u - *pattern : *pattern;
        return static_cast<std::int32_t>(bits);
    }

    auto magnitude = readDecimal(rest);
    if (!magnitude)
        return std::nullopt;
    if (negative)
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(*magnitude));
    if (*magnitude > 0x7FFFFFFFu)
        return std::nullopt;
    return static_cast<std::int32_t>(*magnitude);
}

std::int32_t readInteger(std::string_view text) {
    if (auto value = tryReadInteger(text))
        return *value;
    throw Failure(messages::invalidInteger(text));
}

} // namespace velmora
