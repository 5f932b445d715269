#pragma once

#include "forms/description.h"
#include "forms/font.h"
#include "forms/geometry.h"

#include <cstddef>
#include <optional>
#include <vector>

// The rules by which a description becomes a live window. They are plain functions of the
// description so that every toolkit backend applies the same ones and tests can call them directly.
namespace forms {

// Controls are created from the last in the list to the first.
std::vector<std::size_t> creationOrder(const WindowDescription& window);

// The controls directly inside `container` (none: the window itself), top of the stack first:
// the lower list index lies on top.
std::vector<std::size_t> stackingOrder(const WindowDescription& window, std::optional<UnitId> container);

// start_position 1 centres the outer frame on the whole screen, with integer division.
Point startPosition(const WindowDescription& window, Size screen);

// A fixed frame with a caption, for platforms that report no frame of their own.
inline constexpr FrameMargins ClassicFixedFrame{3, 22, 3, 3};

// The window's stored size is its outer size; the client area is what the frame leaves.
Size clientSize(const WindowDescription& window, FrameMargins frame);

// A single-line edit box is at least one line of its font plus the top and bottom edge high.
int editBoxHeight(int storedHeight, int fontLineHeight, int edge);

// The system font for a record: the stored height, width, angles, weight, styles and face, with the
// default character set, default precisions, proof quality and default pitch and family. A missing
// record or one of the wrong length gives nothing, which means the default GUI font.
std::optional<LogFont> systemFont(const FontRecord& record);
namespace font_fields {
inline constexpr std::uint8_t DefaultCharSet = 1;
inline constexpr std::uint8_t DefaultPrecision = 0;
inline constexpr std::uint8_t ProofQuality = 2;
inline constexpr std::uint8_t DefaultPitch = 0;
} // namespace font_fields
std::string faceName(const LogFont& font); // GBK bytes up to the terminating zero

// Focus: the candidates are visible, enabled, focusable kinds with a Tab stop, ordered by
// tab_order ascending and, for equal values, by descending list index.
bool isFocusCandidate(const UnitDescription& unit);
std::vector<std::size_t> focusOrder(const WindowDescription& window);
std::optional<std::size_t> initialFocus(const WindowDescription& window);
// The next (or previous) candidate after `current`, wrapping; from a non-candidate, the first (last).
std::optional<std::size_t> nextFocus(const WindowDescription& window, std::optional<std::size_t> current,
                                     bool forward);

// Radio sets: every RadioBox with the same parent, in focus order.
std::vector<std::size_t> radioSet(const WindowDescription& window, std::size_t radio);
std::optional<std::size_t> radioStep(const WindowDescription& window, std::size_t radio, bool forward);

// Keys that the window handles for every control.
enum class Key { Other, Tab, Escape, Enter, Space, Left, Right, Up, Down, Character };

struct KeyPress {
    Key key = Key::Other;
    char character = 0; // for Key::Character: an ASCII letter or digit
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

struct KeyAction {
    enum class Type {
        PassOn,     // the focused control handles the key itself
        Swallow,    // nothing happens
        Close,      // the window gets a close request
        Focus,      // move the focus to `unit`
        Click,      // click `unit`
        CheckRadio, // focus `unit`, check it, uncheck the rest of its set, raise its clicked event
        Select,     // mnemonic: focus `unit`, clicking it if it is a button kind
    };
    Type type = Type::PassOn;
    std::size_t unit = 0;
    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

KeyAction decideKey(const WindowDescription& window, std::optional<std::size_t> focused, const KeyPress& key);

// Whether a focused unit is a default button that Enter clicks.
bool isDefaultButton(const UnitDescription& unit);

// The text a unit shows, for the kinds that have one.
const GbkText* textOf(const UnitDescription& unit);

} // namespace forms
