#pragma once

#include "forms/super_btn_rules.h"
#include "toolkit/win32/bitmaps.h"
#include "toolkit/win32/control.h"
#include "toolkit/win32/fonts.h"

namespace toolkit::win32 {

// The image button: an owner-drawn push button with a picture per state and its caption drawn over
// it. Hovering and clicking follow forms::SuperBtnMachine; the system reports the pointer's leaving
// only when asked to, so every entry asks again.
class SuperBtn final : public OwnControl {
public:
    SuperBtn(Window& window, std::size_t unit);

    void click() override;
    forms::SuperBtnState state() const { return m_machine.state(); }
    const Bitmap& normalPicture() const { return m_normal; }
    const Bitmap& hoverPicture() const { return m_hover; }
    const Font& font() const { return m_font; }

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool pointerInside(LPARAM at) const;
    void trackLeaving();
    // Carries out what the machine decided; raising clicked may destroy the window, so it comes last.
    void react(const forms::SuperBtnReaction& reaction);
    void paint(HDC dc) override;
    void paintFill(HDC dc, const RECT& client, forms::SuperBtnFill fill);

    forms::SuperBtnMachine m_machine;
    Font m_font;
    Bitmap m_normal;
    Bitmap m_hover;
    bool m_trackingLeave = false;
};

} // namespace toolkit::win32
