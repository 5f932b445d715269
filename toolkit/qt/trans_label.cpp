#include "toolkit/qt/trans_label.h"

#include "toolkit/qt/alignment.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

#include <QPainter>

namespace toolkit::qt {

TransLabel::TransLabel(Window& window, std::size_t unit, QWidget* parent)
    : QWidget(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = std::get<forms::TransLabelSettings>(u.settings);
    setGeometry(u.left, u.top, u.width, u.height);
    setFont(fontFor(s.font));
    setFocusPolicy(Qt::NoFocus);
}

void TransLabel::paintEvent(QPaintEvent* /*event*/) {
    const auto& s = std::get<forms::TransLabelSettings>(m_window.unit(m_unit).settings);
    if (s.text.empty())
        return;
    QPainter painter(this);
    painter.setPen(toQColor(s.text_colour));
    painter.setFont(font());
    int flags = static_cast<int>(alignmentFor(s.h_align, s.v_align));
    flags |= s.word_wrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    painter.drawText(rect(), flags, decodeGbk(s.text));
}

} // namespace toolkit::qt
