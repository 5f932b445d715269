#include "toolkit/qt/radio_box.h"

#include "toolkit/qt/alignment.h"
#include "toolkit/qt/check_face.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

#include <QKeyEvent>
#include <QStyleOptionButton>

namespace toolkit::qt {

RadioBox::RadioBox(Window& window, std::size_t unit, QWidget* parent)
    : QRadioButton(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = std::get<forms::RadioBoxSettings>(u.settings);
    setGeometry(u.left, u.top, u.width, u.height);
    setFont(fontFor(s.font));
    setText(decodeGbk(s.text));
    setAutoExclusive(false);
    setChecked(s.checked);
    setFocusPolicy(Qt::StrongFocus);
    fillBackground(*this, s.background_colour, s.text_colour);
    connect(this, &QAbstractButton::clicked, this, [this] { m_window.radioChecked(m_unit); });
}

void RadioBox::nextCheckState() {
    setChecked(true);
}

bool RadioBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void RadioBox::keyPressEvent(QKeyEvent* event) {
    if (isArrowKey(*event)) {
        event->ignore();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

void RadioBox::paintEvent(QPaintEvent* /*event*/) {
    const auto& s = std::get<forms::RadioBoxSettings>(m_window.unit(m_unit).settings);
    QStyleOptionButton option;
    initStyleOption(&option);
    paintCheckFace(*this, option, RadioBoxFace, alignmentFor(s.h_align, s.v_align), s.word_wrap);
}

} // namespace toolkit::qt
