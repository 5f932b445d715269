#include "toolkit/qt/button.h"

#include "forms/event.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

namespace toolkit::qt {

Button::Button(Window& window, std::size_t unit, QWidget* parent)
    : QPushButton(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = std::get<forms::ButtonSettings>(u.settings);
    setGeometry(u.left, u.top, u.width, u.height);
    setFont(fontFor(s.font));
    setText(decodeGbk(s.text));
    // Enter is decided by the window's key rule, never by Qt's default-button logic.
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { m_window.raiseEvent(m_unit, forms::event::Clicked); });
}

} // namespace toolkit::qt
