#include "toolkit/win32/control.h"

#include "toolkit/win32/window.h"

#include <set>
#include <string>

namespace toolkit::win32 {

Control::Control(Window& window, std::size_t unit) : m_window(window), m_unit(unit) {}

const forms::UnitDescription& Control::description() const {
    return m_window.unit(m_unit);
}

RECT Control::clientRect() const {
    RECT client{};
    GetClientRect(m_handle, &client);
    return client;
}

void Control::create(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text,
                     int height) {
    const forms::UnitDescription& u = description();
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (u.tab_stop)
        style |= WS_TABSTOP;
    if (u.disabled)
        style |= WS_DISABLED;
    // The list index is the control's identifier in its notifications.
    m_handle = CreateWindowExW(exStyle, className, text.c_str(), style, u.left, u.top, u.width, height,
                               m_window.handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_unit)),
                               GetModuleHandleW(nullptr), this);
}

const wchar_t* OwnControl::ownClass(const wchar_t* name) {
    static std::set<std::wstring> registered;
    if (registered.insert(name).second) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
    return name;
}

void OwnControl::createOwn(const wchar_t* className, DWORD style) {
    create(ownClass(className), style, 0, L"");
}

void OwnControl::paintOffScreen(HDC dc, const std::function<void(HDC, const RECT&)>& draw) const {
    const RECT client = clientRect();
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    const HGDIOBJ oldBitmap = SelectObject(buffer, bitmap);
    draw(buffer, client);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

LRESULT OwnControl::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        // paint() covers every pixel, so erasing first would only make it flicker.
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_handle, &ps);
        paint(dc);
        EndPaint(m_handle, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: paint(reinterpret_cast<HDC>(wParam)); return 0;
    default: break;
    }
    return DefWindowProcW(m_handle, message, wParam, lParam);
}

LRESULT CALLBACK OwnControl::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* control = static_cast<OwnControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        control->m_handle = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    auto* control = reinterpret_cast<OwnControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (control == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        const LRESULT result = control->handle(message, wParam, lParam);
        control->m_handle = nullptr;
        return result;
    }
    return control->handle(message, wParam, lParam);
}

} // namespace toolkit::win32
