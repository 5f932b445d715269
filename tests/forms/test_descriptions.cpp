// The program's own descriptions: that they are readable, what they hold, and that every kind of fault
// in a broken copy of them makes the whole set unreadable, naming the unit at fault.
#include "app/shell.h"
#include "forms/registry.h"
#include "forms/rules.h"
#include "forms/start_window.h"
#include "quorvane_artwork.h"
#include "toolkit/qt/text.h"

#include <QTest>

using Windows = std::vector<forms::WindowDescription>;
using Break = void (*)(Windows&);
Q_DECLARE_METATYPE(Break)

namespace {

constexpr forms::UnitId Heading = 0x16010029;
constexpr forms::UnitId StartButton = 0x16010024;
constexpr forms::UnitId Ring = 0x16010088;
constexpr forms::UnitId Group = 0x16010100;

void noArguments() {}
void twoArguments(std::int32_t, std::int32_t) {}
void threeArguments(std::int32_t, std::int32_t, std::int32_t) {}

forms::UnitDescription& unit(Windows& windows, forms::UnitId id, std::size_t window = 0) {
    return windows[window].units[*windows[window].indexOf(id)];
}

// A second window like the start window, with identifiers of its own.
forms::WindowDescription secondWindow() {
    forms::WindowDescription copy = forms::StartWindow;
    copy.id = 0x52010002;
    copy.units[0].id = 0x06010002;
    for (std::size_t i = 1; i < copy.units.size(); ++i)
        copy.units[i].id += 0x00010000;
    return copy;
}

void addGroupBox(forms::WindowDescription& window, forms::UnitId id) {
    window.units.push_back({.kind = forms::Kind::GroupBox,
                            .id = id,
                            .name = "分组框1",
                            .left = 10,
                            .top = 100,
                            .width = 100,
                            .height = 80,
                            .settings = forms::GroupBoxSettings{}});
}

std::optional<forms::DescriptionError> validate(const Windows& windows) {
    std::vector<const forms::WindowDescription*> pointers;
    for (const auto& window : windows)
        pointers.push_back(&window);
    return forms::validate(pointers);
}

QString decoded(const forms::GbkText& text) {
    return toolkit::qt::decodeGbk(text);
}

} // namespace

class DescriptionsTest : public QObject {
    Q_OBJECT
private slots:
    void programDescriptionsAreReadable();
    void wellFormedVariationsAreReadable_data();
    void wellFormedVariationsAreReadable();
    void brokenCopyIsUnreadable_data();
    void brokenCopyIsUnreadable();
    void brokenCopyBuildsNoRegistry();

    void startWindowUnits_data();
    void startWindowUnits();
    void startWindowSettings();
    void startWindowTextsDecodeFromGbk();
    void startWindowBindings();
};

void DescriptionsTest::programDescriptionsAreReadable() {
    const auto windows = app::programWindows();
    QVERIFY(!windows.empty());
    QCOMPARE(windows.front(), &forms::StartWindow);
    const auto error = forms::validate(windows);
    QVERIFY2(!error, error ? error->message.c_str() : "");
    QVERIFY(forms::Registry::build(windows).has_value());
}

void DescriptionsTest::wellFormedVariationsAreReadable_data() {
    QTest::addColumn<Break>("change");
    QTest::newRow("unchanged") << Break{[](Windows&) {}};
    QTest::newRow("a second window with identifiers of its own")
        << Break{[](Windows& w) { w.push_back(secondWindow()); }};
    QTest::newRow("a GroupBox with children listed in another order") << Break{[](Windows& w) {
        addGroupBox(w[0], Group);
        unit(w, StartButton).parent = Group;
        unit(w, Ring).parent = Group;
        unit(w, Group).children = {Ring, StartButton};
    }};
    QTest::newRow("a second binding of the same event") << Break{[](Windows& w) {
        unit(w, StartButton).bindings.push_back({forms::event::Clicked, noArguments});
    }};
}

void DescriptionsTest::wellFormedVariationsAreReadable() {
    QFETCH(Break, change);
    Windows windows{forms::StartWindow};
    change(windows);
    const auto error = validate(windows);
    QVERIFY2(!error, error ? error->message.c_str() : "");
}

