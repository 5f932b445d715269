#include "toolkit/win32/radio_box.h"

#include "toolkit/win32/check_box.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::RadioBoxSettings& settingsOf(const forms::UnitDescription& unit) {
    return std::get<forms::RadioBoxSettings>(unit.settings);
}

} // namespace

RadioBox::RadioBox(Window& window, std::size_t unit)
    : SystemButton(window, unit, settingsOf(window.unit(unit)).font) {
    const forms::RadioBoxSettings& s = settingsOf(description());
    createButton(BS_AUTORADIOBUTTON | checkStyleFor(s), decodeGbk(s.text));
    // Unchecking a radio button also takes away its Tab stop, which the dialog manager would use; the
    // description's Tab stop stays on the control, so only a stored check is set.
    if (m_handle != nullptr && s.checked)
        SendMessageW(m_handle, BM_SETCHECK, BST_CHECKED, 0);
}

void RadioBox::notified(WORD code) {
    // The system also reports a radio button that merely got the focus as clicked; only a checked
    // one has been clicked.
    if (code == BN_CLICKED && SendMessageW(m_handle, BM_GETCHECK, 0, 0) == BST_CHECKED)
        m_window.radioChecked(m_unit);
}

HBRUSH RadioBox::colours(HDC dc) {
    const forms::RadioBoxSettings& s = settingsOf(description());
    return setControlColours(dc, m_window.brushes(), s.text_colour, s.background_colour);
}

} // namespace toolkit::win32
