#include "toolkit/win32/system_colours.h"

namespace toolkit::win32 {

COLORREF buttonFace() {
    return GetSysColor(COLOR_BTNFACE);
}
COLORREF buttonText() {
    return GetSysColor(COLOR_BTNTEXT);
}

Brushes::~Brushes() {
    for (const auto& [colour, brush] : m_brushes)
        DeleteObject(brush);
}

HBRUSH Brushes::solid(COLORREF colour) {
    auto [it, added] = m_brushes.try_emplace(colour, nullptr);
    if (added)
        it->second = CreateSolidBrush(colour);
    return it->second;
}

HBRUSH Brushes::background(forms::Colour colour) {
    if (forms::isSystemDefault(colour))
        return GetSysColorBrush(COLOR_BTNFACE);
    return solid(toColorRef(colour));
}

HBRUSH setControlColours(HDC dc, Brushes& brushes, forms::Colour text, forms::Colour background) {
    SetTextColor(dc, toColorRef(text));
    SetBkColor(dc, colourOr(background, buttonFace()));
    return brushes.background(background);
}

} // namespace toolkit::win32
