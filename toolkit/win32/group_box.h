#pragma once

#include "toolkit/win32/control.h"
#include "toolkit/win32/fonts.h"

namespace toolkit::win32 {

// The system's group frame as a real container. A group box keeps its children's notifications and
// colour requests to itself, so it is subclassed to pass them on to the window, which knows the
// controls; it also fills its own rectangle, which the system's frame leaves as it is.
class GroupBox final : public Control {
public:
    GroupBox(Window& window, std::size_t unit);

    HBRUSH colours(HDC dc) override;
    const Font& font() const { return m_font; }

private:
    static LRESULT CALLBACK subclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void fill(HDC dc);

    Font m_font;
    WNDPROC m_systemProcedure = nullptr;
};

} // namespace toolkit::win32
