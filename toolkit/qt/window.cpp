#include "toolkit/qt/window.h"

#include "toolkit/qt/controls.h"
#include "toolkit/qt/images.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace toolkit::qt {

namespace {

forms::KeyPress toKeyPress(const QKeyEvent& event) {
    forms::KeyPress key;
    const Qt::KeyboardModifiers mods = event.modifiers();
    key.shift = mods.testFlag(Qt::ShiftModifier);
    key.ctrl = mods.testFlag(Qt::ControlModifier);
    key.alt = mods.testFlag(Qt::AltModifier);
    switch (event.key()) {
    case Qt::Key_Tab: key.key = forms::Key::Tab; break;
    case Qt::Key_Backtab:
        key.key = forms::Key::Tab;
        key.shift = true;
        break;
    case Qt::Key_Escape: key.key = forms::Key::Escape; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: key.key = forms::Key::Enter; break;
    case Qt::Key_Space: key.key = forms::Key::Space; break;
    case Qt::Key_Left: key.key = forms::Key::Left; break;
    case Qt::Key_Right: key.key = forms::Key::Right; break;
    case Qt::Key_Up: key.key = forms::Key::Up; break;
    case Qt::Key_Down: key.key = forms::Key::Down; break;
    default:
        if ((event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) ||
            (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9)) {
            key.key = forms::Key::Character;
            key.character = static_cast<char>(event.key());
        }
        break;
    }
    return key;
}

std::int32_t keyState(Qt::KeyboardModifiers mods) {
    std::int32_t state = 0;
    if (mods.testFlag(Qt::ControlModifier))
        state += forms::key_state::Ctrl;
    if (mods.testFlag(Qt::ShiftModifier))
        state += forms::key_state::Shift;
    if (mods.testFlag(Qt::AltModifier))
        state += forms::key_state::Alt;
    return state;
}

Qt::WindowFlags flagsFor(const forms::WindowSettings& s) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (s.control_button)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (s.minimize_button)
        flags |= Qt::WindowMinimizeButtonHint;
    if (s.maximize_button)
        flags |= Qt::WindowMaximizeButtonHint;
    if (s.always_on_top)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

QSize toQSize(forms::Size size) {
    return {size.width, size.height};
}

} // namespace

Window::Window(const forms::WindowDescription& description, EventSink& sink)
    : QWidget(nullptr), m_description(description), m_sink(sink) {
    setAttribute(Qt::WA_DeleteOnClose);
    applyWindowSettings();
    buildControls();
}

Window::~Window() {
    m_sink.windowDestroyed(m_description.id);
}

void Window::applyWindowSettings() {
    const forms::WindowSettings& s = m_description.windowSettings();
    setWindowFlags(flagsFor(s));
    setWindowTitle(decodeGbk(s.title));
    if (const QImage icon = loadPicture(s.icon); !icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    m_background = loadPicture(s.background_picture);
    setFixedSize(toQSize(forms::clientSize(m_description, m_frame)));
    setFocusPolicy(Qt::NoFocus);
    installEventFilter(this);
}

void Window::buildControls() {
    m_controls.assign(m_description.units.size(), nullptr);
    const std::vector<std::size_t> order = forms::creationOrder(m_description);
    for (std::size_t index : order) {
        QWidget* widget = makeControl(*this, index, this);
        if (widget == nullptr)
            continue;
        widget->hide();
        widget->setEnabled(!unit(index).disabled);
        widget->installEventFilter(this);
        m_controls[index] = widget;
    }
    for (std::size_t index : order) {
        const forms::UnitDescription& u = unit(index);
        QWidget* widget = m_controls[index];
        if (widget == nullptr)
            continue;
        if (u.parent)
            if (const auto container = m_description.indexOf(*u.parent); container && m_controls[*container])
                widget->setParent(m_controls[*container]);
        widget->move(u.left, u.top);
    }
    // Raising from the bottom of each stack up leaves the lowest list index on top.
    for (std::size_t index : order) {
        if (QWidget* widget = m_controls[index])
            widget->raise();
    }
    for (std::size_t index : order) {
        if (QWidget* widget = m_controls[index]; widget && unit(index).visible)
            widget->show();
    }
}

QWidget* Window::control(std::size_t unit) const {
    return unit < m_controls.size() ? m_controls[unit] : nullptr;
}

QWidget* Window::control(std::string_view name) const {
    const auto index = m_description.indexOf(name);
    return index ? control(*index) : nullptr;
}

std::optional<std::size_t> Window::unitOf(const QObject* widget) const {
    for (std::size_t i = 1; i < m_controls.size(); ++i)
        if (m_controls[i] == widget)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> Window::focusedUnit() const {
    for (const QWidget* w = focusWidget(); w != nullptr && w != this; w = w->parentWidget())
        if (auto index = unitOf(w))
            return index;
    return std::nullopt;
}

bool Window::isMinimized() const {
    return QWidget::isMinimized();
}

void Window::restore() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    activate();
}

void Window::activate() {
    raise();
    activateWindow();
}

void Window::showAtStartPosition() {
    placeAtStartPosition();
    show();
    activate();
    if (const auto first = forms::initialFocus(m_description))
        focusUnit(*first, Qt::ActiveWindowFocusReason);
}

void Window::requestClose() {
    close();
}

void Window::placeAtStartPosition() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 0, 0);
    const forms::Point outer = forms::startPosition(m_description, {area.width(), area.height()});
    // move() places the frame where the platform draws one; where it draws none the frame is only
    // assumed, and the client area goes where that frame would leave it.
    const bool framed = windowHandle() != nullptr && !windowHandle()->frameMargins().isNull();
    if (framed || isVisible())
        move(area.x() + outer.x, area.y() + outer.y);
    else
        move(area.x() + outer.x + m_frame.left, area.y() + outer.y + m_frame.top);
    m_placedByUs = true;
}

