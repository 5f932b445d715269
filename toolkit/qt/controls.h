#pragma once

#include <cstddef>

class QWidget;

namespace toolkit::qt {

class Window;

// Makes the widget of the control kind that unit `unit` of the window names, as a hidden child of
// `parent`; nullptr for a kind the toolkit cannot make.
QWidget* makeControl(Window& window, std::size_t unit, QWidget* parent);

} // namespace toolkit::qt
