#pragma once

#include <QLabel>

namespace toolkit::qt {

class Window;

// Text over its own filled background.
class Label final : public QLabel {
    Q_OBJECT
public:
    Label(Window& window, std::size_t unit, QWidget* parent);

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
