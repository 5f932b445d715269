#pragma once

#include "toolkit/win32/control.h"

#include <memory>

namespace toolkit::win32 {

// Makes the control of the kind that unit `unit` of the window names, hidden, as a child of the
// window; nullptr for a kind the toolkit cannot make.
std::unique_ptr<Control> makeControl(Window& window, std::size_t unit);

} // namespace toolkit::win32
