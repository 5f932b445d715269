// The build, focus, key, font and dispatch rules on small made-up descriptions, without a display.
#include "forms/registry.h"
#include "forms/rules.h"
#include "made_up.h"

#include <QList>
#include <QTest>

using forms::Key;
using forms::KeyAction;
using forms::KeyPress;

namespace {

QList<int> toList(const std::vector<std::size_t>& indices) {
    QList<int> list;
    for (std::size_t i : indices)
        list.append(static_cast<int>(i));
    return list;
}

std::optional<std::size_t> toIndex(int index) {
    return index < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(index));
}

QString describe(const KeyAction& action) {
    switch (action.type) {
    case KeyAction::Type::PassOn: return "PassOn";
    case KeyAction::Type::Swallow: return "Swallow";
    case KeyAction::Type::Close: return "Close";
    case KeyAction::Type::Focus: return QString("Focus %1").arg(action.unit);
    case KeyAction::Type::Click: return QString("Click %1").arg(action.unit);
    case KeyAction::Type::CheckRadio: return QString("CheckRadio %1").arg(action.unit);
    case KeyAction::Type::Select: return QString("Select %1").arg(action.unit);
    }
    return "?";
}

KeyPress press(Key key, const QString& modifiers = {}) {
    return {.key = key,
            .shift = modifiers.contains("shift"),
            .ctrl = modifiers.contains("ctrl"),
            .alt = modifiers.contains("alt")};
}

// A record with every field set to something that is not the default, so that a field the font rule
// drops or overwrites by mistake shows.
forms::LogFont unusualFont() {
    forms::LogFont font{.height = -19,
                        .width = 7,
                        .escapement = 900,
                        .orientation = -450,
                        .weight = 700,
                        .italic = 1,
                        .underline = 1,
                        .strike_out = 1,
                        .char_set = 134,
                        .out_precision = 3,
                        .clip_precision = 2,
                        .quality = 5,
                        .pitch_and_family = 0x31};
    return forms::withFace(font, "\xbf\xac\xcc\xe5"); // 楷体
}

} // namespace

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void creationIsFromLastToFirst();
    void stackingPutsTheLowerListIndexOnTop();

    void focusOrder_data();
    void focusOrder();
    void tabWraps_data();
    void tabWraps();

    void startPosition_data();
    void startPosition();
    void clientSizeIsOuterSizeLessFrame_data();
    void clientSizeIsOuterSizeLessFrame();
    void editBoxGrowsToOneLineButNeverShrinks_data();
    void editBoxGrowsToOneLineButNeverShrinks();

    void fontRuleForcesCharSetPrecisionQualityPitch_data();
    void fontRuleForcesCharSetPrecisionQualityPitch();
    void fontRecordIsTheSystemLayout();
    void fontRecordOfWrongLengthGivesDefault_data();
    void fontRecordOfWrongLengthGivesDefault();

    void escape_data();
    void escape();
    void enter_data();
    void enter();
    void mnemonics_data();
    void mnemonics();
    void radioSets_data();
    void radioSets();
    void radioArrows_data();
    void radioArrows();

    void firstBindingDecides();
    void unitWithoutBindingRaisesToNoEffect();
    void handlerReceivesTheEventArguments();
    void registryFindsByWindowIdentifier();
};

void RulesTest::creationIsFromLastToFirst() {
    const auto window = made_up::window("Button Label EditBox ShapeBox");
    QCOMPARE(toList(forms::creationOrder(window)), (QList<int>{4, 3, 2, 1}));
    QVERIFY(forms::creationOrder(made_up::window("")).empty());
}

void RulesTest::stackingPutsTheLowerListIndexOnTop() {
    const auto window = made_up::window("Button GroupBox RadioBox:0:in=2 Label RadioBox:0:in=2 CheckBox");
    QCOMPARE(toList(forms::stackingOrder(window, std::nullopt)), (QList<int>{1, 2, 4, 6}));
    QCOMPARE(toList(forms::stackingOrder(window, made_up::controlId(2))), (QList<int>{3, 5}));
    QVERIFY(forms::stackingOrder(window, made_up::controlId(1)).empty());
}

