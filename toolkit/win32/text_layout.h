#pragma once

#include "toolkit/win32/win32.h"

#include <string>

namespace toolkit::win32 {

// h_align 0 left, 1 centre, 2 right; v_align 0 top, 1 centre, 2 bottom. Word-wrapped text is centred or
// bottom-aligned as a block, which the system's own flags only do for one line.
struct TextLayout {
    int h_align = 0;
    int v_align = 1;
    bool word_wrap = false;
};

// Draws `text` in the DC's font and text colour with a transparent background.
void drawAlignedText(HDC dc, const RECT& box, const std::wstring& text, TextLayout layout);
// The same in `font` and `colour`; the DC keeps its own font.
void drawAlignedText(HDC dc, HFONT font, COLORREF colour, const RECT& box, const std::wstring& text,
                     TextLayout layout);

} // namespace toolkit::win32
