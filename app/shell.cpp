#include "app/shell.h"

#include <algorithm>

namespace app {

namespace {

constexpr forms::WindowId StartWindowId = 0x52010001;

// The program keeps no global state and has nothing to tidy at the end.
void initialiseGlobalState() {}
void endRoutine() {}

} // namespace

Shell::Shell(std::unique_ptr<toolkit::Backend> backend, std::vector<const forms::WindowDescription*> windows)
    : m_backend(std::move(backend)), m_windows(std::move(windows)) {
    s_current = this;
}

Shell::~Shell() {
    // Live windows report their destruction to the shell, so they must go while it is still whole.
    m_state = State::Ending;
    if (m_backend)
        m_backend->release();
    if (s_current == this)
        s_current = nullptr;
}

int Shell::run() {
    if (const int code = startUp(); code != 0)
        return code;
    return endProcessing();
}

int Shell::startUp() {
    if (!initToolkit())
        return fail("无法读取窗口描述：\n" + m_fatal);
    initialiseGlobalState();
    registerEndRoutine(endRoutine);
    if (!loadStartWindow(StartWindowId))
        return fail("无法显示启动窗口。");
    runMessageLoop();
    return 0;
}

int Shell::fail(const std::string& message) {
    m_endRoutines.clear();
    m_backend->showFatalError(message);
    m_backend->release();
    m_state = State::Ended;
    return -1;
}

int Shell::endProcessing() {
    m_state = State::Ending;
    const std::vector<EndRoutine> routines = std::move(m_endRoutines);
    m_endRoutines.clear();
    for (EndRoutine routine : routines)
        routine();
    m_backend->release();
    m_state = State::Ended;
    return m_quitCode;
}

bool Shell::initToolkit() {
    forms::DescriptionError error;
    m_registry = forms::Registry::build(m_windows, &error);
    if (!m_registry)
        m_fatal = error.message;
    return m_registry.has_value();
}

void Shell::registerEndRoutine(EndRoutine routine) {
    if (std::find(m_endRoutines.begin(), m_endRoutines.end(), routine) == m_endRoutines.end())
        m_endRoutines.push_back(routine);
}

bool Shell::loadStartWindow(forms::WindowId window) {
    const forms::WindowDescription* description = m_registry ? m_registry->find(window) : nullptr;
    return description != nullptr && loadWindow(description->ref(), nullptr, false);
}

bool Shell::loadWindow(const forms::WindowRef& ref, const forms::WindowRef* /*parent*/, bool /*fullyModal*/) {
    // This program always loads modeless windows without a parent: each is a top-level window of its own.
    const forms::WindowDescription* description = m_registry ? m_registry->find(ref.window) : nullptr;
    if (description == nullptr)
        return false;
    if (toolkit::LiveWindow* open = liveWindow(ref.window)) {
        if (open->isMinimized())
            open->restore();
        else
            open->activate();
        return true;
    }
    toolkit::LiveWindow* built = m_backend->build(*description, *this);
    if (built == nullptr)
        return false;
    m_live[description->id] = built;
    deliver(description->id, description->window().id, forms::event::Created, {});
    // The created handler may have closed the window again.
    if (toolkit::LiveWindow* window = liveWindow(description->id); window && description->window().visible)
        window->showAtStartPosition();
    return true;
}

void Shell::runMessageLoop() {
    if (m_live.empty())
        return;
    m_state = State::Running;
    m_quitCode = m_backend->runMessageLoop();
}

void Shell::showNotice(const forms::WindowRef& owner, const forms::GbkText& title,
                       const forms::GbkText& text) {
    if (isOpen(owner.window))
        m_backend->showNotice(owner.window, title, text);
}

toolkit::LiveWindow* Shell::liveWindow(forms::WindowId window) const {
    const auto it = m_live.find(window);
    return it == m_live.end() ? nullptr : it->second;
}

void Shell::deliver(forms::WindowId window, forms::UnitId unit, std::int32_t event,
                    std::span<const std::int32_t> args) {
    if (m_state == State::Ending || m_state == State::Ended || !m_registry)
        return;
    if (const forms::Handler* handler = m_registry->handlerFor(window, unit, event))
        forms::invoke(*handler, args);
}

void Shell::windowDestroyed(forms::WindowId window) {
    if (m_live.erase(window) == 0)
        return;
    // Windows that the end processing releases ask for no second quit.
    if (m_live.empty() && m_state != State::Ending && m_state != State::Ended)
        m_backend->postQuit(0);
}

void InitToolkit() {
    if (Shell* shell = Shell::current())
        shell->initToolkit();
}

void RegisterEndRoutine(EndRoutine routine) {
    if (Shell* shell = Shell::current())
        shell->registerEndRoutine(routine);
}

void LoadStartWindow(forms::WindowId window) {
    if (Shell* shell = Shell::current())
        shell->loadStartWindow(window);
}

bool LoadWindow(const forms::WindowRef& window, const forms::WindowRef* parent, bool fullyModal) {
    Shell* shell = Shell::current();
    return shell != nullptr && shell->loadWindow(window, parent, fullyModal);
}

void RunMessageLoop() {
    if (Shell* shell = Shell::current())
        shell->runMessageLoop();
}

void ShowNotice(const forms::WindowRef& owner, const forms::GbkText& title, const forms::GbkText& text) {
    if (Shell* shell = Shell::current())
        shell->showNotice(owner, title, text);
}

} // namespace app
