#include "rtl/number_text.h"

#include <bit>
#include <charconv>
#include <cmath>

namespace velmora {

std::string integerText(std::int64_t value) {
    return std::to_string(value);
}

namespace {

// True when the value lies exactly halfway between two texts of the given
// number of decimals. Written as m * 2^e with m odd, the value times 10^d is
// m * 5^d * 2^(e + d), which ends in exactly ".5" only when e + d = -1.
bool isTie(double magnitude, int decimals) {
    if (magnitude == 0 || !std::isfinite(magnitude))
        return false;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    constexpr std::uint64_t fractionBits = (std::uint64_t{1} << 52) - 1;
    const auto biased = static_cast<int>(bits >> 52);
    // Subnormals have no hidden bit and the exponent of the smallest normal.
    std::uint64_t mantissa = biased == 0 ? bits & fractionBits : (bits & fractionBits) | (fractionBits + 1);
    int exponent = (biased == 0 ? 1 : biased) - 1075;
    exponent += std::countr_zero(mantissa);
    return exponent == -(decimals + 1);
}

// Writes the digits with '.' into the buffer and returns their end.
char* fixedDigits(char* first, char* last, double magnitude, int decimals) {
    return std::to_chars(first, last, magnitude, std::chars_format::fixed, decimals).ptr;
}

// Adds one unit in the last place of digits with one '.'; returns the new
// first character (one place earlier when a carry runs out at the front).
char* incrementLastDigit(char* first, char* end) {
    for (char* p = end; p-- > first;) {
        if (*p == '.')
            continue;
        if (*p != '9') {
            ++*p;
            return first;
        }
        *p = '0';
    }
    *--first = '1';
    return first;
}

} // namespace

std::string fixedText(double value, int decimals, const FormatSettings& settings) {
    const double magnitude = std::fabs(value);
    // One place in front for a minus sign and one for a carry.
    char buffer[400];
    char* first = buffer + 2;
    char* end = nullptr;
    if (isTie(magnitude, decimals)) {
        // The expansion with one more decimal is exact and ends in 5: drop
        // it and round away from zero. (Shortest-correct formatting would
        // round such a tie to even.)
        end = fixedDigits(first, buffer + sizeof buffer, magnitude, decimals + 1) - 1;
        if (end[-1] == '.')
            --end;
        first = incrementLastDigit(first, end);
    } else {
        end = fixedDigits(first, buffer + sizeof buffer, magnitude, decimals);
    }

    bool allZero = true;
    for (char* p = first; p != end; ++p) {
        if (*p == '.')
            *p = settings.decimalSeparator;
        else if (*p != '0')
            allZero = false;
    }
    if (value < 0 && !allZero)
        *--first = '-';
    return std::string(first, end);
}

} // namespace velmora