void DescriptionsTest::brokenCopyIsUnreadable_data() {
    QTest::addColumn<Break>("breakIt");
    QTest::addColumn<QStringList>("mentions"); // what the message must name: the unit and the fault

    QTest::newRow("window identifier of a control")
        << Break{[](Windows& w) { w[0].id = 0x16010001; }} << QStringList{"0x16010001"};
    QTest::newRow("window identifier of a window's own unit")
        << Break{[](Windows& w) { w[0].id = 0x06010001; }} << QStringList{"0x06010001"};
    QTest::newRow("own unit with a control identifier")
        << Break{[](Windows& w) { w[0].units[0].id = 0x16010000; }} << QStringList{"0x16010000"};
    QTest::newRow("own unit with a window identifier")
        << Break{[](Windows& w) { w[0].units[0].id = 0x52010000; }} << QStringList{"0x52010000"};
    QTest::newRow("control with an own-unit identifier")
        << Break{[](Windows& w) { unit(w, StartButton).id = 0x06010024; }}
        << QStringList{"0x06010024", "超级按钮1"};
    QTest::newRow("control with a window identifier")
        << Break{[](Windows& w) { unit(w, Heading).id = 0x52010029; }}
        << QStringList{"0x52010029", "透明标签1"};
    QTest::newRow("control with an identifier of no category")
        << Break{[](Windows& w) { unit(w, Ring).id = 0x17010088; }} << QStringList{"0x17010088", "外形框1"};

    QTest::newRow("duplicate control within a window")
        << Break{[](Windows& w) { unit(w, Ring).id = StartButton; }}
        << QStringList{"外形框1", "0x16010024", "duplicate"};
    QTest::newRow("duplicate control across windows") << Break{[](Windows& w) {
        w.push_back(secondWindow());
        unit(w, StartButton + 0x00010000, 1).id = StartButton;
    }} << QStringList{"0x52010002", "超级按钮1", "0x16010024", "duplicate"};
    QTest::newRow("duplicate own unit across windows") << Break{[](Windows& w) {
        w.push_back(secondWindow());
        w[1].units[0].id = forms::StartWindowRef.unit;
    }} << QStringList{"0x52010002", "0x06010000", "duplicate"};
    QTest::newRow("duplicate window identifier") << Break{[](Windows& w) {
        w.push_back(secondWindow());
        w[1].id = forms::StartWindowRef.window;
    }} << QStringList{"0x52010001", "duplicate"};

    QTest::newRow("parent that does not exist")
        << Break{[](Windows& w) { unit(w, StartButton).parent = 0x16019999; }}
        << QStringList{"超级按钮1", "0x16019999", "parent"};
    QTest::newRow("parent that is no GroupBox") << Break{[](Windows& w) {
        unit(w, StartButton).parent = Ring;
        unit(w, Ring).children = {StartButton};
    }} << QStringList{"超级按钮1", "0x16010088", "parent"};
    QTest::newRow("parent that is the window's own unit") << Break{[](Windows& w) {
        unit(w, StartButton).parent = forms::StartWindowRef.unit;
        w[0].units[0].children = {StartButton};
    }} << QStringList{"超级按钮1", "0x06010000", "parent"};
    QTest::newRow("parent that is a GroupBox of another window") << Break{[](Windows& w) {
        w.push_back(secondWindow());
        addGroupBox(w[1], 0x16020100);
        unit(w, StartButton).parent = 0x16020100;
    }} << QStringList{"0x52010001", "超级按钮1", "0x16020100", "parent"};
    QTest::newRow("GroupBox that is its own parent") << Break{[](Windows& w) {
        addGroupBox(w[0], Group);
        unit(w, Group).parent = Group;
        unit(w, Group).children = {Group};
    }} << QStringList{"分组框1", "parent"};

    QTest::newRow("GroupBox that leaves out a child") << Break{[](Windows& w) {
        addGroupBox(w[0], Group);
        unit(w, StartButton).parent = Group;
        unit(w, Ring).parent = Group;
        unit(w, Group).children = {StartButton};
    }} << QStringList{"分组框1", "children"};
    QTest::newRow("GroupBox that lists a unit on the window") << Break{[](Windows& w) {
        addGroupBox(w[0], Group);
        unit(w, Group).children = {StartButton};
    }} << QStringList{"分组框1", "children"};
    QTest::newRow("GroupBox that lists a child twice") << Break{[](Windows& w) {
        addGroupBox(w[0], Group);
        unit(w, StartButton).parent = Group;
        unit(w, Group).children = {StartButton, StartButton};
    }} << QStringList{"分组框1", "children"};
    QTest::newRow("children on a unit that is no container")
        << Break{[](Windows& w) { unit(w, Ring).children = {StartButton}; }}
        << QStringList{"外形框1", "children"};
    QTest::newRow("children on the window's own unit")
        << Break{[](Windows& w) { w[0].units[0].children = {Heading}; }}
        << QStringList{"0x06010000", "children"};

    QTest::newRow("unknown kind") << Break{[](Windows& w) {
        unit(w, Ring).kind = static_cast<forms::Kind>(0x00010099);
    }} << QStringList{"外形框1", "kind"};
    QTest::newRow("kind 0") << Break{[](Windows& w) { unit(w, Heading).kind = static_cast<forms::Kind>(0); }}
                            << QStringList{"透明标签1", "kind"};
    QTest::newRow("a control of kind window") << Break{[](Windows& w) {
        unit(w, Ring).kind = forms::Kind::Window;
        unit(w, Ring).settings = forms::WindowSettings{};
    }} << QStringList{"外形框1", "window"};
    QTest::newRow("own unit of a control kind") << Break{[](Windows& w) {
        w[0].units[0].kind = forms::Kind::Label;
        w[0].units[0].settings = forms::LabelSettings{};
    }} << QStringList{"0x06010000", "window"};

    QTest::newRow("TransLabel with Label settings")
        << Break{[](Windows& w) { unit(w, Heading).settings = forms::LabelSettings{}; }}
        << QStringList{"透明标签1", "settings"};
    QTest::newRow("SuperBtn with Button settings")
        << Break{[](Windows& w) { unit(w, StartButton).settings = forms::ButtonSettings{}; }}
        << QStringList{"超级按钮1", "settings"};
    QTest::newRow("RadioBox with CheckBox settings") << Break{[](Windows& w) {
        unit(w, Ring).kind = forms::Kind::RadioBox;
        unit(w, Ring).settings = forms::CheckBoxSettings{};
    }} << QStringList{"外形框1", "settings"};
    QTest::newRow("window with control settings")
        << Break{[](Windows& w) { w[0].units[0].settings = forms::TransLabelSettings{}; }}
        << QStringList{"0x06010000", "settings"};

    QTest::newRow("ShapeBox binding a main event it lacks") << Break{[](Windows& w) {
        unit(w, Ring).bindings = {{forms::event::Clicked, noArguments}};
    }} << QStringList{"外形框1", "event 0"};
    QTest::newRow("TransLabel binding a main event it lacks") << Break{[](Windows& w) {
        unit(w, Heading).bindings.push_back({0, noArguments});
    }} << QStringList{"透明标签1", "event 0"};
    QTest::newRow("SuperBtn binding an event no kind has") << Break{[](Windows& w) {
        unit(w, StartButton).bindings.push_back({-2, threeArguments});
    }} << QStringList{"超级按钮1", "event -2"};
    QTest::newRow("window binding event 1") << Break{[](Windows& w) {
        w[0].units[0].bindings.push_back({1, noArguments});
    }} << QStringList{"0x06010000", "event 1"};
    QTest::newRow("clicked handler taking three arguments") << Break{[](Windows& w) {
        unit(w, StartButton).bindings = {{forms::event::Clicked, threeArguments}};
    }} << QStringList{"超级按钮1", "event 0"};
    QTest::newRow("left-button handler taking none") << Break{[](Windows& w) {
        unit(w, Heading).bindings = {{forms::event::LeftButtonDown, noArguments}};
    }} << QStringList{"透明标签1", "event -1"};
    QTest::newRow("created handler taking two arguments") << Break{[](Windows& w) {
        w[0].units[0].bindings = {{forms::event::Created, twoArguments}};
    }} << QStringList{"0x06010000", "event 0"};
    QTest::newRow("a later wrong binding behind a right one") << Break{[](Windows& w) {
        unit(w, StartButton).bindings.push_back({forms::event::Clicked, twoArguments});
    }} << QStringList{"超级按钮1", "event 0"};

    QTest::newRow("window without units")
        << Break{[](Windows& w) { w[0].units.clear(); }} << QStringList{"0x52010001"};
}

