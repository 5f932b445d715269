#include "forms/super_btn_rules.h"

#include <algorithm>

namespace forms {

namespace {

constexpr int MaxLift = 32;

std::uint8_t lifted(std::uint8_t channel, int lift) {
    return static_cast<std::uint8_t>(channel + lift);
}

} // namespace

int highlightLift(Rgb face) {
    return std::min({MaxLift, 255 - face.red, 255 - face.green, 255 - face.blue});
}

Rgb highlightColour(Rgb face) {
    const int lift = highlightLift(face);
    return {lifted(face.red, lift), lifted(face.green, lift), lifted(face.blue, lift)};
}

SuperBtnState SuperBtnMachine::state() const {
    switch (m_pressedBy) {
    case PressedBy::Space: return SuperBtnState::Pressed;
    case PressedBy::Mouse: return m_pointerInside ? SuperBtnState::Pressed : SuperBtnState::Normal;
    case PressedBy::Nothing: break;
    }
    return m_hovered ? SuperBtnState::Hovered : SuperBtnState::Normal;
}

SuperBtnReaction SuperBtnMachine::changedFrom(SuperBtnState before, SuperBtnReaction reaction) const {
    reaction.repaint = reaction.repaint || state() != before;
    return reaction;
}

bool SuperBtnMachine::hoverBegins() {
    if (m_hovered)
        return false;
    m_hovered = true;
    return true;
}

void SuperBtnMachine::hoverEnds() {
    m_hovered = false;
}

SuperBtnReaction SuperBtnMachine::pointerMoved(bool inside, bool leftButtonHeld) {
    const SuperBtnState before = state();
    m_pointerInside = inside;
    if (!inside) {
        // Only a captured mouse reports moves outside the button: the pointer has left it.
        hoverEnds();
        return changedFrom(before, {});
    }
    SuperBtnReaction reaction;
    // A drag that enters the button does not highlight it; once hovered, holding the button changes nothing.
    const bool held = leftButtonHeld || m_pressedBy == PressedBy::Mouse;
    if (!held)
        reaction.playSound = hoverBegins();
    return changedFrom(before, reaction);
}

SuperBtnReaction SuperBtnMachine::pointerLeft() {
    const SuperBtnState before = state();
    m_pointerInside = false;
    hoverEnds();
    return changedFrom(before, {});
}

SuperBtnReaction SuperBtnMachine::leftPressed() {
    const SuperBtnState before = state();
    if (m_pressedBy == PressedBy::Nothing) {
        m_pressedBy = PressedBy::Mouse;
        m_pointerInside = true;
    }
    return changedFrom(before, {});
}

SuperBtnReaction SuperBtnMachine::leftReleased(bool inside) {
    if (m_pressedBy != PressedBy::Mouse)
        return {};
    const SuperBtnState before = state();
    m_pressedBy = PressedBy::Nothing;
    m_pointerInside = inside;
    if (!inside) {
        hoverEnds();
        return changedFrom(before, {});
    }
    return changedFrom(before, {.playSound = true, .clicked = true});
}

SuperBtnReaction SuperBtnMachine::focusLost() {
    const SuperBtnState before = state();
    // A press that loses the focus is abandoned, as the capture goes with it.
    m_pressedBy = PressedBy::Nothing;
    hoverEnds();
    return changedFrom(before, {});
}

SuperBtnReaction SuperBtnMachine::spacePressed() {
    const SuperBtnState before = state();
    if (m_pressedBy == PressedBy::Nothing)
        m_pressedBy = PressedBy::Space;
    return changedFrom(before, {});
}

SuperBtnReaction SuperBtnMachine::spaceReleased() {
    if (m_pressedBy != PressedBy::Space)
        return {};
    const SuperBtnState before = state();
    m_pressedBy = PressedBy::Nothing;
    return changedFrom(before, {.playSound = true, .clicked = true});
}

Point pressedShift(int pressedShiftSetting) {
    return pressedShiftSetting == 1 ? Point{0, 2} : Point{1, 1};
}

SuperBtnLook superBtnLook(SuperBtnState state, SuperBtnPictures pictures, int pressedShiftSetting) {
    const bool lit = state != SuperBtnState::Normal;
    SuperBtnLook look;
    look.fill = lit ? SuperBtnFill::RoundedHighlight : SuperBtnFill::Face;
    const bool wanted = lit ? pictures.hover : pictures.normal;
    const bool other = lit ? pictures.normal : pictures.hover;
    const PictureSlot wantedSlot = lit ? PictureSlot::Hover : PictureSlot::Normal;
    const PictureSlot otherSlot = lit ? PictureSlot::Normal : PictureSlot::Hover;
    look.picture = wanted ? wantedSlot : other ? otherSlot : PictureSlot::None;
    if (state == SuperBtnState::Pressed)
        look.shift = pressedShift(pressedShiftSetting);
    return look;
}

} // namespace forms
