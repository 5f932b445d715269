#include "forms/options_window.h"

#include "app/shell.h"
#include "quorvane_artwork.h"

namespace forms {

namespace {

// The form is passive: no handler reads a field, and the login button only says what the program
// does not do.
void onCreated() {}
void onRadioClicked() {}
void onCheckClicked() {}
void onIdLabelFeedback(std::int32_t /*first*/, std::int32_t /*second*/) {}

const GbkText Title = gbk("Quorvane");

const GbkText LoginNotice = gbk(
    // 本程序不连接任何服务，不登录任何账号，也不会改变任何直播或作品的人气、粉丝、评论等数据。
    "\xb1\xbe\xb3\xcc\xd0\xf2\xb2\xbb\xc1\xac\xbd\xd3\xc8\xce\xba\xce\xb7\xfe\xce\xf1\xa3\xac\xb2\xbb\xb5\xc7"
    "\xc2\xbc\xc8\xce\xba\xce\xd5\xcb\xba\xc5\xa3\xac\xd2\xb2\xb2\xbb\xbb\xe1\xb8\xc4\xb1\xe4\xc8\xce\xba\xce"
    "\xd6\xb1\xb2\xa5\xbb\xf2\xd7\xf7\xc6\xb7\xb5\xc4\xc8\xcb\xc6\xf8\xa1\xa2\xb7\xdb\xcb\xbf\xa1\xa2\xc6\xc0"
    "\xc2\xdb\xb5\xc8\xca\xfd\xbe\xdd\xa1\xa3"
    "\n"
    // 您在此填写的内容不会被读取，也不会被发送到任何地方。
    "\xc4\xfa\xd4\xda\xb4\xcb\xcc\xee\xd0\xb4\xb5\xc4\xc4\xda\xc8\xdd\xb2\xbb\xbb\xe1\xb1\xbb\xb6\xc1\xc8\xa1"
    "\xa3\xac\xd2\xb2\xb2\xbb\xbb\xe1\xb1\xbb\xb7\xa2\xcb\xcd\xb5\xbd\xc8\xce\xba\xce\xb5\xd8\xb7\xbd\xa1"
    "\xa3");

void onLoginClicked() {
    app::ShowNotice(OptionsWindowRef, Title, LoginNotice);
}

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
    s.background_picture = Picture{};
    s.picture_mode = 3;
    s.icon = Picture{assets::QuorvaneIco};
    s.esc_closes = true;
    s.enter_moves_focus = false;
    s.f1_opens_help = false;
    s.help_context = 0;
    s.show_in_taskbar = true;
    s.drag_anywhere = false;
    s.shape = 0;
    s.always_on_top = false;
    s.keep_title_active = false;
    s.music_play_count = 0;
    return s;
}

EditBoxSettings editBox() {
    EditBoxSettings s;
    s.border = 1;
    s.text_colour = Black;
    s.background_colour = White;
    s.hide_selection = true;
    s.max_length = 0;
    s.multi_line = false;
    s.alignment = 0;
    s.input_mode = 0;
    s.password_char = '*';
    s.case_conversion = 0;
    s.spin_mode = 0;
    return s;
}

CheckBoxSettings checkBox(GbkText text) {
    CheckBoxSettings s;
    s.text = std::move(text);
    s.text_on_left = false;
    s.h_align = 0;
    s.v_align = 1;
    s.word_wrap = true;
    s.text_colour = Black;
    s.background_colour = SystemDefault;
    s.push_like = false;
    s.flat = false;
    s.checked = false;
    return s;
}

RadioBoxSettings radioBox(GbkText text) {
    return RadioBoxSettings{checkBox(std::move(text))};
}

GroupBoxSettings groupBox() {
    GroupBoxSettings s;
    s.alignment = 0;
    s.text_colour = Black;
    s.background_colour = SystemDefault;
    return s;
}

LabelSettings label(GbkText text) {
    LabelSettings s;
    s.text = std::move(text);
    s.text_colour = Black;
    s.background_colour = SystemDefault;
    s.h_align = 0;
    s.v_align = 1;
    s.word_wrap = false;
    s.effect = 0;
    s.border = 0;
    return s;
}

ButtonSettings loginButtonSettings() {
    ButtonSettings s;
    s.text = gbk("\xb5\xe3\xbb\xf7\xb5\xc7\xc2\xbc"); // 点击登录
    s.button_type = 0;
    s.font = fontRecord({.height = -20, .weight = 700, .char_set = 134});
    s.word_wrap = true;
    return s;
}

constexpr UnitId GroupAudience = 0x160100a4; // 分组框1
constexpr UnitId GroupAccount = 0x160100a9;  // 分组框2
constexpr UnitId GroupEffects = 0x160100ab;  // 分组框3
constexpr UnitId GroupLink = 0x160100b1;     // 分组框4

} // namespace