void RulesTest::focusOrder_data() {
    QTest::addColumn<QString>("spec");
    QTest::addColumn<QList<int>>("order");

    QTest::newRow("equal tab_order: later in the list first")
        << "Button Button Button" << QList<int>{3, 2, 1};
    QTest::newRow("ascending tab_order") << "Button:2 Button:0 Button:1" << QList<int>{2, 3, 1};
    QTest::newRow("ties broken within each tab_order")
        << "Button:1 EditBox:0 CheckBox:1 RadioBox:0" << QList<int>{4, 2, 3, 1};
    QTest::newRow("negative tab_order first") << "Button:0 Button:-5 Button:3" << QList<int>{2, 1, 3};
    QTest::newRow("every focusable kind")
        << "EditBox Button CheckBox RadioBox SuperBtn" << QList<int>{5, 4, 3, 2, 1};
    QTest::newRow("hidden, disabled, no Tab stop left out")
        << "Button:0:hidden Button:0:disabled Button:0:notab Button:9" << QList<int>{4};
    QTest::newRow("kinds that cannot take the focus left out")
        << "Label ShapeBox GroupBox TransLabel SuperBtn:1" << QList<int>{5};
    QTest::newRow("no candidate") << "Label Button:0:notab" << QList<int>{};
}

void RulesTest::focusOrder() {
    QFETCH(QString, spec);
    QFETCH(QList<int>, order);
    const auto window = made_up::window(spec);
    QCOMPARE(toList(forms::focusOrder(window)), order);
    const auto first = forms::initialFocus(window);
    QCOMPARE(first.has_value(), !order.isEmpty());
    if (first)
        QCOMPARE(static_cast<int>(*first), order.front());
}

void RulesTest::tabWraps_data() {
    QTest::addColumn<QString>("spec");
    QTest::addColumn<int>("from"); // list index, -1 for no focused control
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QString>("action");

    // The cycle here is 3, 2, 1 (equal tab_order).
    const QString three = "Button Button Button";
    QTest::newRow("Tab to the next") << three << 3 << false << "Focus 2";
    QTest::newRow("Tab wraps past the last") << three << 1 << false << "Focus 3";
    QTest::newRow("Shift+Tab to the previous") << three << 1 << true << "Focus 2";
    QTest::newRow("Shift+Tab wraps past the first") << three << 3 << true << "Focus 1";
    QTest::newRow("Tab with nothing focused: first") << three << -1 << false << "Focus 3";
    QTest::newRow("Shift+Tab with nothing focused: last") << three << -1 << true << "Focus 1";
    QTest::newRow("Tab skips units that are no candidates")
        << "Button Label Button:0:disabled Button" << 4 << false << "Focus 1";
    QTest::newRow("Tab from a non-candidate: first") << "Button Label Button" << 2 << false << "Focus 3";
    QTest::newRow("one candidate: Tab stays") << "Label SuperBtn ShapeBox" << 2 << false << "Focus 2";
    QTest::newRow("one candidate: Shift+Tab stays") << "Label SuperBtn ShapeBox" << 2 << true << "Focus 2";
    QTest::newRow("no candidate: Tab does nothing") << "Label ShapeBox" << -1 << false << "Swallow";
}

void RulesTest::tabWraps() {
    QFETCH(QString, spec);
    QFETCH(int, from);
    QFETCH(bool, shift);
    QFETCH(QString, action);
    const auto window = made_up::window(spec);
    QCOMPARE(describe(forms::decideKey(window, toIndex(from), press(Key::Tab, shift ? "shift" : ""))),
             action);
}

void RulesTest::startPosition_data() {
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    QTest::newRow("1024x768") << 1024 << 768 << 379 << 350 << 322 << 209;
    QTest::newRow("odd screen 1023x767") << 1023 << 767 << 379 << 350 << 322 << 208;
    QTest::newRow("odd screen 1025x769") << 1025 << 769 << 379 << 350 << 323 << 209;
    QTest::newRow("odd window, even screen") << 800 << 600 << 406 << 421 << 197 << 89;
    QTest::newRow("exactly the screen") << 379 << 350 << 379 << 350 << 0 << 0;
    // Integer division truncates towards zero, as the system's own arithmetic does.
    QTest::newRow("window larger than the screen") << 300 << 201 << 379 << 350 << -39 << -74;
}

