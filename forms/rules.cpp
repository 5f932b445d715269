#include "forms/rules.h"

#include <algorithm>
#include <cctype>

namespace forms {

std::vector<std::size_t> creationOrder(const WindowDescription& window) {
    std::vector<std::size_t> order;
    for (std::size_t i = window.units.size(); i-- > 1;)
        order.push_back(i);
    return order;
}

std::vector<std::size_t> stackingOrder(const WindowDescription& window, std::optional<UnitId> container) {
    std::vector<std::size_t> order;
    for (std::size_t i = 1; i < window.units.size(); ++i)
        if (window.units[i].parent == container)
            order.push_back(i);
    return order;
}

Point startPosition(const WindowDescription& window, Size screen) {
    const UnitDescription& unit = window.window();
    if (window.windowSettings().start_position != 1)
        return {unit.left, unit.top};
    return {(screen.width - unit.width) / 2, (screen.height - unit.height) / 2};
}

Size clientSize(const WindowDescription& window, FrameMargins frame) {
    const UnitDescription& unit = window.window();
    return {std::max(0, unit.width - frame.left - frame.right),
            std::max(0, unit.height - frame.top - frame.bottom)};
}

int editBoxHeight(int storedHeight, int fontLineHeight, int edge) {
    return std::max(storedHeight, fontLineHeight + 2 * edge);
}

std::optional<LogFont> systemFont(const FontRecord& record) {
    std::optional<LogFont> font = parseFontRecord(record);
    if (!font)
        return std::nullopt;
    font->char_set = font_fields::DefaultCharSet;
    font->out_precision = font_fields::DefaultPrecision;
    font->clip_precision = font_fields::DefaultPrecision;
    font->quality = font_fields::ProofQuality;
    font->pitch_and_family = font_fields::DefaultPitch;
    return font;
}

std::string faceName(const LogFont& font) {
    const auto end = std::find(font.face_name.begin(), font.face_name.end(), '\0');
    return std::string(font.face_name.begin(), end);
}

bool isFocusCandidate(const UnitDescription& unit) {
    return unit.visible && !unit.disabled && unit.tab_stop && canTakeFocus(unit.kind);
}

std::vector<std::size_t> focusOrder(const WindowDescription& window) {
    std::vector<std::size_t> order;
    for (std::size_t i = window.units.size(); i-- > 1;)
        if (isFocusCandidate(window.units[i]))
            order.push_back(i);
    // Descending list index already; a stable sort by tab_order keeps it for equal keys.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return window.units[a].tab_order < window.units[b].tab_order;
    });
    return order;
}

std::optional<std::size_t> initialFocus(const WindowDescription& window) {
    const auto order = focusOrder(window);
    if (order.empty())
        return std::nullopt;
    return order.front();
}

namespace {

std::optional<std::size_t> stepIn(const std::vector<std::size_t>& cycle, std::optional<std::size_t> current,
                                  bool forward) {
    if (cycle.empty())
        return std::nullopt;
    const auto at = current ? std::find(cycle.begin(), cycle.end(), *current) : cycle.end();
    if (at == cycle.end())
        return forward ? cycle.front() : cycle.back();
    const auto n = cycle.size();
    const auto pos = static_cast<std::size_t>(at - cycle.begin());
    return cycle[forward ? (pos + 1) % n : (pos + n - 1) % n];
}

bool isButtonKind(Kind kind) {
    return kind == Kind::Button || kind == Kind::CheckBox || kind == Kind::RadioBox || kind == Kind::SuperBtn;
}

bool isMultiLineEditable(const UnitDescription& unit) {
    const auto* edit = settingsOf<EditBoxSettings>(unit);
    return edit != nullptr && edit->multi_line && edit->input_mode != 1;
}

// The first visible, enabled unit whose text holds '&' right before `c` (not "&&", which shows '&').
std::optional<std::size_t> mnemonicTarget(const WindowDescription& window, char c) {
    const auto wanted = std::tolower(static_cast<unsigned char>(c));
    for (std::size_t i = 1; i < window.units.size(); ++i) {
        const UnitDescription& unit = window.units[i];
        const GbkText* text = textOf(unit);
        if (!unit.visible || unit.disabled || text == nullptr)
            continue;
        const std::string& bytes = text->bytes;
        for (std::size_t k = 0; k + 1 < bytes.size(); ++k) {
            if (static_cast<unsigned char>(bytes[k]) >= 0x80) {
                ++k; // the second byte of a double-byte character is never an '&'
                continue;
            }
            if (bytes[k] != '&')
                continue;
            if (bytes[k + 1] == '&') {
                ++k;
                continue;
            }
            if (std::tolower(static_cast<unsigned char>(bytes[k + 1])) == wanted)
                return i;
        }
    }
    return std::nullopt;
}

KeyAction decideEnter(const WindowDescription& window, std::optional<std::size_t> focused) {
    if (focused) {
        const UnitDescription& unit = window.units[*focused];
        if (isMultiLineEditable(unit))
            return {KeyAction::Type::PassOn};
        if (isDefaultButton(unit))
            return {KeyAction::Type::Click, *focused};
    }
    if (window.windowSettings().enter_moves_focus) {
        if (auto next = nextFocus(window, focused, true))
            return {KeyAction::Type::Focus, *next};
        return {KeyAction::Type::Swallow};
    }
    for (std::size_t i = 1; i < window.units.size(); ++i) {
        const UnitDescription& unit = window.units[i];
        if (!unit.disabled && isDefaultButton(unit))
            return {KeyAction::Type::Click, i};
    }
    return {KeyAction::Type::Swallow};
}

} // namespace

