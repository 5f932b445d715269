#include "toolkit/win32/label.h"

#include "toolkit/win32/text.h"
#include "toolkit/win32/text_layout.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::LabelSettings& settingsOf(const Control& control) {
    return std::get<forms::LabelSettings>(control.description().settings);
}

} // namespace

Label::Label(Window& window, std::size_t unit) : OwnControl(window, unit), m_font(settingsOf(*this).font) {
    createOwn(L"QuorvaneLabel", 0);
}

void Label::paint(HDC dc) {
    const forms::LabelSettings& s = settingsOf(*this);
    RECT client{};
    GetClientRect(m_handle, &client);
    FillRect(dc, &client, m_window.brushes().background(s.background_colour));
    const HGDIOBJ oldFont = SelectObject(dc, m_font.handle());
    SetTextColor(dc, toColorRef(s.text_colour));
    drawAlignedText(dc, client, decodeGbk(s.text), {s.h_align, s.v_align, s.word_wrap});
    SelectObject(dc, oldFont);
}

LRESULT Label::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_handle, &ps);
        paint(dc);
        EndPaint(m_handle, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        break;
    }
    return OwnControl::handle(message, wParam, lParam);
}

} // namespace toolkit::win32
