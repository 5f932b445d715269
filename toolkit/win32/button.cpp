#include "toolkit/win32/button.h"

#include "toolkit/win32/text.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::ButtonSettings& settingsOf(const forms::UnitDescription& unit) {
    return std::get<forms::ButtonSettings>(unit.settings);
}

} // namespace

Button::Button(Window& window, std::size_t unit)
    : SystemButton(window, unit, settingsOf(window.unit(unit)).font) {
    const forms::ButtonSettings& s = settingsOf(description());
    DWORD style = (s.button_type == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_CENTER | BS_VCENTER;
    if (s.word_wrap)
        style |= BS_MULTILINE;
    createButton(style, decodeGbk(s.text));
}

HBRUSH Button::colours(HDC /*dc*/) {
    return GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace toolkit::win32