void DescriptionsTest::brokenCopyIsUnreadable() {
    QFETCH(Break, breakIt);
    QFETCH(QStringList, mentions);
    Windows windows{forms::StartWindow};
    breakIt(windows);
    const auto error = validate(windows);
    QVERIFY2(error.has_value(), "a broken copy passed as readable");
    const QString message = QString::fromStdString(error->message);
    for (const QString& mention : mentions)
        QVERIFY2(message.contains(mention),
                 qPrintable(QString("'%1' does not name '%2'").arg(message, mention)));
}

void DescriptionsTest::brokenCopyBuildsNoRegistry() {
    forms::WindowDescription broken = forms::StartWindow;
    broken.units[3].children = {StartButton};
    const forms::WindowDescription* windows[] = {&broken};
    forms::DescriptionError error;
    QVERIFY(!forms::Registry::build(windows, &error).has_value());
    QVERIFY(QString::fromStdString(error.message).contains("外形框1"));
}

void DescriptionsTest::startWindowUnits_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("kind");
    QTest::addColumn<uint>("id");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("tabStop");
    QTest::newRow("the window") << 0 << "" << 0x00010001u << 0x06010000u << QRect(50, 50, 379, 350) << false;
    QTest::newRow("透明标签1") << 1 << "透明标签1" << 0x00030005u << 0x16010029u << QRect(40, 12, 552, 56)
                               << false;
    QTest::newRow("超级按钮1") << 2 << "超级按钮1" << 0x00040001u << 0x16010024u << QRect(143, 248, 88, 32)
                               << true;
    QTest::newRow("外形框1") << 3 << "外形框1" << 0x00010007u << 0x16010088u << QRect(141, 246, 92, 36)
                             << false;
}

