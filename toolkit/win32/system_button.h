#pragma once

#include "toolkit/win32/control.h"
#include "toolkit/win32/fonts.h"

#include <string>

namespace toolkit::win32 {

// A control of the system's BUTTON class that the user clicks: push button, check box, radio button.
class SystemButton : public Control {
public:
    SystemButton(Window& window, std::size_t unit, const forms::FontRecord& font);

    // BN_CLICKED raises clicked.
    void notified(WORD code) override;
    void click() override;
    const Font& font() const { return m_font; }

protected:
    // Makes the system window with `style` added to the class's own and gives it the unit's font.
    void createButton(DWORD style, const std::wstring& text);

private:
    Font m_font;
};

} // namespace toolkit::win32
