#pragma once

#include <QPushButton>

namespace toolkit::qt {

class Window;

// The system's push button; never a default button unless its description says so. Its text is
// centred both ways and may wrap.
class Button final : public QPushButton {
    Q_OBJECT
public:
    Button(Window& window, std::size_t unit, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
