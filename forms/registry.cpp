#include "forms/registry.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace forms {

namespace {

std::string hex(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08x", value);
    return buffer;
}

std::string unitLabel(const WindowDescription& window, const UnitDescription& unit) {
    std::string label = "window " + hex(window.id) + ", unit " + hex(unit.id);
    if (!unit.name.empty())
        label += " (" + unit.name + ")";
    return label;
}

bool settingsMatchKind(const UnitDescription& unit) {
    switch (unit.kind) {
    case Kind::Window: return std::holds_alternative<WindowSettings>(unit.settings);
    case Kind::EditBox: return std::holds_alternative<EditBoxSettings>(unit.settings);
    case Kind::ShapeBox: return std::holds_alternative<ShapeBoxSettings>(unit.settings);
    case Kind::GroupBox: return std::holds_alternative<GroupBoxSettings>(unit.settings);
    case Kind::Label: return std::holds_alternative<LabelSettings>(unit.settings);
    case Kind::Button: return std::holds_alternative<ButtonSettings>(unit.settings);
    case Kind::CheckBox: return std::holds_alternative<CheckBoxSettings>(unit.settings);
    case Kind::RadioBox: return std::holds_alternative<RadioBoxSettings>(unit.settings);
    case Kind::TransLabel: return std::holds_alternative<TransLabelSettings>(unit.settings);
    case Kind::SuperBtn: return std::holds_alternative<SuperBtnSettings>(unit.settings);
    }
    return false;
}

// How many arguments an event of that kind carries, or nothing if the kind has no such event.
std::optional<std::size_t> eventArity(Kind kind, std::int32_t event) {
    if (event == event::LeftButtonDown)
        return 3;
    if (event != 0)
        return std::nullopt;
    switch (kind) {
    case Kind::Window:
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::RadioBox:
    case Kind::SuperBtn: return 0;
    case Kind::Label: return 2;
    default: return std::nullopt;
    }
}

std::optional<std::string> checkUnit(const WindowDescription& window, std::size_t index) {
    const UnitDescription& unit = window.units[index];
    if (!isKnownKind(unit.kind))
        return "unknown kind " + hex(static_cast<std::uint32_t>(unit.kind));
    const bool own = index == 0;
    if (own != (unit.kind == Kind::Window))
        return own ? "the window's own unit is not of kind window" : "a control of kind window";
    const Category wanted = own ? Category::WindowUnit : Category::Control;
    if (categoryOf(unit.id) != wanted)
        return own ? "identifier is not of a window's own unit (0x06)"
                   : "identifier is not of a control (0x16)";
    if (!settingsMatchKind(unit))
        return "settings are not those of kind " + std::string(kindName(unit.kind));
    if (unit.parent) {
        const auto parent = window.indexOf(*unit.parent);
        if (!parent || *parent == 0 || window.units[*parent].kind != Kind::GroupBox)
            return "parent " + hex(*unit.parent) + " is not a GroupBox of this window";
        if (*parent == index)
            return "is its own parent";
    }
    std::vector<UnitId> expected;
    for (const UnitDescription& other : window.units)
        if (other.parent == unit.id)
            expected.push_back(other.id);
    std::vector<UnitId> stored = unit.children;
    std::sort(expected.begin(), expected.end());
    std::sort(stored.begin(), stored.end());
    if (stored != expected)
        return "children list disagrees with the parent fields";
    for (const EventBinding& binding : unit.bindings) {
        const auto arity = eventArity(unit.kind, binding.event);
        if (!arity)
            return "binds event " + std::to_string(binding.event) + ", which kind " +
                   std::string(kindName(unit.kind)) + " does not have";
        if (*arity != arityOf(binding.handler))
            return "handler of event " + std::to_string(binding.event) + " takes the wrong arguments";
    }
    return std::nullopt;
}

} // namespace

std::optional<DescriptionError> validate(std::span<const WindowDescription* const> windows) {
    std::set<std::uint32_t> seen;
    for (const WindowDescription* window : windows) {
        if (window == nullptr)
            return DescriptionError{"a window description is missing"};
        if (categoryOf(window->id) != Category::Window)
            return DescriptionError{"window " + hex(window->id) + ": identifier is not of a window (0x52)"};
        if (!seen.insert(window->id).second)
            return DescriptionError{"window " + hex(window->id) + ": duplicate identifier"};
        if (window->units.empty())
            return DescriptionError{"window " + hex(window->id) + ": has no units"};
        for (std::size_t i = 0; i < window->units.size(); ++i) {
            const UnitDescription& unit = window->units[i];
            if (auto fault = checkUnit(*window, i))
                return DescriptionError{unitLabel(*window, unit) + ": " + *fault};
            if (!seen.insert(unit.id).second)
                return DescriptionError{unitLabel(*window, unit) + ": duplicate identifier"};
        }
    }
    return std::nullopt;
}

std::optional<Registry> Registry::build(std::span<const WindowDescription* const> windows,
                                        DescriptionError* error) {
    if (auto fault = validate(windows)) {
        if (error != nullptr)
            *error = *fault;
        return std::nullopt;
    }
    Registry registry;
    registry.m_windows.assign(windows.begin(), windows.end());
    for (const WindowDescription* window : windows)
        for (const UnitDescription& unit : window->units)
            for (const EventBinding& binding : unit.bindings)
                registry.m_handlers.try_emplace({window->id, unit.id, binding.event}, binding.handler);
    return registry;
}

const WindowDescription* Registry::find(WindowId window) const {
    for (const WindowDescription* description : m_windows)
        if (description->id == window)
            return description;
    return nullptr;
}

const Handler* Registry::handlerFor(WindowId window, UnitId unit, std::int32_t event) const {
    const auto it = m_handlers.find({window, unit, event});
    return it == m_handlers.end() ? nullptr : &it->second;
}

} // namespace forms