void RulesTest::startPosition() {
    QFETCH(int, screenWidth);
    QFETCH(int, screenHeight);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, left);
    QFETCH(int, top);
    auto window = made_up::window("Button");
    window.units[0].left = 50;
    window.units[0].top = 50;
    window.units[0].width = width;
    window.units[0].height = height;
    QCOMPARE(forms::startPosition(window, {screenWidth, screenHeight}), (forms::Point{left, top}));

    std::get<forms::WindowSettings>(window.units[0].settings).start_position = 0;
    QCOMPARE(forms::startPosition(window, {screenWidth, screenHeight}), (forms::Point{50, 50}));
}

void RulesTest::clientSizeIsOuterSizeLessFrame_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    const auto classic = forms::ClassicFixedFrame;
    // 3 px on every side and a 19 px caption.
    QTest::newRow("classic fixed frame")
        << classic.left << classic.top << classic.right << classic.bottom << 373 << 325;
    QTest::newRow("openbox frame 1, 20, 1, 1") << 1 << 20 << 1 << 1 << 377 << 329;
    QTest::newRow("no frame") << 0 << 0 << 0 << 0 << 379 << 350;
}

void RulesTest::clientSizeIsOuterSizeLessFrame() {
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, right);
    QFETCH(int, bottom);
    QFETCH(int, width);
    QFETCH(int, height);
    auto window = made_up::window("");
    window.units[0].width = 379;
    window.units[0].height = 350;
    QCOMPARE(forms::clientSize(window, {left, top, right, bottom}), (forms::Size{width, height}));
}

void RulesTest::editBoxGrowsToOneLineButNeverShrinks_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("too low grows") << 10 << 20;
    QTest::newRow("exactly one line") << 20 << 20;
    QTest::newRow("taller stays") << 33 << 33;
}

void RulesTest::editBoxGrowsToOneLineButNeverShrinks() {
    QFETCH(int, stored);
    QFETCH(int, expected);
    QCOMPARE(forms::editBoxHeight(stored, 16, 2), expected);
}

void RulesTest::fontRuleForcesCharSetPrecisionQualityPitch_data() {
    QTest::addColumn<int>("charSet");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("quality");
    QTest::addColumn<int>("pitch");
    QTest::newRow("GB2312, odd precisions") << 134 << 3 << 5 << 0x31;
    QTest::newRow("all zero") << 0 << 0 << 0 << 0;
    QTest::newRow("all 255") << 255 << 255 << 255 << 255;
    QTest::newRow("already the defaults") << 1 << 0 << 2 << 0;
}

void RulesTest::fontRuleForcesCharSetPrecisionQualityPitch() {
    QFETCH(int, charSet);
    QFETCH(int, precision);
    QFETCH(int, quality);
    QFETCH(int, pitch);
    forms::LogFont stored = unusualFont();
    stored.char_set = static_cast<std::uint8_t>(charSet);
    stored.out_precision = static_cast<std::uint8_t>(precision);
    stored.clip_precision = static_cast<std::uint8_t>(precision);
    stored.quality = static_cast<std::uint8_t>(quality);
    stored.pitch_and_family = static_cast<std::uint8_t>(pitch);

    const std::optional<forms::LogFont> font = forms::systemFont(forms::fontRecord(stored));
    QVERIFY(font.has_value());
    QCOMPARE(font->char_set, forms::font_fields::DefaultCharSet);
    QCOMPARE(font->char_set, std::uint8_t{1});
    QCOMPARE(font->out_precision, std::uint8_t{0});
    QCOMPARE(font->clip_precision, std::uint8_t{0});
    QCOMPARE(font->quality, std::uint8_t{2});
    QCOMPARE(font->pitch_and_family, std::uint8_t{0});

    QCOMPARE(font->height, -19);
    QCOMPARE(font->width, 7);
    QCOMPARE(font->escapement, 900);
    QCOMPARE(font->orientation, -450);
    QCOMPARE(font->weight, 700);
    QCOMPARE(font->italic, std::uint8_t{1});
    QCOMPARE(font->underline, std::uint8_t{1});
    QCOMPARE(font->strike_out, std::uint8_t{1});
    QCOMPARE(QByteArray::fromStdString(forms::faceName(*font)), QByteArray("\xbf\xac\xcc\xe5"));
}

