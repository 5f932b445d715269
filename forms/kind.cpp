#include "forms/kind.h"

namespace forms {

bool isKnownKind(Kind kind) {
    return !kindName(kind).empty();
}

bool canTakeFocus(Kind kind) {
    switch (kind) {
    case Kind::EditBox:
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::RadioBox:
    case Kind::SuperBtn: return true;
    default: return false;
    }
}

std::string_view kindName(Kind kind) {
    switch (kind) {
    case Kind::Window: return "window";
    case Kind::EditBox: return "EditBox";
    case Kind::ShapeBox: return "ShapeBox";
    case Kind::GroupBox: return "GroupBox";
    case Kind::Label: return "Label";
    case Kind::Button: return "Button";
    case Kind::CheckBox: return "CheckBox";
    case Kind::RadioBox: return "RadioBox";
    case Kind::TransLabel: return "TransLabel";
    case Kind::SuperBtn: return "SuperBtn";
    }
    return {};
}

} // namespace forms
