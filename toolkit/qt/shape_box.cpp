#include "toolkit/qt/shape_box.h"

#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/window.h"

#include <QPainter>

namespace toolkit::qt {

ShapeBox::ShapeBox(Window& window, std::size_t unit, QWidget* parent)
    : QWidget(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    setGeometry(u.left, u.top, u.width, u.height);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeBox::paintEvent(QPaintEvent* /*event*/) {
    const auto& s = std::get<forms::ShapeBoxSettings>(m_window.unit(m_unit).settings);
    QPainter painter(this);
    painter.fillRect(rect(), colourOr(s.background_colour, buttonFace()));
    const int line = std::max(0, s.line_width);
    const QRect inner = rect().adjusted(line, line, -line, -line);
    if (!forms::isSystemDefault(s.fill_colour))
        painter.fillRect(inner, toQColor(s.fill_colour));
    if (s.shape != 0 || line == 0 || s.line_style == 0)
        return;
    // A rectangle outline of `line` pixels lying wholly inside the control.
    const QColor colour = toQColor(s.line_colour);
    painter.fillRect(QRect(0, 0, width(), line), colour);
    painter.fillRect(QRect(0, height() - line, width(), line), colour);
    painter.fillRect(QRect(0, 0, line, height()), colour);
    painter.fillRect(QRect(width() - line, 0, line, height()), colour);
}

} // namespace toolkit::qt
