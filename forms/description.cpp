#include "forms/description.h"

namespace forms {

std::optional<std::size_t> WindowDescription::indexOf(UnitId unit) const {
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i].id == unit)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> WindowDescription::indexOf(std::string_view name) const {
    for (std::size_t i = 1; i < units.size(); ++i)
        if (units[i].name == name)
            return i;
    return std::nullopt;
}

} // namespace forms
