#pragma once

#include "forms/description.h"

namespace forms {

// The window the program opens first: a stretched picture, the heading and the start button.
extern const WindowDescription StartWindow;

inline constexpr WindowRef StartWindowRef{0x52010001, 0x06010000};

} // namespace forms
