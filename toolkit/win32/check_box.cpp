#include "toolkit/win32/check_box.h"

#include "forms/event.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::CheckBoxSettings& settingsOf(const Control& control) {
    return std::get<forms::CheckBoxSettings>(control.description().settings);
}

} // namespace

DWORD checkStyleFor(const forms::CheckBoxSettings& s) {
    DWORD style = s.h_align == 1 ? BS_CENTER : s.h_align == 2 ? BS_RIGHT : BS_LEFT;
    style |= s.v_align == 0 ? BS_TOP : s.v_align == 2 ? BS_BOTTOM : BS_VCENTER;
    if (s.word_wrap)
        style |= BS_MULTILINE;
    if (s.text_on_left)
        style |= BS_LEFTTEXT;
    if (s.push_like)
        style |= BS_PUSHLIKE;
    if (s.flat)
        style |= BS_FLAT;
    return style;
}

HBRUSH checkColours(Window& window, const forms::CheckBoxSettings& s, HDC dc) {
    SetTextColor(dc, toColorRef(s.text_colour));
    SetBkColor(dc, colourOr(s.background_colour, buttonFace()));
    return window.brushes().background(s.background_colour);
}

CheckBox::CheckBox(Window& window, std::size_t unit) : Control(window, unit), m_font(settingsOf(*this).font) {
    const forms::CheckBoxSettings& s = settingsOf(*this);
    create(L"BUTTON", BS_AUTOCHECKBOX | checkStyleFor(s), 0, decodeGbk(s.text));
    if (m_handle == nullptr)
        return;
    SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.handle()), FALSE);
    SendMessageW(m_handle, BM_SETCHECK, s.checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::notified(WORD code) {
    if (code == BN_CLICKED)
        m_window.raiseEvent(m_unit, forms::event::Clicked);
}

HBRUSH CheckBox::colours(HDC dc) {
    return checkColours(m_window, settingsOf(*this), dc);
}

void CheckBox::click() {
    SendMessageW(m_handle, BM_CLICK, 0, 0);
}

} // namespace toolkit::win32
