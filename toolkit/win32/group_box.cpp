#include "toolkit/win32/group_box.h"

#include "toolkit/win32/text.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::GroupBoxSettings& settingsOf(const Control& control) {
    return std::get<forms::GroupBoxSettings>(control.description().settings);
}

} // namespace

GroupBox::GroupBox(Window& window, std::size_t unit) : Control(window, unit), m_font(settingsOf(*this).font) {
    const forms::GroupBoxSettings& s = settingsOf(*this);
    const DWORD align = s.alignment == 1 ? BS_CENTER : s.alignment == 2 ? BS_RIGHT : BS_LEFT;
    create(L"BUTTON", BS_GROUPBOX | align | WS_CLIPCHILDREN, 0, decodeGbk(s.text));
    if (m_handle == nullptr)
        return;
    SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.handle()), FALSE);
    SetWindowLongPtrW(m_handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_systemProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProcedure)));
}

HBRUSH GroupBox::colours(HDC dc) {
    const forms::GroupBoxSettings& s = settingsOf(*this);
    return setControlColours(dc, m_window.brushes(), s.text_colour, s.background_colour);
}

void GroupBox::fill(HDC dc) {
    const RECT client = clientRect();
    FillRect(dc, &client, m_window.brushes().background(settingsOf(*this).background_colour));
}

LRESULT GroupBox::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_DRAWITEM: return SendMessageW(m_window.handle(), message, wParam, lParam);
    case WM_ERASEBKGND: fill(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_PRINTCLIENT: fill(reinterpret_cast<HDC>(wParam)); break;
    default: break;
    }
    return CallWindowProcW(m_systemProcedure, m_handle, message, wParam, lParam);
}

LRESULT CALLBACK GroupBox::subclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<GroupBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (box == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC system = box->m_systemProcedure;
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(system));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        box->m_handle = nullptr;
        return CallWindowProcW(system, hwnd, message, wParam, lParam);
    }
    return box->handle(message, wParam, lParam);
}

} // namespace toolkit::win32