void RulesTest::fontRecordIsTheSystemLayout() {
    const forms::FontRecord record = forms::fontRecord(unusualFont());
    QCOMPARE(record.bytes.size(), forms::LogFontRecordSize);
    QCOMPARE(record.bytes.size(), std::size_t{60});
    const auto byte = [&](std::size_t at) { return static_cast<int>(record.bytes[at]); };
    // height -19, little-endian
    QCOMPARE(byte(0), 0xED);
    QCOMPARE(byte(1), 0xFF);
    QCOMPARE(byte(3), 0xFF);
    QCOMPARE(byte(4), 7);          // width
    QCOMPARE(byte(8), 900 & 0xFF); // escapement
    QCOMPARE(byte(9), 900 >> 8);
    QCOMPARE(byte(16), 700 & 0xFF); // weight
    QCOMPARE(byte(17), 700 >> 8);
    QCOMPARE(byte(20), 1);    // italic
    QCOMPARE(byte(23), 134);  // char set
    QCOMPARE(byte(26), 5);    // quality
    QCOMPARE(byte(27), 0x31); // pitch and family
    QCOMPARE(byte(28), 0xBF); // face name
    QCOMPARE(byte(31), 0xE5);
    QCOMPARE(byte(32), 0);
}

void RulesTest::fontRecordOfWrongLengthGivesDefault_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("59 bytes") << 59;
    QTest::newRow("61 bytes") << 61;
    QTest::newRow("no record") << 0;
    QTest::newRow("the short record of another system (56)") << 56;
}

void RulesTest::fontRecordOfWrongLengthGivesDefault() {
    QFETCH(int, length);
    forms::FontRecord record = forms::fontRecord(unusualFont());
    record.bytes.resize(static_cast<std::size_t>(length), 0);
    QVERIFY(!forms::parseFontRecord(record).has_value());
    QVERIFY(!forms::systemFont(record).has_value());
}

void RulesTest::escape_data() {
    QTest::addColumn<bool>("escCloses");
    QTest::addColumn<QString>("modifiers");
    QTest::addColumn<QString>("action");
    QTest::newRow("esc_closes on: Esc closes") << true << ""
                                               << "Close";
    QTest::newRow("esc_closes on: Shift+Esc closes") << true << "shift"
                                                     << "Close";
    QTest::newRow("esc_closes on: Ctrl+Esc is the system's") << true << "ctrl"
                                                             << "PassOn";
    QTest::newRow("esc_closes on: Alt+Esc is the system's") << true << "alt"
                                                            << "PassOn";
    QTest::newRow("esc_closes off: Esc goes to the control") << false << ""
                                                             << "PassOn";
    QTest::newRow("esc_closes off: Shift+Esc goes to the control") << false << "shift"
                                                                   << "PassOn";
}

void RulesTest::escape() {
    QFETCH(bool, escCloses);
    QFETCH(QString, modifiers);
    QFETCH(QString, action);
    auto window = made_up::window("Button EditBox");
    std::get<forms::WindowSettings>(window.units[0].settings).esc_closes = escCloses;
    for (int focused : {-1, 1, 2})
        QCOMPARE(describe(forms::decideKey(window, toIndex(focused), press(Key::Escape, modifiers))), action);
}

