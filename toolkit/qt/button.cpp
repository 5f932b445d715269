#include "toolkit/qt/button.h"

#include "forms/event.h"
#include "toolkit/qt/check_face.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

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
    connect(this, &QAbstractButton::clicked, this,
            [this] { m_window.raiseEvent(m_unit, forms::event::Clicked); });
}

void Button::keyPressEvent(QKeyEvent* event) {
    // Qt would move the focus on arrows; the system's push button ignores them, and Enter is the
    // window's to decide.
    if (isArrowKey(*event) || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void Button::paintEvent(QPaintEvent* /*event*/) {
    const auto& s = std::get<forms::ButtonSettings>(m_window.unit(m_unit).settings);
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown() || isChecked())
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const int flags =
        Qt::AlignCenter | Qt::TextShowMnemonic | (s.word_wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    painter.drawItemText(contents, flags, option.palette, isEnabled(), option.text, QPalette::ButtonText);

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace toolkit::qt
