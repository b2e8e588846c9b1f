#include "rtl/checked_real.h"

namespace velmora {

std::int64_t roundToInt64(double value) {
    // 2^63 is exactly representable; every double below it in magnitude
    // that is this large is already whole.
    constexpr double limit = 9223372036854775808.0;
    if (!(value >= -limit && value < limit))
        throw Failure(messages::invalidOperation);
    double whole = std::floor(value);
    double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    if (whole >= limit)
        throw Failure(messages::invalidOperation);
    return static_cast<std::int64_t>(whole);
}

} // namespace velmora
