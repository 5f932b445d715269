#pragma once

#include "forms/colour.h"
#include "toolkit/win32/win32.h"

#include <map>

namespace toolkit::win32 {

// The system colours, asked for at every paint so that a change of the system's scheme shows at once.
COLORREF buttonFace();
COLORREF buttonText();

// A description's 0x00BBGGRR is already the system's COLORREF layout.
inline COLORREF toColorRef(forms::Colour colour) {
    return static_cast<COLORREF>(colour & 0x00FFFFFF);
}
// A stored colour, or `fallback` where the description says "system default".
inline COLORREF colourOr(forms::Colour colour, COLORREF fallback) {
    return forms::isSystemDefault(colour) ? fallback : toColorRef(colour);
}

// Solid brushes by colour, made once and deleted with their owner; the button face's brush is the
// system's own and is never deleted.
class Brushes {
public:
    Brushes() = default;
    ~Brushes();
    Brushes(const Brushes&) = delete;
    Brushes& operator=(const Brushes&) = delete;

    HBRUSH solid(COLORREF colour);
    // The brush for a stored background colour; the system's button face for "system default".
    HBRUSH background(forms::Colour colour);

private:
    std::map<COLORREF, HBRUSH> m_brushes;
};

// For WM_CTLCOLOR* of a control the system draws in stored colours: sets them on the DC and returns
// the background's brush.
HBRUSH setControlColours(HDC dc, Brushes& brushes, forms::Colour text, forms::Colour background);

} // namespace toolkit::win32
