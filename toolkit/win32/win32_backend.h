#pragma once

#include "toolkit/backend.h"
#include "toolkit/win32/win32.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

// The native Windows backend. Its message loop applies the windows' key rules to each key before it
// is dispatched, in place of the system's dialog manager, and reports left-button presses on any unit.
class Win32Backend final : public Backend {
public:
    Win32Backend() = default;
    ~Win32Backend() override;

    LiveWindow* build(const forms::WindowDescription& window, EventSink& sink) override;
    int runMessageLoop() override;
    void postQuit(int code) override;
    void showFatalError(std::string_view message) override;
    void showNotice(forms::WindowId owner, const forms::GbkText& title, const forms::GbkText& text) override;
    void release() override;

    Window* window(forms::WindowId id) const;
    // What the loop does with one message before dispatching it; true when a window's rules took it.
    bool preTranslate(const MSG& message);

private:
    Services m_services;
};

// The key of a WM_KEYDOWN or WM_SYSKEYDOWN as the window's rules see it.
forms::KeyPress keyPressOf(const MSG& message);

} // namespace toolkit::win32
