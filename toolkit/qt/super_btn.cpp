#include "toolkit/qt/super_btn.h"

#include "forms/event.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/images.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

#include <QPainter>

namespace toolkit::qt {

namespace {

const forms::SuperBtnSettings& settingsOf(const Window& window, std::size_t unit) {
    return std::get<forms::SuperBtnSettings>(window.unit(unit).settings);
}

} // namespace

SuperBtn::SuperBtn(Window& window, std::size_t unit, QWidget* parent)
    : QAbstractButton(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = settingsOf(window, unit);
    setGeometry(u.left, u.top, u.width, u.height);
    setFont(fontFor(s.font));
    setText(decodeGbk(s.text));
    setFocusPolicy(Qt::StrongFocus);
    m_normal = loadPicture(s.normal_picture, s.normal_key_colour);
    m_hover = loadPicture(s.hover_picture, s.hover_key_colour);
    connect(this, &QAbstractButton::clicked, this, [this] { m_window.raiseEvent(m_unit, forms::event::Clicked); });
}

void SuperBtn::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), buttonFace());
    const QImage& picture = m_normal.isNull() ? m_hover : m_normal;
    if (!picture.isNull())
        painter.drawImage(QPoint(0, 0), picture);
    painter.setPen(buttonText());
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, text());
}

} // namespace toolkit::qt