// clang-format off
const WindowDescription OptionsWindow{
    .id = OptionsWindowRef.window,
    .units = {
        {.kind = Kind::Window, .id = OptionsWindowRef.unit,
         .left = 50, .top = 50, .width = 406, .height = 420, .visible = true,
         .bindings = {{event::Created, onCreated}},
         .settings = windowSettings()},
        {.kind = Kind::CheckBox, .id = 0x160100c2, .name = "选择框6",
         .left = 10, .top = 11, .width = 96, .height = 24, .parent = GroupLink,
         .visible = true, .tab_stop = true,
         .settings = checkBox(gbk("\xb5\xa5\xd7\xf7\xc6\xb7\xc1\xb4\xbd\xd3"))}, // 单作品链接
        {.kind = Kind::RadioBox, .id = 0x160100b5, .name = "单选框4",
         .left = 33, .top = 78, .width = 80, .height = 24, .parent = GroupAudience,
         .visible = true, .tab_stop = true,
         .settings = radioBox(gbk(" 1 0 0 \xc8\xcb"))}, //  1 0 0 人
        {.kind = Kind::RadioBox, .id = 0x160100b4, .name = "单选框3",
         .left = 33, .top = 134, .width = 80, .height = 24, .parent = GroupAudience,
         .visible = true, .tab_stop = true,
         .bindings = {{event::Clicked, onRadioClicked}},
         .settings = radioBox(gbk(" 5 0 0 \xc8\xcb"))}, //  5 0 0 人
        {.kind = Kind::RadioBox, .id = 0x160100b3, .name = "单选框2",
         .left = 33, .top = 106, .width = 80, .height = 24, .parent = GroupAudience,
         .visible = true, .tab_stop = true,
         .settings = radioBox(gbk(" 2 0 0 \xc8\xcb"))}, //  2 0 0 人
        {.kind = Kind::RadioBox, .id = 0x160100b2, .name = "单选框1",
         .left = 33, .top = 50, .width = 80, .height = 24, .parent = GroupAudience,
         .visible = true, .tab_stop = true,
         .settings = radioBox(gbk(" 5 0 \xc8\xcb"))}, //  5 0 人
        {.kind = Kind::EditBox, .id = 0x160100b0, .name = "编辑框2",
         .left = 136, .top = 96, .width = 232, .height = 20, .visible = true, .tab_stop = true,
         .settings = editBox()},
        {.kind = Kind::CheckBox, .id = 0x160100ae, .name = "选择框5",
         .left = 31, .top = 145, .width = 80, .height = 24, .parent = GroupEffects,
         .visible = true, .tab_stop = true,
         .settings = checkBox(gbk(" + \xc6\xc0\xc2\xdb"))}, //  + 评论
        {.kind = Kind::CheckBox, .id = 0x160100ad, .name = "选择框4",
         .left = 31, .top = 104, .width = 80, .height = 24, .parent = GroupEffects,
         .visible = true, .tab_stop = true,
         .settings = checkBox(gbk(" + \xb7\xdb\xcb\xbf"))}, //  + 粉丝
        {.kind = Kind::CheckBox, .id = 0x160100ac, .name = "选择框3",
         .left = 31, .top = 70, .width = 80, .height = 24, .parent = GroupEffects,
         .visible = true, .tab_stop = true,
         .settings = checkBox(gbk(" + \xcb\xab\xbb\xf7"))}, //  + 双击
        {.kind = Kind::Label, .id = 0x160100aa, .name = "标签5",
         .left = 64, .top = 40, .width = 256, .height = 24, .parent = GroupAccount,
         .visible = true,
         // 输入快手ID号码.以下操作为所有作品
         .settings = label(gbk("\xca\xe4\xc8\xeb\xbf\xec\xca\xd6ID\xba\xc5\xc2\xeb.\xd2\xd4\xcf\xc2\xb2\xd9"
                               "\xd7\xf7\xce\xaa\xcb\xf9\xd3\xd0\xd7\xf7\xc6\xb7"))},
        {.kind = Kind::RadioBox, .id = 0x160100a6, .name = "单选框6",
         .left = 33, .top = 191, .width = 129, .height = 24, .parent = GroupAudience,
         .visible = true, .tab_stop = true,
         .bindings = {{event::Clicked, onRadioClicked}},
         .settings = radioBox(gbk(" 2 0 0 0 \xc8\xcb"))}, //  2 0 0 0 人
        {.kind = Kind::RadioBox, .id = 0x160100a5, .name = "单选框5",
         .left = 33, .top = 163, .width = 119, .height = 24, .parent = GroupAudience,
         .visible = true, .tab_stop = true,
         .settings = radioBox(gbk(" 1 0 0 0 \xc8\xcb"))}, //  1 0 0 0 人
        {.kind = Kind::CheckBox, .id = 0x16010096, .name = "选择框2",
         .left = 239, .top = 155, .width = 80, .height = 24, .visible = true, .tab_stop = true,
         .bindings = {{event::Clicked, onCheckClicked}},
         .settings = checkBox(gbk("\xcb\xf9\xd3\xd0\xd7\xf7\xc6\xb7"))}, // 所有作品
        {.kind = Kind::CheckBox, .id = 0x16010095, .name = "选择框1",
         .left = 32, .top = 136, .width = 136, .height = 24, .visible = true, .tab_stop = true,
         .bindings = {{event::Clicked, onCheckClicked}},
         // 直播人气.挂机人数
         .settings = checkBox(gbk("\xd6\xb1\xb2\xa5\xc8\xcb\xc6\xf8.\xb9\xd2\xbb\xfa\xc8\xcb\xca\xfd"))},
        {.kind = Kind::Label, .id = 0x1601008e, .name = "标签3",
         .left = 43, .top = 25, .width = 63, .height = 24, .visible = true,
         .bindings = {{event::Feedback, onIdLabelFeedback}},
         .settings = label(gbk("\xbf\xec\xca\xd6ID\xba\xc5\xc2\xeb"))}, // 快手ID号码
        {.kind = Kind::EditBox, .id = 0x1601008b, .name = "编辑框1",
         .left = 112, .top = 25, .width = 104, .height = 20, .visible = true, .tab_stop = true,
         .settings = editBox()},
        {.kind = Kind::Button, .id = 0x1601002f, .name = "按钮2",
         .left = 236, .top = 328, .width = 108, .height = 32, .visible = true, .tab_stop = true,
         .bindings = {{event::Clicked, onLoginClicked}},
         .settings = loginButtonSettings()},
        {.kind = Kind::GroupBox, .id = GroupAudience, .name = "分组框1",
         .left = 22, .top = 126, .width = 171, .height = 248,
         .children = {0x160100b5, 0x160100b4, 0x160100b3, 0x160100b2, 0x160100a6, 0x160100a5},
         .visible = true,
         .settings = groupBox()},
        {.kind = Kind::GroupBox, .id = GroupAccount, .name = "分组框2",
         .left = 22, .top = 8, .width = 360, .height = 72,
         .children = {0x160100aa},
         .visible = true,
         .settings = groupBox()},
        {.kind = Kind::GroupBox, .id = GroupEffects, .name = "分组框3",
         .left = 214, .top = 126, .width = 168, .height = 184,
         .children = {0x160100ae, 0x160100ad, 0x160100ac},
         .visible = true,
         .settings = groupBox()},
        {.kind = Kind::GroupBox, .id = GroupLink, .name = "分组框4",
         .left = 22, .top = 83, .width = 360, .height = 40,
         .children = {0x160100c2},
         .visible = true,
         .settings = groupBox()},
    },
};
// clang-format on

} // namespace forms
