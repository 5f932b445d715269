#include "forms/start_window.h"

#include "app/shell.h"
#include "forms/options_window.h"
#include "quorvane_artwork.h"

namespace forms {

namespace {

void onCreated() {}

// The press goes on as usual; the heading reacts to nothing.
void onHeadingLeftButtonDown(std::int32_t /*x*/, std::int32_t /*y*/, std::int32_t /*keyState*/) {}

void onStartButtonClicked() {
    app::LoadWindow(OptionsWindowRef, nullptr, false);
}

const GbkText Title = gbk("Quorvane");

WindowSettings windowSettings() {
    WindowSettings s;
    s.title = Title;
    s.border_style = 2;
    s.control_button = true;
    s.minimize_button = true;
    s.maximize_button = false;
    s.start_position = 1;
    s.movable = true;
    s.background_colour = SystemDefault;
    s.background_picture = Picture{assets::BackgroundJpg};
    s.picture_mode = 3;
    s.icon = Picture{assets::QuorvaneIco};
    s.esc_closes = true;
    s.enter_moves_focus = false;
    s.f1_opens_help = false;
    s.show_in_taskbar = true;
    s.drag_anywhere = false;
    s.shape = 0;
    s.always_on_top = false;
    return s;
}

TransLabelSettings headingSettings() {
    TransLabelSettings s;
    s.text = gbk("\xd6\xb1\xb2\xa5\xc8\xcb\xc6\xf8\xd0\xad\xd2\xe9"); // 直播人气协议
    s.font = fontRecord({.height = -48, .weight = 700});
    s.text_colour = PureBlue;
    s.h_align = 0;
    s.word_wrap = false;
    s.v_align = 1;
    s.effect = 0;
    return s;
}

SuperBtnSettings startButtonSettings() {
    SuperBtnSettings s;
    s.text = gbk("\xc6\xf4\xb6\xaf\xd0\xad\xd2\xe9");                                  // 启动协议
    s.font = fontRecord(withFace({.height = -19, .weight = 700}, "\xbf\xac\xcc\xe5")); // 楷体
    s.button_style = 2;
    s.toggle = false;
    s.picture_placement = 3;
    s.pressed_shift = 1;
    s.flat_focus_rect = false;
    s.normal_picture = Picture{assets::ButtonPng};
    s.normal_key_colour = 0x00ECECEC;
    s.hover_picture = Picture{assets::BackgroundJpg};
    s.hover_key_colour = White;
    s.system_colours = true;
    s.builtin_sound = true;
    s.default_button = false;
    return s;
}

ShapeBoxSettings ringSettings() {
    ShapeBoxSettings s;
    s.background_colour = SystemDefault;
    s.shape = 0;
    s.relief = 0;
    s.line_style = 1;
    s.line_width = 2;
    s.line_colour = White;
    s.fill_colour = SystemDefault;
    return s;
}

} // namespace

// clang-format off
const WindowDescription StartWindow{
    .id = StartWindowRef.window,
    .units = {
        {.kind = Kind::Window, .id = StartWindowRef.unit,
         .left = 50, .top = 50, .width = 379, .height = 350, .visible = true,
         .bindings = {{event::Created, onCreated}},
         .settings = windowSettings()},
        {.kind = Kind::TransLabel, .id = 0x16010029, .name = "透明标签1",
         .left = 40, .top = 12, .width = 552, .height = 56, .visible = true,
         .bindings = {{event::LeftButtonDown, onHeadingLeftButtonDown}},
         .settings = headingSettings()},
        {.kind = Kind::SuperBtn, .id = 0x16010024, .name = "超级按钮1",
         .left = 143, .top = 248, .width = 88, .height = 32, .visible = true, .tab_stop = true,
         .bindings = {{event::Clicked, onStartButtonClicked}},
         .settings = startButtonSettings()},
        {.kind = Kind::ShapeBox, .id = 0x16010088, .name = "外形框1",
         .left = 141, .top = 246, .width = 92, .height = 36, .visible = true,
         .settings = ringSettings()},
    },
};
// clang-format on

} // namespace forms
