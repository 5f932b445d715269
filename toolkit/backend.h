#pragma once

#include "forms/description.h"
#include "forms/geometry.h"
#include "forms/text.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

// The boundary between the shell and a windowing backend. The shell decides (which window to load,
// when the loop ends); a backend only makes native windows from descriptions, applies the rules of
// forms/rules.h to them and reports what the user did through one delivery point, the EventSink.
namespace toolkit {

class EventSink {
public:
    virtual ~EventSink() = default;
    // A unit raised an event. Called on the user-interface thread; the handler may close the window.
    virtual void deliver(forms::WindowId window, forms::UnitId unit, std::int32_t event,
                         std::span<const std::int32_t> args) = 0;
    // A live window's destruction has completed; its LiveWindow is gone.
    virtual void windowDestroyed(forms::WindowId window) = 0;
};

// A window built from its description. The backend owns it until it is destroyed.
class LiveWindow {
public:
    virtual ~LiveWindow() = default;
    virtual bool isMinimized() const = 0;
    virtual void restore() = 0;
    virtual void activate() = 0;
    // Shows the window at its start position and makes it the active window.
    virtual void showAtStartPosition() = 0;
    // A close request, as from the close box.
    virtual void requestClose() = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Builds the window hidden, with all its visible controls shown; nullptr if it cannot be built.
    virtual LiveWindow* build(const forms::WindowDescription& window, EventSink& sink) = 0;

    // Runs until a quit request is taken; returns its code.
    virtual int runMessageLoop() = 0;
    virtual void postQuit(int code) = 0;

    // A modal error box with no owner, for the fatal path; returns when it is dismissed.
    virtual void showFatalError(std::string_view message) = 0;
    // A modal notice owned by a live window, with one OK button.
    virtual void showNotice(forms::WindowId owner, const forms::GbkText& title,
                            const forms::GbkText& text) = 0;

    // Releases what the backend holds; no window is open any more.
    virtual void release() = 0;
};

// The backend this executable was built with. argv0 is all it is told of the command line.
std::unique_ptr<Backend> makeBackend(const char* argv0);

} // namespace toolkit