// A window manager frames the window only after it is mapped; once the real frame is known the
// client area is resized so that the outer size stays the stored one, and the window re-centred.
void Window::settleFrame() {
    if (windowHandle() == nullptr || !m_placedByUs)
        return;
    const QMargins margins = windowHandle()->frameMargins();
    if (margins.isNull())
        return;
    const forms::FrameMargins real{margins.left(), margins.top(), margins.right(), margins.bottom()};
    if (m_frameKnown && real == m_frame)
        return;
    m_frameKnown = true;
    m_frame = real;
    setFixedSize(toQSize(forms::clientSize(m_description, m_frame)));
    placeAtStartPosition();
}

bool Window::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Expose:
    case QEvent::WindowActivate: settleFrame(); break;
    case QEvent::FocusIn:
        if (!focusedUnit())
            if (const auto first = forms::initialFocus(m_description))
                focusUnit(*first, Qt::ActiveWindowFocusReason);
        break;
    case QEvent::WindowStateChange:
        // Without a maximize box the window keeps its size, whatever the platform was asked to do.
        if (!m_description.windowSettings().maximize_button &&
            (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        break;
    default: break;
    }
    return QWidget::event(event);
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return handleKey(static_cast<const QKeyEvent&>(*event));
    if (event->type() == QEvent::MouseButtonPress && watched != this) {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (const auto index = unitOf(watched); index && mouse.button() == Qt::LeftButton)
            reportLeftButtonDown(*index, mouse);
    }
    return false;
}

bool Window::focusNextPrevChild(bool next) {
    if (const auto target = forms::nextFocus(m_description, focusedUnit(), next))
        focusUnit(*target, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool Window::handleKey(const QKeyEvent& key) {
    const forms::KeyAction action = forms::decideKey(m_description, focusedUnit(), toKeyPress(key));
    if (action.type == forms::KeyAction::Type::PassOn)
        return false;
    apply(action);
    return true;
}

void Window::apply(const forms::KeyAction& action) {
    using Type = forms::KeyAction::Type;
    switch (action.type) {
    case Type::PassOn:
    case Type::Swallow: break;
    case Type::Close: close(); break;
    case Type::Focus: focusUnit(action.unit, Qt::TabFocusReason); break;
    case Type::Click: click(action.unit); break;
    case Type::Select:
        focusUnit(action.unit, Qt::ShortcutFocusReason);
        click(action.unit);
        break;
    case Type::CheckRadio:
        focusUnit(action.unit, Qt::TabFocusReason);
        if (auto* radio = qobject_cast<QAbstractButton*>(control(action.unit)))
            radio->setChecked(true);
        radioChecked(action.unit);
        break;
    }
}

void Window::click(std::size_t unit) {
    if (auto* button = qobject_cast<QAbstractButton*>(control(unit)))
        button->click();
}

void Window::focusUnit(std::size_t unit, Qt::FocusReason reason) {
    if (QWidget* widget = control(unit))
        widget->setFocus(reason);
}

void Window::raiseEvent(std::size_t unit, std::int32_t event, std::span<const std::int32_t> args) {
    if (unit < m_description.units.size())
        m_sink.deliver(m_description.id, m_description.units[unit].id, event, args);
}

void Window::radioChecked(std::size_t unit) {
    for (std::size_t other : forms::radioSet(m_description, unit))
        if (other != unit)
            if (auto* radio = qobject_cast<QAbstractButton*>(control(other)))
                radio->setChecked(false);
    raiseEvent(unit, forms::event::Clicked);
}

void Window::reportLeftButtonDown(std::size_t unit, const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    const std::int32_t args[] = {at.x(), at.y(), keyState(event.modifiers())};
    raiseEvent(unit, forms::event::LeftButtonDown, args);
}

void Window::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        reportLeftButtonDown(0, *event);
    QWidget::mousePressEvent(event);
}

void Window::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const forms::WindowSettings& s = m_description.windowSettings();
    if (!m_background.isNull() && s.picture_mode == 3) {
        painter.drawImage(rect(), m_background);
        return;
    }
    painter.fillRect(rect(), colourOr(s.background_colour, buttonFace()));
    if (!m_background.isNull())
        painter.drawImage(QPoint(0, 0), m_background);
}

} // namespace toolkit::qt
