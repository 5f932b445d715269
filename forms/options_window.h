#pragma once

#include "forms/description.h"

namespace forms {

// The form the start button opens: account number, post link, audience size and options, and the
// login button.
extern const WindowDescription OptionsWindow;

inline constexpr WindowRef OptionsWindowRef{0x52010008, 0x06010007};

} // namespace forms
