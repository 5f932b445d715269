#pragma once

#include <QWidget>

namespace toolkit::qt {

class Window;

// A drawn shape: its background, then the outline drawn inside its bounds.
class ShapeBox final : public QWidget {
    Q_OBJECT
public:
    ShapeBox(Window& window, std::size_t unit, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
