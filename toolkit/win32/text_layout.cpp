#include "toolkit/win32/text_layout.h"

namespace toolkit::win32 {

namespace {

UINT horizontalFlags(int hAlign) {
    return hAlign == 1 ? DT_CENTER : hAlign == 2 ? DT_RIGHT : DT_LEFT;
}

} // namespace

void drawAlignedText(HDC dc, const RECT& box, const std::wstring& text, TextLayout layout) {
    if (text.empty())
        return;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT target = box;
    const UINT h = horizontalFlags(layout.h_align) | DT_NOPREFIX;
    if (!layout.word_wrap) {
        const UINT v = layout.v_align == 0 ? DT_TOP : layout.v_align == 2 ? DT_BOTTOM : DT_VCENTER;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &target, h | v | DT_SINGLELINE);
    } else {
        RECT measured = box;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, h | DT_WORDBREAK | DT_CALCRECT);
        const int free = (box.bottom - box.top) - (measured.bottom - measured.top);
        if (layout.v_align == 1)
            target.top += free / 2;
        else if (layout.v_align == 2)
            target.top += free;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &target, h | DT_WORDBREAK);
    }
    SetBkMode(dc, oldMode);
}

void drawAlignedText(HDC dc, HFONT font, COLORREF colour, const RECT& box, const std::wstring& text,
                     TextLayout layout) {
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextColor(dc, colour);
    drawAlignedText(dc, box, text, layout);
    SelectObject(dc, oldFont);
}

} // namespace toolkit::win32
