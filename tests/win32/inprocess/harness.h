#pragma once

#include "forms/description.h"
#include "toolkit/backend.h"
#include "toolkit/win32/win32_backend.h"
#include "toolkit/win32/window.h"

#include <cstdint>
#include <string>
#include <vector>

// Drives real windows of the Windows backend from inside the process: real input through SendInput,
// taken from the queue by the backend's own message handling, as its message loop does.
namespace harness {

struct Raised {
    forms::UnitId unit = 0;
    std::int32_t event = 0;
};

// Records what the windows report instead of calling handlers.
class Recorder final : public toolkit::EventSink {
public:
    void deliver(forms::WindowId window, forms::UnitId unit, std::int32_t event,
                 std::span<const std::int32_t> args) override;
    void windowDestroyed(forms::WindowId window) override;

    int clicks(forms::UnitId unit) const;
    std::vector<Raised> raised;
    std::vector<forms::WindowId> destroyed;
};

// Takes every message in the queue through the backend, as its loop does, until none is left.
void pump(toolkit::win32::Win32Backend& backend);

// Keys and the mouse as the user gives them. Input placed by SendInput is in the queue when it
// returns, so a pump afterwards handles all of it.
void key(WORD virtualKey, bool shift = false);
// The key with Alt held, as the system reports it: a system key.
void altKey(WORD virtualKey);
void clickAt(POINT screen);

HWND handleOf(toolkit::win32::Window& window, const std::string& name);
std::string focusedName(toolkit::win32::Window& window);
std::wstring className(HWND hwnd);
LONG style(HWND hwnd);
LONG exStyle(HWND hwnd);
bool checked(HWND hwnd);
LOGFONTW fontOf(HFONT font);
POINT centreOnScreen(HWND hwnd);
// Where a control lies in its parent's client area.
RECT placeInParent(HWND hwnd);

// The control's own painting, through WM_PRINTCLIENT, into a 32-bit picture read back pixel by pixel.
class Painted {
public:
    explicit Painted(HWND hwnd);
    ~Painted();
    Painted(const Painted&) = delete;
    Painted& operator=(const Painted&) = delete;
    COLORREF at(int x, int y) const;

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    const std::uint32_t* m_bits = nullptr;
    int m_width = 0;
};

} // namespace harness
