#pragma once

#include "forms/description.h"
#include "forms/kind.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

// Small made-up window descriptions for the rule tests, written as one line per window:
// "Kind:tab_order[:flag...] ..." with one token per control, in list order (list index 1 first).
// Flags: hidden, disabled, notab, default (a default button), multi (multi-line edit box), readonly,
// in=N (the parent is the GroupBox at list index N). Every control has a Tab stop unless notab.
namespace made_up {

inline constexpr forms::WindowId WindowId = 0x52000001;
inline constexpr forms::UnitId OwnUnit = 0x06000001;
inline constexpr forms::UnitId controlId(std::size_t index) {
    return 0x16000000u + static_cast<forms::UnitId>(index);
}

inline forms::Settings settingsFor(forms::Kind kind) {
    using forms::Kind;
    switch (kind) {
    case Kind::Window: return forms::WindowSettings{};
    case Kind::EditBox: return forms::EditBoxSettings{};
    case Kind::ShapeBox: return forms::ShapeBoxSettings{};
    case Kind::GroupBox: return forms::GroupBoxSettings{};
    case Kind::Label: return forms::LabelSettings{};
    case Kind::Button: return forms::ButtonSettings{};
    case Kind::CheckBox: return forms::CheckBoxSettings{};
    case Kind::RadioBox: return forms::RadioBoxSettings{};
    case Kind::TransLabel: return forms::TransLabelSettings{};
    case Kind::SuperBtn: return forms::SuperBtnSettings{};
    }
    throw std::invalid_argument("kind");
}

inline forms::Kind kindNamed(const QString& name) {
    using forms::Kind;
    for (Kind kind : {Kind::EditBox, Kind::ShapeBox, Kind::GroupBox, Kind::Label, Kind::Button,
                      Kind::CheckBox, Kind::RadioBox, Kind::TransLabel, Kind::SuperBtn})
        if (name.toStdString() == forms::kindName(kind))
            return kind;
    throw std::invalid_argument("unknown kind in made-up description: " + name.toStdString());
}

inline void applyFlag(forms::UnitDescription& unit, const QString& flag) {
    if (flag == "hidden")
        unit.visible = false;
    else if (flag == "disabled")
        unit.disabled = true;
    else if (flag == "notab")
        unit.tab_stop = false;
    else if (flag == "default" && unit.kind == forms::Kind::Button)
        std::get<forms::ButtonSettings>(unit.settings).button_type = 1;
    else if (flag == "default" && unit.kind == forms::Kind::SuperBtn)
        std::get<forms::SuperBtnSettings>(unit.settings).default_button = true;
    else if (flag == "multi")
        std::get<forms::EditBoxSettings>(unit.settings).multi_line = true;
    else if (flag == "readonly")
        std::get<forms::EditBoxSettings>(unit.settings).input_mode = 1;
    else if (flag.startsWith("in="))
        unit.parent = controlId(flag.mid(3).toUInt());
    else
        throw std::invalid_argument("unknown flag: " + flag.toStdString());
}

inline forms::WindowDescription window(const QString& spec) {
    forms::WindowDescription window{.id = WindowId};
    window.units.push_back({.kind = forms::Kind::Window,
                            .id = OwnUnit,
                            .width = 300,
                            .height = 200,
                            .settings = forms::WindowSettings{.esc_closes = true}});
    const QStringList tokens = spec.split(' ', Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        const QStringList parts = token.split(':');
        forms::UnitDescription unit;
        unit.kind = kindNamed(parts.value(0));
        unit.id = controlId(window.units.size());
        unit.name = token.toStdString();
        unit.tab_stop = true;
        unit.tab_order = parts.value(1, "0").toInt();
        unit.settings = settingsFor(unit.kind);
        for (qsizetype i = 2; i < parts.size(); ++i)
            applyFlag(unit, parts[i]);
        window.units.push_back(std::move(unit));
    }
    for (forms::UnitDescription& child : window.units)
        if (child.parent)
            if (auto container = window.indexOf(*child.parent))
                window.units[*container].children.push_back(child.id);
    return window;
}

} // namespace made_up
