// Integer reading, real reading and number texts on arbitrary text: a
// reading either succeeds or fails with the system's message, a number read
// comes back from its own text, and no text written is "-0,000", "inf" or
// "nan".
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "rtl/failure.h"
#include "rtl/integer_reading.h"
#include "rtl/number_text.h"
#include "rtl/real_reading.h"

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool isPlainText(const std::string& text) {
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

void checkInteger(std::string_view text) {
    auto value = velmora::tryReadInteger(text);
    try {
        require(velmora::readInteger(text) == value.value());
    } catch (const velmora::Failure& failure) {
        require(!value &&
                failure.message() == "'" + std::string(text) + "' is not a valid integer value for Integer type");
    }
    if (value) {
        std::string written = velmora::integerText(*value);
        require(velmora::tryReadInteger(written) == value);
    }
}

void checkReal(std::string_view text, const velmora::FormatSettings& settings) {
    auto value = velmora::tryReadReal(text, settings);
    try {
        require(velmora::readReal(text, settings) == value.value() || std::isnan(*value));
    } catch (const velmora::Failure& failure) {
        require(!value && !failure.message().empty());
    }
    if (!value)
        return;
    require(std::isfinite(*value));
    for (int decimals : {3, 7}) {
        std::string written = velmora::fixedText(*value, decimals, settings);
        require(isPlainText(written));
        bool zero = written.find_first_not_of("-0,") == std::string::npos;
        require(!(zero && written[0] == '-'));
        auto back = velmora::tryReadReal(written, settings);
        require(back.has_value());
        // The text is the value rounded to the decimals shown.
        require(std::fabs(*back - *value) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(*value) * 1e-15);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const velmora::FormatSettings comma{','};
    checkInteger(text);
    checkReal(text, comma);
    return 0;
}
