#include "rtl/number_text.h"

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
    int exponent = 0;
    double fraction = std::frexp(magnitude, &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    while ((mantissa & 1u) == 0) {
        mantissa >>= 1;
        ++exponent;
    }
    return exponent == -(decimals + 1);
}

std::string fixedDigits(double magnitude, int decimals) {
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// Adds one unit in the last place of a text of digits and one '.'.
void incrementLastDigit(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string fixedText(double value, int decimals, const FormatSettings& settings) {
    const double magnitude = std::fabs(value);
    std::string digits;
    if (isTie(magnitude, decimals)) {
        // The expansion with one more decimal is exact and ends in 5: drop
        // it and round away from zero. (Shortest-correct formatting would
        // round such a tie to even.)
        digits = fixedDigits(magnitude, decimals + 1);
        digits.pop_back();
        if (digits.back() == '.')
            digits.pop_back();
        incrementLastDigit(digits);
    } else {
        digits = fixedDigits(magnitude, decimals);
    }

    bool allZero = digits.find_first_not_of("0.") == std::string::npos;
    for (char& c : digits)
        if (c == '.')
            c = settings.decimalSeparator;
    if (value < 0 && !allZero)
        digits.insert(digits.begin(), '-');
    return digits;
}

} // namespace velmora
