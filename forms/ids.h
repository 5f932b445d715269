#pragma once

#include <cstdint>

namespace forms {

using WindowId = std::uint32_t;
using UnitId = std::uint32_t;

// The top byte of every identifier names what it identifies; the low 24 bits are a serial number.
enum class Category : std::uint8_t {
    Window = 0x52,
    WindowUnit = 0x06,
    Control = 0x16,
};

constexpr Category categoryOf(std::uint32_t id) {
    return static_cast<Category>(id >> 24);
}

// How a handler names a window to load: the window and the identifier of its own unit.
struct WindowRef {
    WindowId window = 0;
    UnitId unit = 0;
    friend bool operator==(const WindowRef&, const WindowRef&) = default;
};

} // namespace forms
