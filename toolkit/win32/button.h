#pragma once

#include "toolkit/win32/control.h"
#include "toolkit/win32/fonts.h"

namespace toolkit::win32 {

// The system's push button.
class Button final : public Control {
public:
    Button(Window& window, std::size_t unit);

    void notified(WORD code) override;
    HBRUSH colours(HDC dc) override;
    void click() override;
    const Font& font() const { return m_font; }

private:
    Font m_font;
};

} // namespace toolkit::win32
