// Real arithmetic with the division-by-zero, invalid-operation and overflow
// faults enabled: each operation fails with the system's message where the
// hardware would trap, instead of producing an infinity or a NaN.
#pragma once

#include <cmath>
#include <cstdint>

#include "rtl/failure.h"
#include "rtl/messages.h"

namespace velmora {

// The operands of these functions are always finite: every real comes from
// a reading or an earlier checked operation. A result that is not finite
// therefore went beyond the range of a double.
inline double checkedResult(double result) {
    if (!std::isfinite(result))
        throw Failure(messages::overflow);
    return result;
}

inline double add(double a, double b) {
    return checkedResult(a + b);
}
inline double subtract(double a, double b) {
    return checkedResult(a - b);
}
inline double multiply(double a, double b) {
    return checkedResult(a * b);
}
inline double divide(double a, double b) {
    if (b == 0)
        throw Failure(a == 0 ? messages::invalidOperation : messages::divisionByZero);
    return checkedResult(a / b);
}

// Rounds to the nearest whole number, ties to the even neighbour, into 64
// bits; a value beyond that range fails as an invalid operation.
std::int64_t roundToInt64(double value);

} // namespace velmora
