#include "toolkit/win32/system_button.h"

#include "forms/event.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

SystemButton::SystemButton(Window& window, std::size_t unit, const forms::FontRecord& font)
    : Control(window, unit), m_font(font) {}

void SystemButton::notified(WORD code) {
    if (code == BN_CLICKED)
        m_window.raiseEvent(m_unit, forms::event::Clicked);
}

void SystemButton::click() {
    SendMessageW(m_handle, BM_CLICK, 0, 0);
}

void SystemButton::createButton(DWORD style, const std::wstring& text) {
    create(L"BUTTON", style, 0, text);
    if (m_handle != nullptr)
        SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.handle()), FALSE);
}

} // namespace toolkit::win32
