#pragma once

#include "toolkit/win32/control.h"
#include "toolkit/win32/fonts.h"

namespace toolkit::win32 {

// The system's edit control, single line here: a sunken edge, black on white, scrolling sideways.
class EditBox final : public Control {
public:
    EditBox(Window& window, std::size_t unit);

    HBRUSH colours(HDC dc) override;
    const Font& font() const { return m_font; }

private:
    Font m_font;
};

} // namespace toolkit::win32
