#pragma once

#include <cstdint>
#include <span>
#include <variant>

namespace forms {

// Event numbers: 0 is the kind's own main event, negative numbers are the events every kind has.
namespace event {
inline constexpr std::int32_t Created = 0;         // window
inline constexpr std::int32_t Clicked = 0;         // Button, CheckBox, RadioBox, SuperBtn
inline constexpr std::int32_t Feedback = 0;        // Label: two integers
inline constexpr std::int32_t LeftButtonDown = -1; // any kind: x, y, key state
} // namespace event

// Key state of LeftButtonDown: the sum of the modifiers held.
namespace key_state {
inline constexpr std::int32_t Ctrl = 1;
inline constexpr std::int32_t Shift = 2;
inline constexpr std::int32_t Alt = 4;
} // namespace key_state

// Handlers take exactly their event's arguments and return nothing.
using Handler0 = void (*)();
using Handler2 = void (*)(std::int32_t, std::int32_t);
using Handler3 = void (*)(std::int32_t, std::int32_t, std::int32_t);
using Handler = std::variant<Handler0, Handler2, Handler3>;

std::size_t arityOf(const Handler& handler);
void invoke(const Handler& handler, std::span<const std::int32_t> args);

struct EventBinding {
    std::int32_t event = 0;
    Handler handler;
};

} // namespace forms
