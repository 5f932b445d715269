#pragma once

#include <QGroupBox>

namespace toolkit::qt {

class Window;

// The system's group frame, a real container for its children.
class GroupBox final : public QGroupBox {
    Q_OBJECT
public:
    GroupBox(Window& window, std::size_t unit, QWidget* parent);

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
