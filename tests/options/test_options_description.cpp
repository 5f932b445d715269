// The options window's description as stored: every unit with its identifier, kind, container, place,
// size, flags and text, the containers' children lists, the window's settings, the effective settings
// of each kind, the login button's font record and the event bindings.
#include "app/shell.h"
#include "forms/options_window.h"
#include "forms/registry.h"
#include "forms/rules.h"
#include "quorvane_artwork.h"

#include <QStringEncoder>
#include <QTest>

namespace {

using forms::Kind;

struct Row {
    const char* name;
    Kind kind;
    forms::UnitId id;
    const char* parent; // empty: the window
    int left, top, width, height;
    bool tabStop;
    const char* text;
};

// The form's controls in list order, transcribed independently of the program's description.
const Row Rows[] = {
    {"选择框6", Kind::CheckBox, 0x160100c2, "分组框4", 10, 11, 96, 24, true, "单作品链接"},
    {"单选框4", Kind::RadioBox, 0x160100b5, "分组框1", 33, 78, 80, 24, true, " 1 0 0 人"},
    {"单选框3", Kind::RadioBox, 0x160100b4, "分组框1", 33, 134, 80, 24, true, " 5 0 0 人"},
    {"单选框2", Kind::RadioBox, 0x160100b3, "分组框1", 33, 106, 80, 24, true, " 2 0 0 人"},
    {"单选框1", Kind::RadioBox, 0x160100b2, "分组框1", 33, 50, 80, 24, true, " 5 0 人"},
    {"编辑框2", Kind::EditBox, 0x160100b0, "", 136, 96, 232, 20, true, ""},
    {"选择框5", Kind::CheckBox, 0x160100ae, "分组框3", 31, 145, 80, 24, true, " + 评论"},
    {"选择框4", Kind::CheckBox, 0x160100ad, "分组框3", 31, 104, 80, 24, true, " + 粉丝"},
    {"选择框3", Kind::CheckBox, 0x160100ac, "分组框3", 31, 70, 80, 24, true, " + 双击"},
    {"标签5", Kind::Label, 0x160100aa, "分组框2", 64, 40, 256, 24, false,
     "输入快手ID号码.以下操作为所有作品"},
    {"单选框6", Kind::RadioBox, 0x160100a6, "分组框1", 33, 191, 129, 24, true, " 2 0 0 0 人"},
    {"单选框5", Kind::RadioBox, 0x160100a5, "分组框1", 33, 163, 119, 24, true, " 1 0 0 0 人"},
    {"选择框2", Kind::CheckBox, 0x16010096, "", 239, 155, 80, 24, true, "所有作品"},
    {"选择框1", Kind::CheckBox, 0x16010095, "", 32, 136, 136, 24, true, "直播人气.挂机人数"},
    {"标签3", Kind::Label, 0x1601008e, "", 43, 25, 63, 24, false, "快手ID号码"},
    {"编辑框1", Kind::EditBox, 0x1601008b, "", 112, 25, 104, 20, true, ""},
    {"按钮2", Kind::Button, 0x1601002f, "", 236, 328, 108, 32, true, "点击登录"},
    {"分组框1", Kind::GroupBox, 0x160100a4, "", 22, 126, 171, 248, false, ""},
    {"分组框2", Kind::GroupBox, 0x160100a9, "", 22, 8, 360, 72, false, ""},
    {"分组框3", Kind::GroupBox, 0x160100ab, "", 214, 126, 168, 184, false, ""},
    {"分组框4", Kind::GroupBox, 0x160100b1, "", 22, 83, 360, 40, false, ""},
};

QByteArray gbkOf(const char* utf8) {
    QStringEncoder encoder("GBK");
    return encoder.encode(QString::fromUtf8(utf8));
}

QByteArray bytesOf(const forms::GbkText& text) {
    return QByteArray::fromStdString(text.bytes);
}

const forms::UnitDescription& unitNamed(const char* name) {
    return forms::OptionsWindow.units[*forms::OptionsWindow.indexOf(std::string_view(name))];
}

std::vector<forms::UnitId> idsOf(std::initializer_list<const char*> names) {
    std::vector<forms::UnitId> ids;
    for (const char* name : names)
        ids.push_back(unitNamed(name).id);
    return ids;
}

template <class S> void checkTextAndFontOfKind(const forms::UnitDescription& unit, const Row& row) {
    const S* s = forms::settingsOf<S>(unit);
    QVERIFY2(s != nullptr, row.name);
    QCOMPARE(bytesOf(s->text), gbkOf(row.text));
    if (unit.kind != Kind::Button)
        QVERIFY2(s->font.empty(), row.name);
}

} // namespace

class OptionsDescriptionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void theProgramRegistersIt();
    void windowUnitAndSettings();
    void controls_data();
    void controls();
    void containersListTheirChildrenInStoredOrder();
    void editBoxSettings();
    void checkAndRadioSettings();
    void groupBoxAndLabelSettings();
    void loginButtonFontRecord();
    void bindings();
};

void OptionsDescriptionTest::initTestCase() {
    QVERIFY(QStringEncoder("GBK").isValid());
}

void OptionsDescriptionTest::theProgramRegistersIt() {
    const auto windows = app::programWindows();
    QVERIFY(std::find(windows.begin(), windows.end(), &forms::OptionsWindow) != windows.end());
    forms::DescriptionError error;
    const auto registry = forms::Registry::build(windows, &error);
    QVERIFY2(registry.has_value(), error.message.c_str());
    QCOMPARE(registry->find(0x52010008), &forms::OptionsWindow);
    QCOMPARE(forms::OptionsWindow.ref(), (forms::WindowRef{0x52010008, 0x06010007}));
    QCOMPARE(forms::OptionsWindowRef, (forms::WindowRef{0x52010008, 0x06010007}));
}

void OptionsDescriptionTest::windowUnitAndSettings() {
    const forms::UnitDescription& own = forms::OptionsWindow.window();
    QCOMPARE(forms::OptionsWindow.units.size(), std::size_t(22));
    QCOMPARE(own.kind, Kind::Window);
    QCOMPARE(own.id, forms::UnitId(0x06010007));
    QVERIFY(own.name.empty());
    QCOMPARE(QRect(own.left, own.top, own.width, own.height), QRect(50, 50, 406, 420));
    QVERIFY(own.visible);
    QVERIFY(!own.parent);

    const forms::WindowSettings& s = forms::OptionsWindow.windowSettings();
    QCOMPARE(bytesOf(s.title), QByteArray("Quorvane"));
    QCOMPARE(s.border_style, 2);
    QVERIFY(s.control_button);
    QVERIFY(s.minimize_button);
    QVERIFY(!s.maximize_button);
    QCOMPARE(s.start_position, 1);
    QVERIFY(s.movable);
    QCOMPARE(s.icon.bytes.size(), std::size_t(4286));
    QCOMPARE(s.icon.bytes.data(), assets::QuorvaneIco.data());
    QCOMPARE(s.background_colour, forms::SystemDefault);
    QVERIFY(s.background_picture.empty());
    QCOMPARE(s.picture_mode, 3);
    QVERIFY(s.esc_closes);
    QVERIFY(!s.enter_moves_focus);
    QVERIFY(!s.f1_opens_help);
    QVERIFY(s.help_file.empty());
    QCOMPARE(s.help_context, 0);
    QVERIFY(s.show_in_taskbar);
    QVERIFY(!s.drag_anywhere);
    QCOMPARE(s.shape, 0);
    QVERIFY(!s.always_on_top);
    QVERIFY(!s.keep_title_active);
    QVERIFY(s.window_class_name.empty());
    QVERIFY(s.music.empty());
    QCOMPARE(s.music_play_count, 0);
}

void OptionsDescriptionTest::controls_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(Rows)); ++i)
        QTest::newRow(Rows[i].name) << i;
}

