#include "toolkit/qt/super_btn.h"

#include "forms/event.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/images.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"
#include "toolkit/sound.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace toolkit::qt {

namespace {

// Asks the X server, which knows of presses made in other programs or on the desktop; nullopt where
// the platform is not X11.
std::optional<bool> leftButtonHeldOnX11(const QWidget& widget) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto window = static_cast<xcb_window_t>(widget.window()->winId());
    const xcb_query_pointer_cookie_t cookie = xcb_query_pointer(connection, window);
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return std::nullopt;
    return (reply->mask & XCB_BUTTON_MASK_1) != 0;
}

QColor toQColor(forms::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

forms::Rgb toRgb(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

bool isPlainSpace(const QKeyEvent& event) {
    return event.key() == Qt::Key_Space && !event.isAutoRepeat() &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

SuperBtn::SuperBtn(Window& window, std::size_t unit, QWidget* parent)
    : QAbstractButton(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = settings();
    setGeometry(u.left, u.top, u.width, u.height);
    setFont(fontFor(s.font));
    setText(decodeGbk(s.text));
    setFocusPolicy(Qt::StrongFocus);
    // Moves without a button held are what start hovering, in an inactive window too.
    setMouseTracking(true);
    m_normal = loadPicture(s.normal_picture, s.normal_key_colour);
    m_hover = loadPicture(s.hover_picture, s.hover_key_colour);
    // A click the window makes for a key sounds like one made with the mouse.
    connect(this, &QAbstractButton::clicked, this, [this] { completeClick(); });
}

const forms::SuperBtnSettings& SuperBtn::settings() const {
    return std::get<forms::SuperBtnSettings>(m_window.unit(m_unit).settings);
}

bool SuperBtn::leftButtonHeld() const {
    if (const std::optional<bool> held = leftButtonHeldOnX11(*this))
        return *held;
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

void SuperBtn::pointerAt(QPointF position) {
    const bool inside = rect().contains(position.toPoint());
    // Only a pointer that could start hovering needs the platform's word on the left button.
    const bool mayStartHover = inside && !m_machine.hovered() && !m_machine.heldByMouse();
    apply(m_machine.pointerMoved(inside, m_machine.heldByMouse() || (mayStartHover && leftButtonHeld())));
}

// Windows appearing or going away under a resting pointer bring no move, only the entry.
void SuperBtn::enterEvent(QEnterEvent* event) {
    pointerAt(event->position());
}

// The event's own buttons are not trusted: a press made outside the program leaves them empty.
void SuperBtn::mouseMoveEvent(QMouseEvent* event) {
    pointerAt(event->position());
}

void SuperBtn::leaveEvent(QEvent* /*event*/) {
    apply(m_machine.pointerLeft());
}

void SuperBtn::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // The press that starts a click holds the mouse until its release, wherever that happens.
    setFocus(Qt::MouseFocusReason);
    apply(m_machine.leftPressed());
}

void SuperBtn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    apply(m_machine.leftReleased(rect().contains(event->position().toPoint())));
}

void SuperBtn::focusOutEvent(QFocusEvent* event) {
    apply(m_machine.focusLost());
    QWidget::focusOutEvent(event);
}

void SuperBtn::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->isAutoRepeat())
        return;
    if (!isPlainSpace(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    apply(m_machine.spacePressed());
}

void SuperBtn::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->isAutoRepeat())
        return;
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    apply(m_machine.spaceReleased());
}

void SuperBtn::apply(const forms::SuperBtnReaction& reaction) {
    if (reaction.repaint)
        update();
    // click() plays the sound itself, so that every click sounds exactly once.
    if (reaction.clicked)
        click();
    else if (reaction.playSound)
        playClickSound();
}

void SuperBtn::completeClick() {
    playClickSound();
    m_window.raiseEvent(m_unit, forms::event::Clicked);
}

void SuperBtn::playClickSound() {
    if (!settings().builtin_sound)
        return;
    if (SoundPlayer* player = m_window.soundPlayer())
        player->play(clickSound());
}

void SuperBtn::paintFill(QPainter& painter, forms::SuperBtnFill fill) const {
    // The colours are the system's at this paint, so that a change of them shows at once.
    const QColor face = buttonFace();
    if (fill == forms::SuperBtnFill::Face) {
        painter.fillRect(rect(), face);
        return;
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(toQColor(forms::highlightColour(toRgb(face))));
    // The outline runs along the outermost pixels; the radii are half the corner ellipse.
    painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), forms::HighlightCorner.width / 2.0,
                            forms::HighlightCorner.height / 2.0, Qt::AbsoluteSize);
}

void SuperBtn::paintEvent(QPaintEvent* /*event*/) {
    const forms::SuperBtnLook look = forms::superBtnLook(
        m_machine.state(), {!m_normal.isNull(), !m_hover.isNull()}, settings().pressed_shift);
    const QPoint shift(look.shift.x, look.shift.y);
    QPainter painter(this);
    paintFill(painter, look.fill);
    if (const QImage* picture = forms::pictureIn(look.picture, m_normal, m_hover))
        painter.drawImage(shift, *picture);
    painter.setPen(buttonText());
    painter.setFont(font());
    painter.drawText(rect().translated(shift), Qt::AlignCenter | Qt::TextWordWrap, text());
}

} // namespace toolkit::qt
