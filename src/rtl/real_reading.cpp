#include "rtl/real_reading.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "rtl/failure.h"
#include "rtl/messages.h"

namespace velmora {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view digitsAt(std::string_view text, std::size_t& i) {
    std::size_t start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return text.substr(start, i - start);
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    std::size_t i = 0;
    while (i < digits.size() && digits[i] == '0')
        ++i;
    return digits.substr(i);
}

// The exponent's digits, capped far beyond any double so that a long run
// of digits cannot overflow.
long exponentValue(std::string_view digits) {
    long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > 100000)
            return 100000;
    }
    return value;
}

// Most cell texts are short decimals such as "0,063" or "1250". When all
// their digits make a whole number below 2^53 and the decimal point moves it
// by at most 22 places, both that number and the power of ten are exact
// doubles, so one division or multiplication rounds the exact decimal value
// once: the same correctly rounded double as the full conversion, found
// without building a text for it.
std::optional<double> exactShortDecimal(std::string_view whole, std::string_view fraction, long exponent) {
    constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int mostDigits = 15; // 10^15 - 1 < 2^53
    std::uint64_t digits = 0;
    int significant = 0;
    for (std::string_view part : {whole, fraction})
        for (char c : part) {
            if (significant == 0 && c == '0')
                continue;
            if (++significant > mostDigits)
                return std::nullopt;
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        }
    const long scale = exponent - static_cast<long>(fraction.size());
    if (scale < -22 || scale > 22)
        return std::nullopt;
    const auto value = static_cast<double>(digits);
    return scale < 0 ? value / powersOfTen[-scale] : value * powersOfTen[scale];
}

} // namespace

std::optional<double> tryReadReal(std::string_view text, const FormatSettings& settings) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    std::string_view body = text.substr(begin, end - begin);
    if (body.empty())
        return std::nullopt;

    std::size_t i = 0;
    bool negative = false;
    if (body[i] == '+' || body[i] == '-') {
        negative = body[i] == '-';
        ++i;
    }
    std::string_view whole = digitsAt(body, i);
    std::string_view fraction;
    if (i < body.size() && body[i] == settings.decimalSeparator) {
        ++i;
        fraction = digitsAt(body, i);
    }
    long exponent = 0;
    if (i < body.size() && (body[i] == 'E' || body[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
            negativeExponent = body[i] == '-';
            ++i;
        }
        exponent = exponentValue(digitsAt(body, i));
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != body.size())
        return std::nullopt;

    const double zero = negative ? -0.0 : 0.0;
    std::string_view significantWhole = withoutLeadingZeros(whole);
    if (significantWhole.empty() && fraction.find_first_not_of('0') == std::string_view::npos)
        return zero;

    if (auto value = exactShortDecimal(whole, fraction, exponent))
        return negative ? -*value : *value;

    std::string number;
    number.reserve(whole.size() + fraction.size() + 16);
    if (negative)
        number += '-';
    number += whole.empty() ? std::string_view("0") : whole;
    if (!fraction.empty()) {
        number += '.';
        number += fraction;
    }
    number += 'e';
    number += std::to_string(exponent);

    double value = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: too large fails, too small is zero.
        long magnitude = significantWhole.empty() ? -static_cast<long>(fraction.find_first_not_of('0')) + exponent
                                                  : static_cast<long>(significantWhole.size()) + exponent;
        if (magnitude > 0)
            return std::nullopt;
        return zero;
    }
    if (ec != std::errc() || ptr != number.data() + number.size())
        return std::nullopt;
    return value;
}

double readReal(std::string_view text, const FormatSettings& settings) {
    if (auto value = tryReadReal(text, settings))
        return *value;
    throw Failure(messages::invalidFloat(text));
}

double readDouble(std::string_view text, const FormatSettings& settings) {
    if (auto value = tryReadReal(text, settings))
        return *value;
    throw Failure(messages::invalidDouble(text));
}

} // namespace velmora
