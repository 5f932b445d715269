#pragma once

#include "toolkit/win32/control.h"
#include "toolkit/win32/fonts.h"

namespace toolkit::win32 {

// Text drawn straight over whatever its container shows beneath it; no background of its own. The
// container paints its own background into the label first, then the text goes over it.
class TransLabel final : public OwnControl {
public:
    TransLabel(Window& window, std::size_t unit);
    const Font& font() const { return m_font; }

private:
    void paint(HDC dc) override;
    void paintContainerBeneath(HDC dc);

    Font m_font;
};

} // namespace toolkit::win32
