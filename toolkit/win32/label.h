#pragma once

#include "toolkit/win32/control.h"
#include "toolkit/win32/fonts.h"

namespace toolkit::win32 {

// Text drawn by the toolkit over its own filled background.
class Label final : public OwnControl {
public:
    Label(Window& window, std::size_t unit);
    const Font& font() const { return m_font; }

private:
    void paint(HDC dc) override;

    Font m_font;
};

} // namespace toolkit::win32
