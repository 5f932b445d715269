#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace forms {

// Kind number = library number * 65536 + type number.
enum class Kind : std::uint32_t {
    Window = 0x00010001,
    EditBox = 0x00010005,
    ShapeBox = 0x00010007,
    GroupBox = 0x00010009,
    Label = 0x0001000a,
    Button = 0x0001000b,
    CheckBox = 0x0001000c,
    RadioBox = 0x0001000d,
    TransLabel = 0x00030005,
    SuperBtn = 0x00040001,
};

bool isKnownKind(Kind kind);
bool canTakeFocus(Kind kind);
std::string_view kindName(Kind kind);

} // namespace forms