void RulesTest::enter_data() {
    QTest::addColumn<QString>("spec");
    QTest::addColumn<bool>("enterMovesFocus");
    QTest::addColumn<int>("focused");
    QTest::addColumn<QString>("action");

    QTest::newRow("multi-line editable edit box takes Enter")
        << "Button:0:default EditBox:0:multi" << false << 2 << "PassOn";
    QTest::newRow("multi-line edit box takes Enter before enter_moves_focus")
        << "Button EditBox:0:multi" << true << 2 << "PassOn";
    QTest::newRow("read-only multi-line edit box does not")
        << "Button:0:default EditBox:0:multi:readonly" << false << 2 << "Click 1";
    QTest::newRow("single-line edit box does not") << "EditBox Button:0:default" << false << 1 << "Click 2";
    QTest::newRow("focused default Button is clicked")
        << "Button:0:default Button:0:default" << false << 2 << "Click 2";
    QTest::newRow("focused default SuperBtn is clicked")
        << "Button:0:default SuperBtn:0:default" << false << 2 << "Click 2";
    QTest::newRow("focused default button wins over enter_moves_focus")
        << "Button Button:0:default" << true << 2 << "Click 2";
    QTest::newRow("enter_moves_focus acts as Tab") << "Button EditBox Button" << true << 2 << "Focus 1";
    QTest::newRow("enter_moves_focus wraps") << "Button EditBox Button" << true << 1 << "Focus 3";
    QTest::newRow("enter_moves_focus before a default button elsewhere")
        << "Button:0:default EditBox" << true << 2 << "Focus 1";
    QTest::newRow("first default button in list order, not focus order")
        << "EditBox Button:5:default Button:1:default" << false << 1 << "Click 2";
    QTest::newRow("default button clicked with nothing focused")
        << "Label Button:0:default" << false << -1 << "Click 2";
    QTest::newRow("disabled default button skipped")
        << "EditBox Button:0:default:disabled SuperBtn:0:default" << false << 1 << "Click 3";
    QTest::newRow("focused button that is no default: nothing") << "Button Button" << false << 1 << "Swallow";
    QTest::newRow("no default button: nothing") << "EditBox CheckBox RadioBox" << false << 1 << "Swallow";
    QTest::newRow("only a disabled default button: nothing")
        << "EditBox Button:0:default:disabled" << false << 1 << "Swallow";
    QTest::newRow("the start window's shape: nothing")
        << "TransLabel SuperBtn ShapeBox" << false << 2 << "Swallow";
}

void RulesTest::enter() {
    QFETCH(QString, spec);
    QFETCH(bool, enterMovesFocus);
    QFETCH(int, focused);
    QFETCH(QString, action);
    auto window = made_up::window(spec);
    std::get<forms::WindowSettings>(window.units[0].settings).enter_moves_focus = enterMovesFocus;
    QCOMPARE(describe(forms::decideKey(window, toIndex(focused), press(Key::Enter))), action);
}

void RulesTest::mnemonics_data() {
    QTest::addColumn<QByteArrayList>("texts"); // GBK captions of buttons at list index 1, 2, ...
    QTest::addColumn<int>("disabled");         // list index of a disabled button, or -1
    QTest::addColumn<int>("hidden");           // list index of a hidden button, or -1
    QTest::addColumn<char>("character");
    QTest::addColumn<QString>("modifiers");
    QTest::addColumn<QString>("action");

    QTest::newRow("&x selects") << QByteArrayList{"&Open", "E&xit"} << -1 << -1 << 'X' << "alt"
                                << "Select 2";
    QTest::newRow("letters match either case") << QByteArrayList{"&open"} << -1 << -1 << 'O' << "alt"
                                               << "Select 1";
    QTest::newRow("digits") << QByteArrayList{"Item &1", "Item &2"} << -1 << -1 << '2' << "alt"
                            << "Select 2";
    QTest::newRow("&& shows an '&' and is no mnemonic") << QByteArrayList{"a&&x"} << -1 << -1 << 'X' << "alt"
                                                        << "Swallow";
    QTest::newRow("&& then &x") << QByteArrayList{"&&&x"} << -1 << -1 << 'X' << "alt"
                                << "Select 1";
    QTest::newRow("first in list order") << QByteArrayList{"&Go", "&Get"} << -1 << -1 << 'G' << "alt"
                                         << "Select 1";
    QTest::newRow("disabled control skipped") << QByteArrayList{"&Go", "&Get"} << 1 << -1 << 'G' << "alt"
                                              << "Select 2";
    QTest::newRow("hidden control skipped") << QByteArrayList{"&Get", "&Go"} << -1 << 1 << 'G' << "alt"
                                            << "Select 2";
    QTest::newRow("'&' after a double-byte character")
        << QByteArrayList{"\xb0\xa1&x"} << -1 << -1 << 'X' << "alt"
        << "Select 1";
    // 0x81 0x41 is one character whose trail byte reads as 'A': the mnemonic is that character.
    QTest::newRow("'&' before a double-byte character with an ASCII trail byte")
        << QByteArrayList{"&\x81\x41"} << -1 << -1 << 'A' << "alt"
        << "Swallow";
    QTest::newRow("the window's own title is no control")
        << QByteArrayList{"&Open"} << -1 << -1 << 'X' << "alt"
        << "Swallow";
    QTest::newRow("no '&' at all: nothing")
        << QByteArrayList{"\xc6\xf4\xb6\xaf\xd0\xad\xd2\xe9"} << -1 << -1 << 'Q' << "alt"
        << "Swallow";
    QTest::newRow("without Alt the key goes to the control") << QByteArrayList{"&x"} << -1 << -1 << 'X' << ""
                                                             << "PassOn";
    QTest::newRow("Ctrl+Alt is no mnemonic") << QByteArrayList{"&x"} << -1 << -1 << 'X' << "alt ctrl"
                                             << "PassOn";
}