void DescriptionsTest::startWindowUnits() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(uint, kind);
    QFETCH(uint, id);
    QFETCH(QRect, place);
    QFETCH(bool, tabStop);
    QCOMPARE(forms::StartWindow.id, 0x52010001u);
    QCOMPARE(forms::StartWindow.units.size(), std::size_t{4});
    const forms::UnitDescription& u = forms::StartWindow.units[static_cast<std::size_t>(index)];
    QCOMPARE(QString::fromStdString(u.name), name);
    QCOMPARE(static_cast<uint>(u.kind), kind);
    QCOMPARE(u.id, id);
    QCOMPARE(QRect(u.left, u.top, u.width, u.height), place);
    QVERIFY(u.visible);
    QVERIFY(!u.disabled);
    QCOMPARE(u.tab_stop, tabStop);
    QCOMPARE(u.tab_order, 0);
    QVERIFY(!u.parent.has_value());
    QVERIFY(u.children.empty());
}

void DescriptionsTest::startWindowSettings() {
    const forms::WindowDescription& w = forms::StartWindow;
    const auto& window = w.windowSettings();
    QCOMPARE(window.border_style, 2);
    QVERIFY(window.control_button);
    QVERIFY(window.minimize_button);
    QVERIFY(!window.maximize_button);
    QCOMPARE(window.start_position, 1);
    QCOMPARE(window.background_colour, forms::SystemDefault);
    QCOMPARE(window.picture_mode, 3);
    QVERIFY(window.esc_closes);
    QVERIFY(!window.enter_moves_focus);
    QVERIFY(window.show_in_taskbar);
    QVERIFY(window.music.empty());
    QCOMPARE(window.background_picture.bytes.data(), assets::BackgroundJpg.data());
    QCOMPARE(window.icon.bytes.size(), std::size_t{4286});

    const auto& heading = *forms::settingsOf<forms::TransLabelSettings>(w.units[1]);
    const auto headingFont = forms::systemFont(heading.font);
    QVERIFY(headingFont.has_value());
    QCOMPARE(headingFont->height, -48);
    QCOMPARE(headingFont->width, 0);
    QCOMPARE(headingFont->weight, 700);
    QCOMPARE(headingFont->italic + headingFont->underline + headingFont->strike_out, 0);
    QVERIFY(forms::faceName(*headingFont).empty());
    QCOMPARE(heading.text_colour, 0x00FF0000u);
    QCOMPARE(heading.h_align, 0);
    QCOMPARE(heading.v_align, 1);
    QVERIFY(!heading.word_wrap);

    const auto& button = *forms::settingsOf<forms::SuperBtnSettings>(w.units[2]);
    const auto buttonFont = forms::systemFont(button.font);
    QVERIFY(buttonFont.has_value());
    QCOMPARE(buttonFont->height, -19);
    QCOMPARE(buttonFont->weight, 700);
    QCOMPARE(button.button_style, 2);
    QCOMPARE(button.picture_placement, 3);
    QCOMPARE(button.pressed_shift, 1);
    QCOMPARE(button.normal_key_colour, 0x00ECECECu);
    QCOMPARE(button.hover_key_colour, 0x00FFFFFFu);
    QCOMPARE(button.normal_picture.bytes.data(), assets::ButtonPng.data());
    QCOMPARE(button.hover_picture.bytes.data(), assets::BackgroundJpg.data());
    QVERIFY(button.disabled_picture.empty());
    QVERIFY(button.system_colours);
    QVERIFY(button.builtin_sound);
    QVERIFY(!button.toggle);
    QVERIFY(!button.default_button);
    QVERIFY(button.tooltip.empty());

    const auto& ring = *forms::settingsOf<forms::ShapeBoxSettings>(w.units[3]);
    QCOMPARE(ring.background_colour, forms::SystemDefault);
    QCOMPARE(ring.shape, 0);
    QCOMPARE(ring.line_style, 1);
    QCOMPARE(ring.line_width, 2);
    QCOMPARE(ring.line_colour, 0x00FFFFFFu);
    QCOMPARE(ring.fill_colour, forms::SystemDefault);
}

