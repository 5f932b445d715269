#include "toolkit/win32/super_btn.h"

#include "forms/event.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/text_layout.h"
#include "toolkit/win32/window.h"

#include <windowsx.h>

namespace toolkit::win32 {

namespace {

const forms::SuperBtnSettings& settingsOf(const Control& control) {
    return std::get<forms::SuperBtnSettings>(control.description().settings);
}

forms::Rgb toRgb(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF toColorRef(forms::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// Key repeats of a held Space are not new presses.
bool isFirstPress(LPARAM keyData) {
    return (keyData & (1L << 30)) == 0;
}

} // namespace

SuperBtn::SuperBtn(Window& window, std::size_t unit)
    : OwnControl(window, unit), m_font(settingsOf(*this).font),
      m_normal(settingsOf(*this).normal_picture, settingsOf(*this).normal_key_colour),
      m_hover(settingsOf(*this).hover_picture, settingsOf(*this).hover_key_colour) {
    createOwn(L"QuorvaneSuperBtn", 0);
}

void SuperBtn::click() {
    react(m_machine.spacePressed());
    react(m_machine.spaceReleased());
}

bool SuperBtn::pointerInside(LPARAM at) const {
    const RECT client = clientRect();
    const POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    return PtInRect(&client, p) != FALSE;
}

void SuperBtn::trackLeaving() {
    if (m_trackingLeave)
        return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_handle, 0};
    m_trackingLeave = TrackMouseEvent(&track) != FALSE;
}

void SuperBtn::react(const forms::SuperBtnReaction& reaction) {
    if (reaction.repaint) {
        InvalidateRect(m_handle, nullptr, FALSE);
        UpdateWindow(m_handle);
    }
    if (reaction.playSound && settingsOf(*this).builtin_sound)
        m_window.services().soundPlayer().play(clickSound());
    if (reaction.clicked)
        m_window.raiseEvent(m_unit, forms::event::Clicked);
}

void SuperBtn::paintFill(HDC dc, const RECT& client, forms::SuperBtnFill fill) {
    const COLORREF face = buttonFace();
    FillRect(dc, &client, m_window.brushes().solid(face));
    if (fill != forms::SuperBtnFill::RoundedHighlight)
        return;
    HBRUSH highlight = m_window.brushes().solid(toColorRef(forms::highlightColour(toRgb(face))));
    const HGDIOBJ oldBrush = SelectObject(dc, highlight);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    RoundRect(dc, client.left, client.top, client.right, client.bottom, forms::HighlightCorner.width,
              forms::HighlightCorner.height);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void SuperBtn::paint(HDC dc) {
    const forms::SuperBtnSettings& s = settingsOf(*this);
    const forms::SuperBtnLook look =
        forms::superBtnLook(m_machine.state(), {!m_normal.empty(), !m_hover.empty()}, s.pressed_shift);
    // Off screen, so that a state change never flickers.
    paintOffScreen(dc, [&](HDC buffer, const RECT& client) {
        paintFill(buffer, client, look.fill);
        if (const Bitmap* picture = forms::pictureIn(look.picture, m_normal, m_hover))
            picture->drawKeyed(buffer, {look.shift.x, look.shift.y});
        RECT caption = client;
        OffsetRect(&caption, look.shift.x, look.shift.y);
        drawAlignedText(buffer, m_font.handle(), buttonText(), caption, decodeGbk(s.text), {1, 1, true});
    });
}

LRESULT SuperBtn::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        trackLeaving();
        react(m_machine.pointerMoved(pointerInside(lParam), (wParam & MK_LBUTTON) != 0));
        return 0;
    case WM_MOUSELEAVE:
        m_trackingLeave = false;
        react(m_machine.pointerLeft());
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(m_handle);
        SetCapture(m_handle);
        react(m_machine.leftPressed());
        return 0;
    case WM_LBUTTONUP: {
        if (!m_machine.heldByMouse())
            return 0;
        const forms::SuperBtnReaction reaction = m_machine.leftReleased(pointerInside(lParam));
        ReleaseCapture();
        react(reaction);
        return 0;
    }
    case WM_CAPTURECHANGED:
        // The capture taken away by someone else ends the press without a click.
        if (m_machine.heldByMouse() && reinterpret_cast<HWND>(lParam) != m_handle)
            react(m_machine.leftReleased(false));
        return 0;
    case WM_KILLFOCUS: react(m_machine.focusLost()); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && isFirstPress(lParam))
            react(m_machine.spacePressed());
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE)
            react(m_machine.spaceReleased());
        return 0;
    case WM_GETDLGCODE: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    default: break;
    }
    return OwnControl::handle(message, wParam, lParam);
}

} // namespace toolkit::win32