void RulesTest::mnemonics() {
    QFETCH(QByteArrayList, texts);
    QFETCH(int, disabled);
    QFETCH(int, hidden);
    QFETCH(char, character);
    QFETCH(QString, modifiers);
    QFETCH(QString, action);
    auto window = made_up::window("");
    std::get<forms::WindowSettings>(window.units[0].settings).title = forms::gbk("&Xylophone");
    for (const QByteArray& text : texts) {
        const std::size_t index = window.units.size();
        window.units.push_back({.kind = forms::Kind::Button,
                                .id = made_up::controlId(index),
                                .tab_stop = true,
                                .settings = forms::ButtonSettings{.text = forms::gbk(text.toStdString())}});
    }
    if (disabled > 0)
        window.units[static_cast<std::size_t>(disabled)].disabled = true;
    if (hidden > 0)
        window.units[static_cast<std::size_t>(hidden)].visible = false;
    KeyPress key = press(Key::Character, modifiers);
    key.character = character;
    QCOMPARE(describe(forms::decideKey(window, std::nullopt, key)), action);
}

void RulesTest::radioSets_data() {
    QTest::addColumn<int>("radio");
    QTest::addColumn<QList<int>>("set");
    // 1: group A, 2..3 in A, 4..6 on the window, 7: group B, 8 in B, 9: check box in A
    QTest::newRow("in group A, focus order") << 2 << QList<int>{3, 2};
    QTest::newRow("on the window") << 5 << QList<int>{6, 5, 4};
    QTest::newRow("alone in group B") << 8 << QList<int>{8};
    QTest::newRow("a group box is no radio") << 1 << QList<int>{};
    QTest::newRow("a check box is no radio") << 9 << QList<int>{};
}

void RulesTest::radioSets() {
    QFETCH(int, radio);
    QFETCH(QList<int>, set);
    const auto window = made_up::window("GroupBox RadioBox:0:in=1 RadioBox:0:in=1 RadioBox RadioBox RadioBox "
                                        "GroupBox RadioBox:0:in=7 CheckBox:0:in=1");
    QCOMPARE(toList(forms::radioSet(window, static_cast<std::size_t>(radio))), set);
}

void RulesTest::radioArrows_data() {
    QTest::addColumn<int>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("action");
    const int right = static_cast<int>(Key::Right), down = static_cast<int>(Key::Down);
    const int left = static_cast<int>(Key::Left), up = static_cast<int>(Key::Up);
    // The set on the window in focus order: 6, 5, 4.
    QTest::newRow("Right to the next") << 6 << right << "CheckRadio 5";
    QTest::newRow("Down to the next") << 5 << down << "CheckRadio 4";
    QTest::newRow("Down wraps") << 4 << down << "CheckRadio 6";
    QTest::newRow("Left to the previous") << 5 << left << "CheckRadio 6";
    QTest::newRow("Up wraps") << 6 << up << "CheckRadio 4";
    QTest::newRow("within group A only") << 3 << right << "CheckRadio 2";
    QTest::newRow("group A wraps") << 2 << down << "CheckRadio 3";
    QTest::newRow("a set of one: nothing") << 8 << right << "Swallow";
    QTest::newRow("arrows on a check box go to it") << 9 << right << "PassOn";
    QTest::newRow("disabled radio skipped") << 13 << down << "CheckRadio 11";
    QTest::newRow("disabled radio skipped backwards") << 11 << up << "CheckRadio 13";
}

