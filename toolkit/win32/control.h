#pragma once

#include "forms/description.h"
#include "toolkit/win32/win32.h"

#include <cstddef>
#include <functional>
#include <string>

namespace toolkit::win32 {

class Window;

// One control of a live window: a unit of its description and the system window that shows it.
// The system window is destroyed with its top-level window; the object lives until then.
class Control {
public:
    Control(Window& window, std::size_t unit);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND handle() const { return m_handle; }
    std::size_t unit() const { return m_unit; }
    const forms::UnitDescription& description() const;
    RECT clientRect() const;

    // A notification (the code of WM_COMMAND) that the control sent to its parent.
    virtual void notified(WORD /*code*/) {}
    // WM_CTLCOLOR*: sets the DC's colours and returns the background brush, or nullptr for the default.
    virtual HBRUSH colours(HDC /*dc*/) { return nullptr; }
    // A click made by the window's key rules, as if the user had clicked the control.
    virtual void click() {}

protected:
    // Makes the system window as a hidden child of the top-level window at the stored place.
    void create(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text, int height);
    void create(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text) {
        create(className, style, exStyle, text, description().height);
    }

    Window& m_window;
    std::size_t m_unit = 0;
    HWND m_handle = nullptr;
};

// A control of one of the toolkit's own window classes: it paints and handles input itself.
class OwnControl : public Control {
public:
    using Control::Control;

protected:
    // Registers the class on first use; every own class shares one procedure that calls handle().
    static const wchar_t* ownClass(const wchar_t* name);
    void createOwn(const wchar_t* className, DWORD style);
    // Draws the whole client area, on screen or into a DC that asked for a copy of it.
    virtual void paint(HDC dc) = 0;
    // Puts the picture together off screen and copies it to `dc` in one go, so that it never shows
    // half drawn.
    void paintOffScreen(HDC dc, const std::function<void(HDC buffer, const RECT& client)>& draw) const;
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace toolkit::win32
