#include "options_cycle.h"

#include "forms/kind.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <vector>

namespace {

constexpr forms::WindowId StartWindowId = 0x52010001;
constexpr forms::WindowId OptionsWindowId = 0x52010008;
constexpr std::size_t StartButtonUnit = 2;

std::vector<QWidget*> controlsOfKind(const toolkit::qt::Window& window, forms::Kind kind) {
    std::vector<QWidget*> controls;
    for (std::size_t unit = 1; unit < window.description().units.size(); ++unit) {
        if (window.unit(unit).kind == kind)
            controls.push_back(window.control(unit));
    }
    return controls;
}

bool isChecked(QWidget* control) {
    return static_cast<QAbstractButton*>(control)->isChecked();
}

void clickCentre(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

QtMessageHandler s_defaultHandler = nullptr;

void dropPlatformLimitations(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        s_defaultHandler(type, context, message);
}

} // namespace

void hidePlatformLimitations() {
    if (s_defaultHandler == nullptr)
        s_defaultHandler = qInstallMessageHandler(dropPlatformLimitations);
}

bool waitUntil(const std::function<bool()>& done, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

OptionsCycle::OptionsCycle() = default;

OptionsCycle::~OptionsCycle() {
    finish();
}

bool OptionsCycle::fail(const QString& why) {
    m_error = why;
    return false;
}

bool OptionsCycle::start() {
    auto backend = std::make_unique<toolkit::qt::QtBackend>("quorvane");
    m_backend = backend.get();
    // Sound has tests of its own; here it would only add a worker thread to every count.
    m_backend->setSoundPlayer(nullptr);
    m_shell = std::make_unique<app::Shell>(std::move(backend), app::programWindows());
    if (!m_shell->initToolkit() || !m_shell->loadStartWindow(StartWindowId))
        return fail(QStringLiteral("the start window did not open"));
    if (!QTest::qWaitForWindowActive(startWindow()))
        return fail(QStringLiteral("the start window did not become active"));
    return true;
}

toolkit::qt::Window* OptionsCycle::startWindow() const {
    return m_backend != nullptr ? m_backend->window(StartWindowId) : nullptr;
}

void OptionsCycle::finish() {
    if (!m_shell)
        return;
    if (toolkit::qt::Window* start = startWindow())
        start->close();
    if (toolkit::qt::Window* options = m_backend->window(OptionsWindowId))
        options->close();
    waitUntil([this] { return !m_shell->isOpen(StartWindowId) && !m_shell->isOpen(OptionsWindowId); });
    m_shell.reset();
    m_backend = nullptr;
    // The last window's destruction posted a quit request; take it so that no later loop sees it.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
}

toolkit::qt::Window* OptionsCycle::openOptions() {
    clickCentre(startWindow()->control(StartButtonUnit));
    toolkit::qt::Window* options = m_backend->window(OptionsWindowId);
    if (options == nullptr || !m_shell->isOpen(OptionsWindowId) || !options->isVisible())
        return nullptr;
    return options;
}

// A window built afresh: nothing typed, ticked or picked in an earlier one survives.
bool OptionsCycle::startsEmpty(toolkit::qt::Window& options) {
    for (QWidget* edit : controlsOfKind(options, forms::Kind::EditBox)) {
        if (!static_cast<QLineEdit*>(edit)->text().isEmpty())
            return fail(QStringLiteral("an edit box kept its text"));
    }
    for (forms::Kind kind : {forms::Kind::CheckBox, forms::Kind::RadioBox}) {
        for (QWidget* button : controlsOfKind(options, kind)) {
            if (isChecked(button))
                return fail(QStringLiteral("a check box or radio button kept its check"));
        }
    }
    return true;
}

bool OptionsCycle::fillIn(toolkit::qt::Window& options, int cycle) {
    const QString typed = QStringLiteral("qv%1").arg(cycle);
    for (QWidget* edit : controlsOfKind(options, forms::Kind::EditBox)) {
        clickCentre(edit);
        QTest::keyClicks(edit, typed);
        if (static_cast<QLineEdit*>(edit)->text() != typed)
            return fail(QStringLiteral("an edit box did not take the typing"));
    }
    for (QWidget* check : controlsOfKind(options, forms::Kind::CheckBox)) {
        clickCentre(check);
        if (!isChecked(check))
            return fail(QStringLiteral("a check box did not tick"));
    }
    const std::vector<QWidget*> radios = controlsOfKind(options, forms::Kind::RadioBox);
    if (radios.empty())
        return true;
    QWidget* picked = radios[static_cast<std::size_t>(cycle) % radios.size()];
    clickCentre(picked);
    for (QWidget* radio : radios) {
        if (isChecked(radio) != (radio == picked))
            return fail(QStringLiteral("the radio set does not show exactly the picked button"));
    }
    return true;
}

// Alternately by Esc, as the user closes it from the keyboard, and by a close request, as from the
// close box; either way the window must be gone once its destruction has been processed.
bool OptionsCycle::close(toolkit::qt::Window& options, int cycle) {
    if (cycle % 2 == 0) {
        QWidget* target = options.focusWidget() != nullptr ? options.focusWidget() : &options;
        QTest::keyClick(target, Qt::Key_Escape);
    } else {
        options.requestClose();
    }
    if (!waitUntil(
            [this] { return !m_shell->isOpen(OptionsWindowId) && !m_backend->window(OptionsWindowId); }))
        return fail(QStringLiteral("the options window did not go away"));
    return true;
}

bool OptionsCycle::run(int cycle) {
    if (startWindow() == nullptr)
        return fail(QStringLiteral("the start window is gone"));
    toolkit::qt::Window* options = openOptions();
    if (options == nullptr)
        return fail(QStringLiteral("the start button did not open the options window"));
    return startsEmpty(*options) && fillIn(*options, cycle) && close(*options, cycle);
}
