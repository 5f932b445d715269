#pragma once

#include "forms/colour.h"
#include "forms/font.h"
#include "forms/picture.h"
#include "forms/text.h"

#include <cstdint>
#include <variant>

namespace forms {

// Each kind's settings with the kind's defaults; a description states only what differs.

struct WindowSettings {
    GbkText title;
    int border_style = 2; // fixed frame with caption
    bool control_button = true;
    bool minimize_button = true;
    bool maximize_button = false;
    int start_position = 1; // 0: stored place, 1: centred on the screen
    bool movable = true;
    Colour background_colour = SystemDefault;
    Picture background_picture;
    int picture_mode = 3; // 3: stretched over the client area
    Picture icon;
    bool esc_closes = false;
    bool enter_moves_focus = false;
    bool f1_opens_help = false;
    GbkText help_file;
    int help_context = 0;
    bool show_in_taskbar = true;
    bool drag_anywhere = false;
    int shape = 0;
    bool always_on_top = false;
    bool keep_title_active = false;
    GbkText window_class_name;
    Picture music;
    int music_play_count = 0;
};

struct EditBoxSettings {
    GbkText text;
    int border = 1; // sunken edge
    Colour text_colour = Black;
    Colour background_colour = White;
    FontRecord font;
    bool hide_selection = true;
    int max_length = 0; // no limit
    bool multi_line = false;
    int alignment = 0;
    int input_mode = 0; // 0 normal, 1 read-only
    char password_char = '*';
    int case_conversion = 0;
    int spin_mode = 0;
};

struct ShapeBoxSettings {
    Colour background_colour = SystemDefault;
    int shape = 0; // 0 rectangle
    int relief = 0;
    int line_style = 1; // solid, inside the bounds
    int line_width = 1;
    Colour line_colour = Black;
    Colour fill_colour = SystemDefault; // none
};

struct GroupBoxSettings {
    GbkText text;
    int alignment = 0;
    Colour text_colour = Black;
    Colour background_colour = SystemDefault;
    FontRecord font;
};

struct LabelSettings {
    GbkText text;
    Colour text_colour = Black;
    Colour background_colour = SystemDefault;
    FontRecord font;
    int h_align = 0;
    int v_align = 1; // centred
    bool word_wrap = false;
    int effect = 0;
    int border = 0;
    Picture picture;
};

struct ButtonSettings {
    GbkText text;
    int button_type = 0; // 1: default button
    FontRecord font;
    bool word_wrap = true;
    Picture picture;
};

struct CheckBoxSettings {
    GbkText text;
    bool text_on_left = false;
    int h_align = 0;
    int v_align = 1;
    bool word_wrap = true;
    Colour text_colour = Black;
    Colour background_colour = SystemDefault;
    FontRecord font;
    Picture picture;
    bool push_like = false;
    bool flat = false;
    bool checked = false;
};

struct RadioBoxSettings : CheckBoxSettings {};

struct TransLabelSettings {
    GbkText text;
    FontRecord font;
    Colour text_colour = Black;
    int h_align = 0;
    bool word_wrap = false;
    int v_align = 1;
    int effect = 0;
};

struct SuperBtnSettings {
    GbkText text;
    FontRecord font;
    int button_style = 2; // flat with a rounded highlight
    bool toggle = false;
    int picture_placement = 3; // overlap: picture at the top-left, caption centred over it
    int pressed_shift = 1;     // 0: 1 px right and 1 px down, 1: 2 px down
    bool flat_focus_rect = false;
    Picture normal_picture;
    Colour normal_key_colour = SystemDefault;
    Picture hover_picture;
    Colour hover_key_colour = SystemDefault;
    Picture disabled_picture;
    bool system_colours = true;
    bool builtin_sound = true;
    GbkText tooltip;
    bool default_button = false;
};

using Settings =
    std::variant<WindowSettings, EditBoxSettings, ShapeBoxSettings, GroupBoxSettings, LabelSettings,
                 ButtonSettings, CheckBoxSettings, RadioBoxSettings, TransLabelSettings, SuperBtnSettings>;

} // namespace forms
