#include "toolkit/qt/group_box.h"

#include "toolkit/qt/fonts.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

namespace toolkit::qt {

GroupBox::GroupBox(Window& window, std::size_t unit, QWidget* parent)
    : QGroupBox(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = std::get<forms::GroupBoxSettings>(u.settings);
    setGeometry(u.left, u.top, u.width, u.height);
    setFont(fontFor(s.font));
    setTitle(decodeGbk(s.text));
    setFocusPolicy(Qt::NoFocus);
    fillBackground(*this, s.background_colour, s.text_colour);
}

} // namespace toolkit::qt
