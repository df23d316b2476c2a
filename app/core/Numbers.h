#pragma once

#include <cmath>
#include <cstdint>
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

// A value kept in single precision, as the stored figures were computed.
inline float toSingle(double value) {
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
