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
    const RECT client = clientRect();
    FillRect(dc, &client, m_window.brushes().background(s.background_colour));
    drawAlignedText(dc, m_font.handle(), toColorRef(s.text_colour), client, decodeGbk(s.text),
                    {s.h_align, s.v_align, s.word_wrap});
}

} // namespace toolkit::win32
