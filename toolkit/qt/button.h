#pragma once

#include <QPushButton>

namespace toolkit::qt {

class Window;

// The system's push button; never a default button unless its description says so.
class Button final : public QPushButton {
    Q_OBJECT
public:
    Button(Window& window, std::size_t unit, QWidget* parent);

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
