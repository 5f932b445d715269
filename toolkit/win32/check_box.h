#pragma once

#include "forms/settings.h"
#include "toolkit/win32/control.h"
#include "toolkit/win32/fonts.h"

namespace toolkit::win32 {

// The button styles and colours that check boxes and radio buttons share.
DWORD checkStyleFor(const forms::CheckBoxSettings& s);
HBRUSH checkColours(Window& window, const forms::CheckBoxSettings& s, HDC dc);

// The system's automatic check box: it toggles itself on a click or Space.
class CheckBox final : public Control {
public:
    CheckBox(Window& window, std::size_t unit);

    void notified(WORD code) override;
    HBRUSH colours(HDC dc) override;
    void click() override;
    const Font& font() const { return m_font; }

private:
    Font m_font;
};

} // namespace toolkit::win32