void RulesTest::radioArrows() {
    QFETCH(int, focused);
    QFETCH(int, key);
    QFETCH(QString, action);
    // 10: group C with 11, 12 (disabled), 13 and 14 in it: its candidates in focus order are 14, 13, 11.
    const auto window = made_up::window("GroupBox RadioBox:0:in=1 RadioBox:0:in=1 RadioBox RadioBox RadioBox "
                                        "GroupBox RadioBox:0:in=7 CheckBox:0:in=1 GroupBox RadioBox:0:in=10 "
                                        "RadioBox:0:in=10:disabled RadioBox:0:in=10 RadioBox:0:in=10");
    const auto decided = forms::decideKey(window, toIndex(focused), press(static_cast<Key>(key)));
    QCOMPARE(describe(decided), action);
}

namespace {

QList<QString> s_calls;
void firstHandler() {
    s_calls.append("first");
}
void secondHandler() {
    s_calls.append("second");
}
void pressHandler(std::int32_t x, std::int32_t y, std::int32_t keys) {
    s_calls.append(QString("press %1 %2 %3").arg(x).arg(y).arg(keys));
}

forms::WindowDescription windowWithBindings() {
    auto window = made_up::window("Button Button Label");
    window.units[1].bindings = {{forms::event::Clicked, firstHandler},
                                {forms::event::LeftButtonDown, pressHandler},
                                {forms::event::Clicked, secondHandler}};
    window.units[2].bindings = {{forms::event::LeftButtonDown, pressHandler}};
    return window;
}

} // namespace

void RulesTest::firstBindingDecides() {
    const auto window = windowWithBindings();
    const forms::WindowDescription* windows[] = {&window};
    forms::DescriptionError error;
    const auto registry = forms::Registry::build(windows, &error);
    QVERIFY2(registry.has_value(), error.message.c_str());
    s_calls.clear();
    const forms::Handler* handler = registry->handlerFor(made_up::WindowId, made_up::controlId(1), 0);
    QVERIFY(handler != nullptr);
    forms::invoke(*handler, {});
    QCOMPARE(s_calls, QList<QString>{"first"});
}

void RulesTest::unitWithoutBindingRaisesToNoEffect() {
    const auto window = windowWithBindings();
    const forms::WindowDescription* windows[] = {&window};
    const auto registry = forms::Registry::build(windows);
    QVERIFY(registry.has_value());
    QVERIFY(registry->handlerFor(made_up::WindowId, made_up::controlId(2), forms::event::Clicked) == nullptr);
    QVERIFY(registry->handlerFor(made_up::WindowId, made_up::controlId(3), forms::event::LeftButtonDown) ==
            nullptr);
    QVERIFY(registry->handlerFor(made_up::WindowId, made_up::OwnUnit, forms::event::Created) == nullptr);
    QVERIFY(registry->handlerFor(0x52000002, made_up::controlId(1), forms::event::Clicked) == nullptr);
    QVERIFY(registry->handlerFor(made_up::WindowId, made_up::controlId(2), forms::event::LeftButtonDown) !=
            nullptr);
}

void RulesTest::handlerReceivesTheEventArguments() {
    const auto window = windowWithBindings();
    const forms::WindowDescription* windows[] = {&window};
    const auto registry = forms::Registry::build(windows);
    QVERIFY(registry.has_value());
    const forms::Handler* handler =
        registry->handlerFor(made_up::WindowId, made_up::controlId(1), forms::event::LeftButtonDown);
    QVERIFY(handler != nullptr);
    QCOMPARE(forms::arityOf(*handler), std::size_t{3});
    s_calls.clear();
    const std::int32_t args[] = {17, -3, forms::key_state::Ctrl + forms::key_state::Alt};
    forms::invoke(*handler, args);
    const std::int32_t tooFew[] = {1, 2};
    forms::invoke(*handler, tooFew);
    QCOMPARE(s_calls, QList<QString>{"press 17 -3 5"});
}

void RulesTest::registryFindsByWindowIdentifier() {
    const auto first = made_up::window("Button");
    auto second = made_up::window("");
    second.id = 0x52000009;
    second.units[0].id = 0x06000009;
    const forms::WindowDescription* windows[] = {&first, &second};
    const auto registry = forms::Registry::build(windows);
    QVERIFY(registry.has_value());
    QCOMPARE(registry->find(0x52000009), &second);
    QCOMPARE(registry->find(made_up::WindowId), &first);
    QVERIFY(registry->find(0x52000002) == nullptr);
    QVERIFY(registry->find(0x06000009) == nullptr);
}

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