void DescriptionsTest::startWindowTextsDecodeFromGbk() {
    const forms::WindowDescription& w = forms::StartWindow;
    QCOMPARE(decoded(w.windowSettings().title), QString("Quorvane"));
    const auto& heading = *forms::settingsOf<forms::TransLabelSettings>(w.units[1]);
    QCOMPARE(heading.text.bytes.size(), std::size_t{12}); // six double-byte characters
    QCOMPARE(decoded(heading.text), QString("直播人气协议"));
    const auto& button = *forms::settingsOf<forms::SuperBtnSettings>(w.units[2]);
    QCOMPARE(button.text.bytes.size(), std::size_t{8});
    QCOMPARE(decoded(button.text), QString("启动协议"));
    const auto face = forms::faceName(*forms::parseFontRecord(button.font));
    QCOMPARE(face.size(), std::size_t{4});
    QCOMPARE(toolkit::qt::decodeGbk(face), QString("楷体"));
}

void DescriptionsTest::startWindowBindings() {
    const forms::WindowDescription* windows[] = {&forms::StartWindow};
    const auto registry = forms::Registry::build(windows);
    QVERIFY(registry.has_value());
    const auto id = forms::StartWindow.id;
    const forms::Handler* created =
        registry->handlerFor(id, forms::StartWindowRef.unit, forms::event::Created);
    const forms::Handler* press = registry->handlerFor(id, Heading, forms::event::LeftButtonDown);
    const forms::Handler* clicked = registry->handlerFor(id, StartButton, forms::event::Clicked);
    QVERIFY(created && press && clicked);
    QCOMPARE(forms::arityOf(*created), std::size_t{0});
    QCOMPARE(forms::arityOf(*press), std::size_t{3});
    QCOMPARE(forms::arityOf(*clicked), std::size_t{0});
    QVERIFY(registry->handlerFor(id, Heading, forms::event::Clicked) == nullptr);
    QVERIFY(registry->handlerFor(id, StartButton, forms::event::LeftButtonDown) == nullptr);
    QVERIFY(registry->handlerFor(id, Ring, forms::event::LeftButtonDown) == nullptr);
    QVERIFY(registry->handlerFor(id, Ring, 0) == nullptr);
}

QTEST_APPLESS_MAIN(DescriptionsTest)
#include "test_descriptions.moc"
