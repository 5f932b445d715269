#include "toolkit/qt/label.h"

#include "toolkit/qt/alignment.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

namespace toolkit::qt {

Label::Label(Window& window, std::size_t unit, QWidget* parent)
    : QLabel(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = std::get<forms::LabelSettings>(u.settings);
    setGeometry(u.left, u.top, u.width, u.height);
    setFont(fontFor(s.font));
    setTextFormat(Qt::PlainText);
    setText(decodeGbk(s.text));
    setWordWrap(s.word_wrap);
    setAlignment(alignmentFor(s.h_align, s.v_align));
    setFocusPolicy(Qt::NoFocus);
    fillBackground(*this, s.background_colour, s.text_colour);
}

} // namespace toolkit::qt
