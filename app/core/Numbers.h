#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

// The numeric rules that stored data depends on: exact halves round to the even neighbour,
// 16-bit whole numbers where the stored form keeps them, and single precision where a
// stored value was computed in it.
namespace Numbers {

inline double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

// The value rounded to the given number of decimals, exact halves to the even neighbour.
inline double roundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return roundHalfEven(value * scale) / scale;
}

// A value kept in single precision, as the stored figures were computed. A finite value beyond
// float's range becomes float's largest value of its sign, the nearest one it has (a plain cast
// of such a value is undefined); infinities and NaN stay what they are.
inline float toSingle(double value) {
    constexpr float largest = std::numeric_limits<float>::max();
    if (std::isfinite(value) && std::abs(value) > largest)
        return value > 0 ? largest : -largest;
    return static_cast<float>(value);
}

// The value rounded to a 16-bit whole number, or nothing when it does not fit.
inline std::optional<std::int16_t> toInt16(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768 && rounded <= 32767))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace Numbers
