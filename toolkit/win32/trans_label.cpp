#include "toolkit/win32/trans_label.h"

#include "toolkit/win32/text.h"
#include "toolkit/win32/text_layout.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

namespace {

const forms::TransLabelSettings& settingsOf(const Control& control) {
    return std::get<forms::TransLabelSettings>(control.description().settings);
}

} // namespace

TransLabel::TransLabel(Window& window, std::size_t unit)
    : OwnControl(window, unit), m_font(settingsOf(*this).font) {
    createOwn(L"QuorvaneTransLabel", 0);
}

void TransLabel::paintContainerBeneath(HDC dc) {
    HWND container = GetParent(m_handle);
    POINT origin{0, 0};
    MapWindowPoints(m_handle, container, &origin, 1);
    POINT old{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageW(container, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void TransLabel::paint(HDC dc) {
    const forms::TransLabelSettings& s = settingsOf(*this);
    // Off screen, so that the picture beneath never shows without its text.
    paintOffScreen(dc, [&](HDC buffer, const RECT& client) {
        paintContainerBeneath(buffer);
        drawAlignedText(buffer, m_font.handle(), toColorRef(s.text_colour), client, decodeGbk(s.text),
                        {s.h_align, s.v_align, s.word_wrap});
    });
}

} // namespace toolkit::win32
