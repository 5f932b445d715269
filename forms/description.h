#pragma once

#include "forms/event.h"
#include "forms/ids.h"
#include "forms/kind.h"
#include "forms/picture.h"
#include "forms/settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace forms {

// One unit of a window: the window's own unit (list position 0) or a control.
struct UnitDescription {
    Kind kind = Kind::Window;
    UnitId id = 0;
    std::string name; // the designer's name, e.g. 编辑框1; empty for the window's own unit
    std::string comment;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::optional<UnitId> parent; // a GroupBox of the same window; none: directly on the window
    std::vector<UnitId> children;
    Picture mouse_pointer; // none: the system arrow
    std::string tag;
    bool visible = true;
    bool disabled = false;
    bool tab_stop = false;
    std::int32_t tab_order = 0;
    std::vector<EventBinding> bindings;
    Settings settings;
};

struct WindowDescription {
    WindowId id = 0;
    std::vector<UnitDescription> units; // units[0] is the window itself

    const UnitDescription& window() const { return units.front(); }
    const WindowSettings& windowSettings() const { return std::get<WindowSettings>(units.front().settings); }
    WindowRef ref() const { return {id, units.empty() ? 0 : units.front().id}; }

    // The index of the unit with that identifier or name, if there is one.
    std::optional<std::size_t> indexOf(UnitId unit) const;
    std::optional<std::size_t> indexOf(std::string_view name) const;
};

template <class S> const S* settingsOf(const UnitDescription& unit) {
    return std::get_if<S>(&unit.settings);
}

} // namespace forms
