#include "toolkit/win32/edit_box.h"

#include "forms/rules.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::EditBoxSettings& settingsOf(const Control& control) {
    return std::get<forms::EditBoxSettings>(control.description().settings);
}

DWORD styleFor(const forms::EditBoxSettings& s) {
    DWORD style = s.alignment == 1 ? ES_CENTER : s.alignment == 2 ? ES_RIGHT : ES_LEFT;
    if (s.multi_line)
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    else
        style |= ES_AUTOHSCROLL;
    if (!s.hide_selection)
        style |= ES_NOHIDESEL;
    if (s.input_mode == 1)
        style |= ES_READONLY;
    if (s.case_conversion == 1)
        style |= ES_UPPERCASE;
    else if (s.case_conversion == 2)
        style |= ES_LOWERCASE;
    return style;
}

} // namespace

EditBox::EditBox(Window& window, std::size_t unit) : Control(window, unit), m_font(settingsOf(*this).font) {
    const forms::EditBoxSettings& s = settingsOf(*this);
    const DWORD exStyle = s.border != 0 ? WS_EX_CLIENTEDGE : 0;
    int height = description().height;
    if (!s.multi_line) {
        const int edge = s.border != 0 ? GetSystemMetrics(SM_CYEDGE) : 0;
        height = forms::editBoxHeight(height, m_font.lineHeight(), edge);
    }
    create(L"EDIT", styleFor(s), exStyle, decodeGbk(s.text), height);
    if (m_handle == nullptr)
        return;
    SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.handle()), FALSE);
    // 0 asks the control for its largest limit, which is as good as none.
    SendMessageW(m_handle, EM_SETLIMITTEXT, s.max_length > 0 ? s.max_length : 0, 0);
    SendMessageW(m_handle, EM_SETSEL, 0, 0);
}

HBRUSH EditBox::colours(HDC dc) {
    const forms::EditBoxSettings& s = settingsOf(*this);
    const COLORREF background = colourOr(s.background_colour, buttonFace());
    SetTextColor(dc, toColorRef(s.text_colour));
    SetBkColor(dc, background);
    return m_window.brushes().solid(background);
}

} // namespace toolkit::win32
