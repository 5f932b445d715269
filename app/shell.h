#pragma once

#include "forms/ids.h"
#include "forms/registry.h"
#include "forms/text.h"
#include "toolkit/backend.h"

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The application shell: start-up, the window registry, loading windows, the message loop, event
// dispatch and the end. Handlers reach it through the free functions at the bottom.
namespace app {

using EndRoutine = void (*)();

class Shell final : public toolkit::EventSink {
public:
    enum class State { Starting, Running, Ending, Ended };

    Shell(std::unique_ptr<toolkit::Backend> backend, std::vector<const forms::WindowDescription*> windows);
    ~Shell() override;
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // The whole run: the start-up routine, then end processing. Returns the process's exit code.
    int run();

    // The shell operations that handlers and the start-up routine call.
    bool initToolkit();
    void registerEndRoutine(EndRoutine routine);
    bool loadStartWindow(forms::WindowId window);
    bool loadWindow(const forms::WindowRef& window, const forms::WindowRef* parent, bool fullyModal);
    void runMessageLoop();
    void showNotice(const forms::WindowRef& owner, const forms::GbkText& title, const forms::GbkText& text);

    State state() const { return m_state; }
    bool isOpen(forms::WindowId window) const { return m_live.contains(window); }
    toolkit::LiveWindow* liveWindow(forms::WindowId window) const;
    const forms::Registry* registry() const { return m_registry ? &*m_registry : nullptr; }

    static Shell* current() { return s_current; }

private:
    void deliver(forms::WindowId window, forms::UnitId unit, std::int32_t event,
                 std::span<const std::int32_t> args) override;
    void windowDestroyed(forms::WindowId window) override;

    int startUp();
    int fail(const std::string& message);
    int endProcessing();

    std::unique_ptr<toolkit::Backend> m_backend;
    std::vector<const forms::WindowDescription*> m_windows;
    std::optional<forms::Registry> m_registry;
    std::string m_fatal;
    std::map<forms::WindowId, toolkit::LiveWindow*> m_live;
    std::vector<EndRoutine> m_endRoutines;
    State m_state = State::Starting;
    int m_quitCode = 0;

    static inline Shell* s_current = nullptr;
};

// The operations as handlers call them; each acts on the running shell.
void InitToolkit();
void RegisterEndRoutine(EndRoutine routine);
void LoadStartWindow(forms::WindowId window);
bool LoadWindow(const forms::WindowRef& window, const forms::WindowRef* parent = nullptr,
                bool fullyModal = false);
void RunMessageLoop();
void ShowNotice(const forms::WindowRef& owner, const forms::GbkText& title, const forms::GbkText& text);

// Every window description of the program, in registry order.
std::vector<const forms::WindowDescription*> programWindows();

} // namespace app
