#include "harness.h"

#include <algorithm>

namespace harness {

void Recorder::deliver(forms::WindowId /*window*/, forms::UnitId unit, std::int32_t event,
                       std::span<const std::int32_t> /*args*/) {
    raised.push_back({unit, event});
}

void Recorder::windowDestroyed(forms::WindowId window) {
    destroyed.push_back(window);
}

int Recorder::clicks(forms::UnitId unit) const {
    return static_cast<int>(std::count_if(raised.begin(), raised.end(), [&](const Raised& r) {
        return r.unit == unit && r.event == forms::event::Clicked;
    }));
}

void pump(toolkit::win32::Win32Backend& backend) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        if (backend.preTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

namespace {

INPUT keyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT mouseInput(DWORD flags, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = at.x * 65536 / GetSystemMetrics(SM_CXSCREEN) + 1;
    input.mi.dy = at.y * 65536 / GetSystemMetrics(SM_CYSCREEN) + 1;
    return input;
}

} // namespace

void key(WORD virtualKey, bool shift) {
    std::vector<INPUT> inputs;
    if (shift)
        inputs.push_back(keyInput(VK_SHIFT, false));
    inputs.push_back(keyInput(virtualKey, false));
    inputs.push_back(keyInput(virtualKey, true));
    if (shift)
        inputs.push_back(keyInput(VK_SHIFT, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void altKey(WORD virtualKey) {
    INPUT inputs[] = {keyInput(VK_MENU, false), keyInput(virtualKey, false), keyInput(virtualKey, true),
                      keyInput(VK_MENU, true)};
    SendInput(4, inputs, sizeof(INPUT));
}

void clickAt(POINT screen) {
    INPUT inputs[] = {mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
                      mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)};
    SendInput(3, inputs, sizeof(INPUT));
}

HWND handleOf(toolkit::win32::Window& window, const std::string& name) {
    toolkit::win32::Control* control = window.control(name);
    return control != nullptr ? control->handle() : nullptr;
}

std::string focusedName(toolkit::win32::Window& window) {
    const auto unit = window.focusedUnit();
    return unit ? window.unit(*unit).name : std::string("(none)");
}

std::wstring className(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

LONG style(HWND hwnd) {
    return GetWindowLongW(hwnd, GWL_STYLE);
}
LONG exStyle(HWND hwnd) {
    return GetWindowLongW(hwnd, GWL_EXSTYLE);
}

bool checked(HWND hwnd) {
    return SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

LOGFONTW fontOf(HFONT font) {
    LOGFONTW logFont{};
    GetObjectW(font, sizeof logFont, &logFont);
    return logFont;
}

POINT centreOnScreen(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

RECT placeInParent(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Painted::Painted(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    m_width = client.right;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const std::uint32_t*>(bits);
    m_old = SelectObject(m_dc, m_bitmap);
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
}

Painted::~Painted() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

COLORREF Painted::at(int x, int y) const {
    const std::uint32_t pixel = m_bits[y * m_width + x]; // 0x00RRGGBB in memory order B, G, R
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

} // namespace harness
