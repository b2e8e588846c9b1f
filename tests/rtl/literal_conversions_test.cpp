// Real reading and "0.000" texts against the plain conversions they stand
// for: reading through a text handed to std::from_chars, and rounding on the
// decimal expansion through frexp and a text of one more decimal.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "rtl/number_text.h"
#include "rtl/real_reading.h"

namespace velmora {
namespace {

// The value of a well-formed decimal text with the decimal comma.
double readByFromChars(std::string text) {
    for (char& c : text)
        if (c == ',')
            c = '.';
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool tieByFrexp(double magnitude, int decimals) {
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

std::string fixedByText(double value, int decimals) {
    const double magnitude = std::fabs(value);
    char buffer[400];
    const bool tie = tieByFrexp(magnitude, decimals);
    auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed,
                             tie ? decimals + 1 : decimals)
                   .ptr;
    std::string digits(buffer, end);
    if (tie) {
        digits.pop_back();
        if (digits.back() == '.')
            digits.pop_back();
        std::size_t i = digits.size();
        for (;;) {
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                break;
            }
            --i;
            if (digits[i] == '.')
                continue;
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
        }
    }
    const bool allZero = digits.find_first_not_of("0.") == std::string::npos;
    for (char& c : digits)
        if (c == '.')
            c = ',';
    if (value < 0 && !allZero)
        digits.insert(digits.begin(), '-');
    return digits;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(LiteralConversions, ShortAndLongDecimalsReadAsTheFullConversion) {
    FormatSettings settings;
    settings.decimalSeparator = ',';
    std::mt19937_64 random(5);
    const auto digits = [&](int count) {
        std::string text;
        for (int k = 0; k < count; ++k)
            text += static_cast<char>('0' + random() % 10);
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string text = (random() % 4 == 0 ? "-" : "") + digits(1 + static_cast<int>(random() % 12));
        if (random() % 2)
            text += "," + digits(static_cast<int>(random() % 12));
        if (random() % 5 == 0)
            text += "E" + std::to_string(static_cast<int>(random() % 60) - 30);
        const auto value = tryReadReal(text, settings);
        ASSERT_TRUE(value) << text;
        ASSERT_TRUE(sameBits(*value, readByFromChars(text))) << text;
    }
}

TEST(LiteralConversions, FixedTextsMatchTheRoundingOnTheDecimalText) {
    FormatSettings settings;
    settings.decimalSeparator = ',';
    std::mt19937_64 random(6);
    std::uniform_real_distribution<double> share(-2, 2);
    for (int round = 0; round < 20000; ++round) {
        double value = share(random);
        switch (round % 6) {
        case 0: // ties of three decimals, odd multiples of 1/16 ...
            value = static_cast<double>(2 * static_cast<int>(random() % 4000) - 3999) / 16;
            break;
        case 3: // ... and of seven, odd multiples of 1/256
            value = static_cast<double>(2 * static_cast<int>(random() % 4000) - 3999) / 256;
            break;
        case 1:
            value = std::ldexp(static_cast<double>(random() % 4096), static_cast<int>(random() % 80) - 60);
            break;
        case 2:
            value = std::bit_cast<double>(random() >> 2) * (random() % 2 ? 1 : -1);
            break;
        default:
            break;
        }
        if (!std::isfinite(value))
            continue;
        for (int decimals : {3, 7})
            ASSERT_EQ(fixedText(value, decimals, settings), fixedByText(value, decimals)) << value;
    }
}

} // namespace
} // namespace velmora
