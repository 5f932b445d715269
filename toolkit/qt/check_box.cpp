#include "toolkit/qt/check_box.h"

#include "forms/event.h"
#include "toolkit/qt/alignment.h"
#include "toolkit/qt/check_face.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

#include <QKeyEvent>
#include <QStyleOptionButton>

namespace toolkit::qt {

CheckBox::CheckBox(Window& window, std::size_t unit, QWidget* parent)
    : QCheckBox(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = std::get<forms::CheckBoxSettings>(u.settings);
    setGeometry(u.left, u.top, u.width, u.height);
    setFont(fontFor(s.font));
    setText(decodeGbk(s.text));
    setChecked(s.checked);
    setFocusPolicy(Qt::StrongFocus);
    fillBackground(*this, s.background_colour, s.text_colour);
    connect(this, &QAbstractButton::clicked, this,
            [this] { m_window.raiseEvent(m_unit, forms::event::Clicked); });
}

// The whole control answers the mouse, not just the box and the text.
bool CheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void CheckBox::keyPressEvent(QKeyEvent* event) {
    if (isArrowKey(*event)) {
        event->ignore();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

void CheckBox::paintEvent(QPaintEvent* /*event*/) {
    const auto& s = std::get<forms::CheckBoxSettings>(m_window.unit(m_unit).settings);
    QStyleOptionButton option;
    initStyleOption(&option);
    paintCheckFace(*this, option, CheckBoxFace, alignmentFor(s.h_align, s.v_align), s.word_wrap);
}

} // namespace toolkit::qt
