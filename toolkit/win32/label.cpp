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

} // namespace toolkit::win32