void OptionsDescriptionTest::controls() {
    QFETCH(int, index);
    const Row& row = Rows[index];
    const forms::UnitDescription& unit = forms::OptionsWindow.units[std::size_t(index) + 1];
    QCOMPARE(QString::fromStdString(unit.name), QString::fromUtf8(row.name));
    QCOMPARE(unit.kind, row.kind);
    QCOMPARE(unit.id, row.id);
    if (*row.parent == '\0')
        QVERIFY(!unit.parent);
    else
        QCOMPARE(unit.parent, std::optional<forms::UnitId>(unitNamed(row.parent).id));
    QCOMPARE(QRect(unit.left, unit.top, unit.width, unit.height),
             QRect(row.left, row.top, row.width, row.height));
    QVERIFY(unit.visible);
    QVERIFY(!unit.disabled);
    QCOMPARE(unit.tab_stop, row.tabStop);
    QCOMPARE(unit.tab_order, 0);
    QVERIFY(unit.comment.empty());
    QVERIFY(unit.tag.empty());
    QVERIFY(unit.mouse_pointer.empty());
    if (unit.kind != Kind::GroupBox)
        QVERIFY(unit.children.empty());
    switch (unit.kind) {
    case Kind::EditBox: checkTextAndFontOfKind<forms::EditBoxSettings>(unit, row); break;
    case Kind::CheckBox: checkTextAndFontOfKind<forms::CheckBoxSettings>(unit, row); break;
    case Kind::RadioBox: checkTextAndFontOfKind<forms::RadioBoxSettings>(unit, row); break;
    case Kind::Label: checkTextAndFontOfKind<forms::LabelSettings>(unit, row); break;
    case Kind::Button: checkTextAndFontOfKind<forms::ButtonSettings>(unit, row); break;
    case Kind::GroupBox: checkTextAndFontOfKind<forms::GroupBoxSettings>(unit, row); break;
    default: QFAIL("a kind the form does not use");
    }
}

void OptionsDescriptionTest::containersListTheirChildrenInStoredOrder() {
    QCOMPARE(unitNamed("分组框1").children,
             idsOf({"单选框4", "单选框3", "单选框2", "单选框1", "单选框6", "单选框5"}));
    QCOMPARE(unitNamed("分组框2").children, idsOf({"标签5"}));
    QCOMPARE(unitNamed("分组框3").children, idsOf({"选择框5", "选择框4", "选择框3"}));
    QCOMPARE(unitNamed("分组框4").children, idsOf({"选择框6"}));
}

void OptionsDescriptionTest::editBoxSettings() {
    for (const char* name : {"编辑框1", "编辑框2"}) {
        const auto* s = forms::settingsOf<forms::EditBoxSettings>(unitNamed(name));
        QVERIFY(s);
        QCOMPARE(s->border, 1);
        QCOMPARE(s->text_colour, forms::Black);
        QCOMPARE(s->background_colour, forms::White);
        QVERIFY(s->hide_selection);
        QCOMPARE(s->max_length, 0);
        QVERIFY(!s->multi_line);
        QCOMPARE(s->alignment, 0);
        QCOMPARE(s->input_mode, 0);
        QCOMPARE(s->password_char, '*');
        QCOMPARE(s->case_conversion, 0);
        QCOMPARE(s->spin_mode, 0);
    }
}

void OptionsDescriptionTest::checkAndRadioSettings() {
    for (const forms::UnitDescription& unit : forms::OptionsWindow.units) {
        const forms::CheckBoxSettings* s = nullptr;
        if (unit.kind == Kind::CheckBox)
            s = forms::settingsOf<forms::CheckBoxSettings>(unit);
        else if (unit.kind == Kind::RadioBox)
            s = forms::settingsOf<forms::RadioBoxSettings>(unit);
        else
            continue;
        QVERIFY2(s, unit.name.c_str());
        QVERIFY(!s->text_on_left);
        QCOMPARE(s->h_align, 0);
        QCOMPARE(s->v_align, 1);
        QVERIFY(s->word_wrap);
        QCOMPARE(s->text_colour, forms::Black);
        QCOMPARE(s->background_colour, forms::SystemDefault);
        QVERIFY(s->picture.empty());
        QVERIFY(!s->push_like);
        QVERIFY(!s->flat);
        QVERIFY(!s->checked);
    }
}

