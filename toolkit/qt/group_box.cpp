#include "toolkit/qt/group_box.h"

#include "toolkit/qt/fonts.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

#include <QPainter>

namespace toolkit::qt {

namespace {

// The caption starts this far in from the frame's left edge, on a patch of the background.
constexpr int CaptionIndent = 8;

} // namespace

GroupBox::GroupBox(Window& window, std::size_t unit, QWidget* parent)
    : QWidget(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = std::get<forms::GroupBoxSettings>(u.settings);
    setGeometry(u.left, u.top, u.width, u.height);
    setFont(fontFor(s.font));
    m_caption = decodeGbk(s.text);
    setFocusPolicy(Qt::NoFocus);
    fillBackground(*this, s.background_colour, s.text_colour);
}

int GroupBox::frameTop() const {
    return fontMetrics().height() / 2 - 1;
}

void GroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintEtchedFrame(painter, rect().adjusted(0, frameTop(), 0, 0));
    if (!m_caption.isEmpty())
        paintCaption(painter);
}

// A sunken line with a raised one inside it: shadow above white on the top and left, white outside
// shadow on the bottom and right.
void GroupBox::paintEtchedFrame(QPainter& painter, const QRect& frame) const {
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    const int l = frame.left();
    const int t = frame.top();
    const int r = frame.right();
    const int b = frame.bottom();
    painter.setPen(shadow);
    painter.drawLine(l, t, r - 1, t);
    painter.drawLine(l, t, l, b - 1);
    painter.drawLine(l + 1, b - 1, r - 1, b - 1);
    painter.drawLine(r - 1, t + 1, r - 1, b - 1);
    painter.setPen(highlight);
    painter.drawLine(l + 1, t + 1, r - 2, t + 1);
    painter.drawLine(l + 1, t + 1, l + 1, b - 2);
    painter.drawLine(l, b, r, b);
    painter.drawLine(r, t, r, b);
}

void GroupBox::paintCaption(QPainter& painter) const {
    const auto& s = std::get<forms::GroupBoxSettings>(m_window.unit(m_unit).settings);
    const int width = fontMetrics().horizontalAdvance(m_caption) + 2;
    const int room = std::max(0, this->width() - 2 * CaptionIndent);
    const int offset = s.alignment == 1 ? (room - width) / 2 : s.alignment == 2 ? room - width : 0;
    const QRect patch(CaptionIndent + std::max(0, offset) - 1, 0, width, fontMetrics().height());
    painter.fillRect(patch, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(patch, Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

} // namespace toolkit::qt
