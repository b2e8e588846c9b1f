#include "rtl/real_reading.h"

#include <charconv>
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
