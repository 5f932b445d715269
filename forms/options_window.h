#pragma once

#include "forms/description.h"

namespace forms {

inline constexpr WindowRef OptionsWindowRef{0x52010008, 0x06010007};

} // namespace forms