void OptionsDescriptionTest::groupBoxAndLabelSettings() {
    for (const char* name : {"分组框1", "分组框2", "分组框3", "分组框4"}) {
        const auto* s = forms::settingsOf<forms::GroupBoxSettings>(unitNamed(name));
        QVERIFY(s);
        QCOMPARE(s->alignment, 0);
        QCOMPARE(s->text_colour, forms::Black);
        QCOMPARE(s->background_colour, forms::SystemDefault);
    }
    for (const char* name : {"标签3", "标签5"}) {
        const auto* s = forms::settingsOf<forms::LabelSettings>(unitNamed(name));
        QVERIFY(s);
        QCOMPARE(s->text_colour, forms::Black);
        QCOMPARE(s->background_colour, forms::SystemDefault);
        QCOMPARE(s->h_align, 0);
        QCOMPARE(s->v_align, 1);
        QVERIFY(!s->word_wrap);
        QCOMPARE(s->effect, 0);
        QCOMPARE(s->border, 0);
        QVERIFY(s->picture.empty());
    }
}

void OptionsDescriptionTest::loginButtonFontRecord() {
    const auto* s = forms::settingsOf<forms::ButtonSettings>(unitNamed("按钮2"));
    QVERIFY(s);
    QCOMPARE(s->button_type, 0);
    QVERIFY(s->word_wrap);
    QVERIFY(s->picture.empty());
    QVERIFY(!forms::isDefaultButton(unitNamed("按钮2")));
    QCOMPARE(s->font.bytes.size(), forms::LogFontRecordSize);
    const auto font = forms::parseFontRecord(s->font);
    QVERIFY(font.has_value());
    QCOMPARE(font->height, -20);
    QCOMPARE(font->width, 0);
    QCOMPARE(font->escapement, 0);
    QCOMPARE(font->orientation, 0);
    QCOMPARE(font->weight, 700);
    QCOMPARE(font->italic, 0);
    QCOMPARE(font->underline, 0);
    QCOMPARE(font->strike_out, 0);
    QCOMPARE(font->char_set, 134);
    QCOMPARE(font->out_precision, 0);
    QCOMPARE(font->clip_precision, 0);
    QCOMPARE(font->quality, 0);
    QCOMPARE(font->pitch_and_family, 0);
    QCOMPARE(font->face_name[0], '\0');
    // The stored character set is not the one the font is made with.
    const auto made = forms::systemFont(s->font);
    QVERIFY(made.has_value());
    QCOMPARE(made->char_set, forms::font_fields::DefaultCharSet);
    QCOMPARE(made->height, -20);
    QCOMPARE(made->weight, 700);
}

void OptionsDescriptionTest::bindings() {
    // unit name (empty: the window) -> the event numbers it binds, with the handler's argument count.
    const QMap<QString, QList<QPair<int, int>>> expected{
        {"", {{forms::event::Created, 0}}},        {"单选框3", {{forms::event::Clicked, 0}}},
        {"单选框6", {{forms::event::Clicked, 0}}}, {"选择框2", {{forms::event::Clicked, 0}}},
        {"选择框1", {{forms::event::Clicked, 0}}}, {"标签3", {{forms::event::Feedback, 2}}},
        {"按钮2", {{forms::event::Clicked, 0}}},
    };
    QMap<QString, QList<QPair<int, int>>> actual;
    for (const forms::UnitDescription& unit : forms::OptionsWindow.units)
        for (const forms::EventBinding& binding : unit.bindings)
            actual[QString::fromStdString(unit.name)].append(
                {binding.event, int(forms::arityOf(binding.handler))});
    QCOMPARE(actual, expected);
}

QTEST_GUILESS_MAIN(OptionsDescriptionTest)
#include "test_options_description.moc"
