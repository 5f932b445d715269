#pragma once

#include <cstdint>

namespace forms {

// 0x00BBGGRR, as the descriptions store it.
using Colour = std::uint32_t;

// For a background: the system's button face. For a fill: no fill at all.
inline constexpr Colour SystemDefault = 0xFF000000;

inline constexpr Colour Black = 0x00000000;
inline constexpr Colour White = 0x00FFFFFF;
inline constexpr Colour PureBlue = 0x00FF0000;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr bool isSystemDefault(Colour c) {
    return c == SystemDefault;
}

constexpr Rgb toRgb(Colour c) {
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

constexpr Colour toColour(Rgb rgb) {
    return static_cast<Colour>(rgb.red) | (static_cast<Colour>(rgb.green) << 8) |
           (static_cast<Colour>(rgb.blue) << 16);
}

} // namespace forms
