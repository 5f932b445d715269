#include "toolkit/qt/edit_box.h"

#include "forms/rules.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

#include <QFontMetrics>
#include <QPalette>

namespace toolkit::qt {

namespace {

// The sunken edge of the classic edit control, on each side.
constexpr int SunkenEdge = 2;

} // namespace

EditBox::EditBox(Window& window, std::size_t unit, QWidget* parent)
    : QLineEdit(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = std::get<forms::EditBoxSettings>(u.settings);
    setFont(fontFor(s.font));
    setFrame(s.border != 0);
    setText(decodeGbk(s.text));
    setMaxLength(s.max_length > 0 ? s.max_length : 0x7FFFFFFF);
    setReadOnly(s.input_mode == 1);
    setAlignment(s.alignment == 1 ? Qt::AlignHCenter : s.alignment == 2 ? Qt::AlignRight : Qt::AlignLeft);
    QPalette p = palette();
    p.setColor(QPalette::Text, toQColor(s.text_colour));
    p.setColor(QPalette::Base, colourOr(s.background_colour, buttonFace()));
    setPalette(p);
    setCursorPosition(0);
    setFocusPolicy(Qt::StrongFocus);
    const int height = forms::editBoxHeight(u.height, QFontMetrics(font()).height(), SunkenEdge);
    setGeometry(u.left, u.top, u.width, height);
}

} // namespace toolkit::qt