std::optional<std::size_t> nextFocus(const WindowDescription& window, std::optional<std::size_t> current,
                                     bool forward) {
    return stepIn(focusOrder(window), current, forward);
}

std::vector<std::size_t> radioSet(const WindowDescription& window, std::size_t radio) {
    std::vector<std::size_t> set;
    if (radio >= window.units.size() || window.units[radio].kind != Kind::RadioBox)
        return set;
    const auto parent = window.units[radio].parent;
    for (std::size_t i : focusOrder(window))
        if (window.units[i].kind == Kind::RadioBox && window.units[i].parent == parent)
            set.push_back(i);
    // A radio button that is no focus candidate still belongs to its set; it goes last.
    for (std::size_t i = window.units.size(); i-- > 1;)
        if (window.units[i].kind == Kind::RadioBox && window.units[i].parent == parent &&
            std::find(set.begin(), set.end(), i) == set.end())
            set.push_back(i);
    return set;
}

std::optional<std::size_t> radioStep(const WindowDescription& window, std::size_t radio, bool forward) {
    std::vector<std::size_t> set = radioSet(window, radio);
    std::erase_if(set, [&](std::size_t i) { return !isFocusCandidate(window.units[i]) && i != radio; });
    if (set.size() < 2)
        return std::nullopt;
    return stepIn(set, radio, forward);
}

bool isDefaultButton(const UnitDescription& unit) {
    if (const auto* button = settingsOf<ButtonSettings>(unit))
        return unit.kind == Kind::Button && button->button_type == 1;
    if (const auto* super = settingsOf<SuperBtnSettings>(unit))
        return unit.kind == Kind::SuperBtn && super->default_button;
    return false;
}

const GbkText* textOf(const UnitDescription& unit) {
    return std::visit(
        [](const auto& s) -> const GbkText* {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, WindowSettings>)
                return &s.title;
            else if constexpr (std::is_same_v<S, ShapeBoxSettings>)
                return nullptr;
            else
                return &s.text;
        },
        unit.settings);
}

KeyAction decideKey(const WindowDescription& window, std::optional<std::size_t> focused,
                    const KeyPress& key) {
    using Type = KeyAction::Type;
    const bool plain = !key.ctrl && !key.alt;
    switch (key.key) {
    case Key::Escape:
        if (plain && window.windowSettings().esc_closes)
            return {Type::Close};
        return {Type::PassOn};
    case Key::Tab:
        if (!plain)
            return {Type::PassOn};
        if (auto next = nextFocus(window, focused, !key.shift))
            return {Type::Focus, *next};
        return {Type::Swallow};
    case Key::Enter:
        if (!plain)
            return {Type::PassOn};
        return decideEnter(window, focused);
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down: {
        if (!plain || !focused || window.units[*focused].kind != Kind::RadioBox)
            return {Type::PassOn};
        const bool forward = key.key == Key::Right || key.key == Key::Down;
        if (auto target = radioStep(window, *focused, forward))
            return {Type::CheckRadio, *target};
        return {Type::Swallow};
    }
    case Key::Character:
        if (!key.alt || key.ctrl || !std::isalnum(static_cast<unsigned char>(key.character)))
            return {Type::PassOn};
        if (auto target = mnemonicTarget(window, key.character)) {
            if (isButtonKind(window.units[*target].kind))
                return {Type::Select, *target};
            return {Type::Focus, *target};
        }
        return {Type::Swallow};
    case Key::Space:
    case Key::Other: break;
    }
    return {Type::PassOn};
}

} // namespace forms
