#pragma once

#include "forms/description.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace forms {

// What makes a set of descriptions unreadable, naming the unit and the fault.
struct DescriptionError {
    std::string message;
};

std::optional<DescriptionError> validate(std::span<const WindowDescription* const> windows);

// One entry per window description, found by window identifier, with every event binding tied to its
// handler. Built once and checked as a whole: a set of descriptions with a fault builds no registry.
class Registry {
public:
    static std::optional<Registry> build(std::span<const WindowDescription* const> windows,
                                         DescriptionError* error = nullptr);

    const WindowDescription* find(WindowId window) const;
    std::span<const WindowDescription* const> windows() const { return m_windows; }

    // The first binding of that unit with that event number, if any.
    const Handler* handlerFor(WindowId window, UnitId unit, std::int32_t event) const;

private:
    std::vector<const WindowDescription*> m_windows;
    std::map<std::tuple<WindowId, UnitId, std::int32_t>, Handler> m_handlers;
};

} // namespace forms
