#pragma once

#include "forms/colour.h"
#include "forms/geometry.h"

// How an image button looks and reacts: plain functions and a small state machine, so that every
// backend applies the same rules and tests can drive them without a display.
namespace forms {

// The highlight is the button face lifted by the same amount on red, green and blue: 32, or less
// where a channel would pass 255, so that the hue of the face is kept.
int highlightLift(Rgb face);
Rgb highlightColour(Rgb face);

enum class SuperBtnState { Normal, Hovered, Pressed };

// What the widget has to do after an input, in this order: repaint, play the click sound, raise
// clicked.
struct SuperBtnReaction {
    bool repaint = false;
    bool playSound = false;
    bool clicked = false;
    friend bool operator==(const SuperBtnReaction&, const SuperBtnReaction&) = default;
};

// Hovering and clicking. The widget reports where the pointer is and whether the left button is
// held as the platform knows it: a press made outside the program reaches no widget as an event, yet a
// drag that enters the button must not highlight it.
class SuperBtnMachine {
public:
    // The look to paint: pressed while the left button or Space holds it down (the mouse only while
    // the pointer is over it), hovered while the pointer is over it, else normal.
    SuperBtnState state() const;
    bool hovered() const { return m_hovered; }
    // The mouse is captured from a left press on the button until that button is released.
    bool heldByMouse() const { return m_pressedBy == PressedBy::Mouse; }

    SuperBtnReaction pointerMoved(bool inside, bool leftButtonHeld);
    SuperBtnReaction pointerLeft();
    // The left button went down over the button.
    SuperBtnReaction leftPressed();
    SuperBtnReaction leftReleased(bool inside);
    SuperBtnReaction focusLost();
    SuperBtnReaction spacePressed();
    SuperBtnReaction spaceReleased();

private:
    enum class PressedBy { Nothing, Mouse, Space };

    SuperBtnReaction changedFrom(SuperBtnState before, SuperBtnReaction reaction) const;
    bool hoverBegins();
    void hoverEnds();

    bool m_hovered = false;
    bool m_pointerInside = false;
    PressedBy m_pressedBy = PressedBy::Nothing;
};

enum class SuperBtnFill {
    Face,             // the whole button in the button face
    RoundedHighlight, // a rounded rectangle in the highlight colour with a 1-px black outline
};

// The corner ellipse of the rounded highlight, in pixels.
inline constexpr Size HighlightCorner{8, 8};

enum class PictureSlot { None, Normal, Hover };

struct SuperBtnLook {
    SuperBtnFill fill = SuperBtnFill::Face;
    PictureSlot picture = PictureSlot::None;
    // How far the picture and the caption move from their resting place.
    Point shift;
    friend bool operator==(const SuperBtnLook&, const SuperBtnLook&) = default;
};

// Which pictures could be decoded; a slot that could not shows the other picture.
struct SuperBtnPictures {
    bool normal = false;
    bool hover = false;
};

// pressed_shift 1 moves picture and caption 2 px down while pressed, 0 moves them 1 px right and down.
Point pressedShift(int pressedShiftSetting);

SuperBtnLook superBtnLook(SuperBtnState state, SuperBtnPictures pictures, int pressedShiftSetting);

// The picture a look shows, out of the button's two, whatever a backend's pictures are; nullptr for
// none.
template <class Picture>
const Picture* pictureIn(PictureSlot slot, const Picture& normal, const Picture& hover) {
    switch (slot) {
    case PictureSlot::Normal: return &normal;
    case PictureSlot::Hover: return &hover;
    case PictureSlot::None: break;
    }
    return nullptr;
}

} // namespace forms
