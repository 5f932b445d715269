#include "toolkit/win32/radio_box.h"

#include "toolkit/win32/check_box.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::RadioBoxSettings& settingsOf(const Control& control) {
    return std::get<forms::RadioBoxSettings>(control.description().settings);
}

} // namespace

RadioBox::RadioBox(Window& window, std::size_t unit) : Control(window, unit), m_font(settingsOf(*this).font) {
    const forms::RadioBoxSettings& s = settingsOf(*this);
    create(L"BUTTON", BS_AUTORADIOBUTTON | checkStyleFor(s), 0, decodeGbk(s.text));
    if (m_handle == nullptr)
        return;
    SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.handle()), FALSE);
    // Unchecking a radio button also takes away its Tab stop, which the dialog manager would use; the
    // description's Tab stop stays on the control, so only a stored check is set.
    if (s.checked)
        SendMessageW(m_handle, BM_SETCHECK, BST_CHECKED, 0);
}

void RadioBox::notified(WORD code) {
    // The system also reports a radio button that merely got the focus as clicked; only a checked
    // one has been clicked.
    if (code == BN_CLICKED && SendMessageW(m_handle, BM_GETCHECK, 0, 0) == BST_CHECKED)
        m_window.radioChecked(m_unit);
}

HBRUSH RadioBox::colours(HDC dc) {
    return checkColours(m_window, settingsOf(*this), dc);
}

void RadioBox::click() {
    SendMessageW(m_handle, BM_CLICK, 0, 0);
}

} // namespace toolkit::win32
