#include "platform/core/numbers.h"

#include <cmath>
#include <limits>

#include "platform/core/error.h"

namespace platform {

namespace {

long long roundHalfEven(double value, long long lowest, long long highest) {
    if (!std::isfinite(value)) {
        raise(err::Overflow);
    }
    // nearbyint follows the default rounding mode, round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(lowest) || rounded > static_cast<double>(highest)) {
        raise(err::Overflow);
    }
    return static_cast<long long>(rounded);
}

}  // namespace

std::int32_t toInt32(double value) {
    return static_cast<std::int32_t>(roundHalfEven(value, std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max()));
}

std::int16_t toInt16(double value) {
    return static_cast<std::int16_t>(roundHalfEven(value, std::numeric_limits<std::int16_t>::min(),
                                                   std::numeric_limits<std::int16_t>::max()));
}

std::int16_t checkedInt16(long long value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        raise(err::Overflow);
    }
    return static_cast<std::int16_t>(value);
}

std::int32_t checkedInt32(long long value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        raise(err::Overflow);
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace platform
