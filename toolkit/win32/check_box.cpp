#include "toolkit/win32/check_box.h"

#include "toolkit/win32/text.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::CheckBoxSettings& settingsOf(const forms::UnitDescription& unit) {
    return std::get<forms::CheckBoxSettings>(unit.settings);
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

CheckBox::CheckBox(Window& window, std::size_t unit)
    : SystemButton(window, unit, settingsOf(window.unit(unit)).font) {
    const forms::CheckBoxSettings& s = settingsOf(description());
    createButton(BS_AUTOCHECKBOX | checkStyleFor(s), decodeGbk(s.text));
    if (m_handle != nullptr)
        SendMessageW(m_handle, BM_SETCHECK, s.checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

HBRUSH CheckBox::colours(HDC dc) {
    const forms::CheckBoxSettings& s = settingsOf(description());
    return setControlColours(dc, m_window.brushes(), s.text_colour, s.background_colour);
}

} // namespace toolkit::win32
