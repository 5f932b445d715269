#include "toolkit/win32/button.h"

#include "forms/event.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::ButtonSettings& settingsOf(const Control& control) {
    return std::get<forms::ButtonSettings>(control.description().settings);
}

} // namespace

Button::Button(Window& window, std::size_t unit) : Control(window, unit), m_font(settingsOf(*this).font) {
    const forms::ButtonSettings& s = settingsOf(*this);
    DWORD style = (s.button_type == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_CENTER | BS_VCENTER;
    if (s.word_wrap)
        style |= BS_MULTILINE;
    create(L"BUTTON", style, 0, decodeGbk(s.text));
    if (m_handle != nullptr)
        SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.handle()), FALSE);
}

void Button::notified(WORD code) {
    if (code == BN_CLICKED)
        m_window.raiseEvent(m_unit, forms::event::Clicked);
}

HBRUSH Button::colours(HDC /*dc*/) {
    return GetSysColorBrush(COLOR_BTNFACE);
}

void Button::click() {
    SendMessageW(m_handle, BM_CLICK, 0, 0);
}

} // namespace toolkit::win32
