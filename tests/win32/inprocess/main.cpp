#include "checks.h"
#include "harness.h"

#include "forms/options_window.h"
#include "forms/start_window.h"
#include "forms/super_btn_rules.h"
#include "toolkit/sound.h"
#include "toolkit/win32/edit_box.h"
#include "toolkit/win32/play_sound.h"
#include "toolkit/win32/super_btn.h"

#include <cstring>
#include <string>
#include <vector>

using harness::checked;
using harness::className;
using harness::exStyle;
using harness::handleOf;
using harness::style;
using toolkit::win32::Win32Backend;
using toolkit::win32::Window;

namespace {

Checks checks;

std::string narrow(const std::wstring& wide) {
    std::string out;
    for (wchar_t c : wide)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// Opens a window of the program as LoadWindow does, reporting to `recorder`.
Window* open(Win32Backend& backend, harness::Recorder& recorder,
             const forms::WindowDescription& description) {
    auto* window = static_cast<Window*>(backend.build(description, recorder));
    if (window == nullptr)
        return nullptr;
    window->showAtStartPosition();
    harness::pump(backend);
    return window;
}

void close(Win32Backend& backend, Window* window) {
    if (window != nullptr && IsWindow(window->handle()))
        DestroyWindow(window->handle());
    harness::pump(backend);
}

std::vector<std::string> childrenTopFirst(Window& window, HWND parent) {
    std::vector<std::string> names;
    for (HWND h = GetWindow(parent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
        if (toolkit::win32::Control* c = window.controlOf(h))
            names.push_back(window.unit(c->unit()).name);
    return names;
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const auto& n : names) {
        if (!out.empty())
            out += ' ';
        out += n;
    }
    return out;
}

COLORREF brushColour(LRESULT brush) {
    LOGBRUSH logBrush{};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof logBrush, &logBrush);
    return logBrush.lbColor;
}

COLORREF highlightOf(COLORREF face) {
    const forms::Rgb lit = forms::highlightColour({GetRValue(face), GetGValue(face), GetBValue(face)});
    return RGB(lit.red, lit.green, lit.blue);
}

void startWindowFrame(Win32Backend& backend) {
    checks.begin("start window frame");
    harness::Recorder recorder;
    Window* window = open(backend, recorder, forms::StartWindow);
    if (!checks.check(window != nullptr, "built"))
        return;
    HWND top = window->handle();
    checks.check(className(top) == L"QuorvaneWindow", "class");
    const LONG s = style(top);
    checks.check((s & WS_CAPTION) == WS_CAPTION, "caption");
    checks.check((s & WS_SYSMENU) != 0, "system menu and close box");
    checks.check((s & WS_MINIMIZEBOX) != 0, "minimize box");
    checks.check((s & WS_MAXIMIZEBOX) == 0, "no maximize box");
    checks.check((s & WS_THICKFRAME) == 0, "fixed frame");
    checks.check((exStyle(top) & WS_EX_APPWINDOW) != 0, "its own taskbar button");
    RECT outer{};
    GetWindowRect(top, &outer);
    checks.equal(static_cast<int>(outer.right - outer.left), 379, "outer width");
    checks.equal(static_cast<int>(outer.bottom - outer.top), 350, "outer height");
    checks.equal(static_cast<int>(outer.left), (GetSystemMetrics(SM_CXSCREEN) - 379) / 2, "centred left");
    checks.equal(static_cast<int>(outer.top), (GetSystemMetrics(SM_CYSCREEN) - 350) / 2, "centred top");
    RECT expected{0, 0, 0, 0};
    AdjustWindowRectEx(&expected, static_cast<DWORD>(s), FALSE, static_cast<DWORD>(exStyle(top)));
    RECT client{};
    GetClientRect(top, &client);
    checks.equal(static_cast<int>(client.right), 379 - (expected.right - expected.left), "client width");
    checks.equal(static_cast<int>(client.bottom), 350 - (expected.bottom - expected.top), "client height");
    wchar_t title[32] = {};
    GetWindowTextW(top, title, 32);
    checks.check(std::wstring(title) == L"Quorvane", "title");
    checks.check(SendMessageW(top, WM_GETICON, ICON_BIG, 0) != 0, "icon");

    checks.begin("start window controls");
    HWND heading = handleOf(*window, "透明标签1");
    HWND button = handleOf(*window, "超级按钮1");
    HWND ring = handleOf(*window, "外形框1");
    checks.check(className(heading) == L"QuorvaneTransLabel", "heading class");
    checks.check(className(button) == L"QuorvaneSuperBtn", "button class");
    checks.check(className(ring) == L"QuorvaneShapeBox", "ring class");
    const RECT at = harness::placeInParent(heading);
    checks.equal(static_cast<int>(at.left), 40, "heading left");
    checks.equal(static_cast<int>(at.right - at.left), 552, "heading width, past the client area");
    checks.check((style(button) & WS_TABSTOP) != 0 && (style(heading) & WS_TABSTOP) == 0, "tab stops");
    checks.equal(joined(childrenTopFirst(*window, top)), std::string("透明标签1 超级按钮1 外形框1"),
                 "stacking");

    checks.begin("start window focus");
    checks.equal(harness::focusedName(*window), std::string("超级按钮1"), "focus at opening");
    harness::key(VK_TAB);
    harness::key(VK_TAB, true);
    harness::key(VK_RETURN);
    harness::pump(backend);
    checks.equal(harness::focusedName(*window), std::string("超级按钮1"),
                 "focus after Tab, Shift+Tab, Enter");
    checks.equal(recorder.clicks(0x16010024), 0, "Enter does not click the button");
    harness::key(VK_SPACE);
    harness::pump(backend);
    checks.equal(recorder.clicks(0x16010024), 1, "Space clicks the button");

    checks.begin("start window fonts");
    auto* super = dynamic_cast<toolkit::win32::SuperBtn*>(window->control("超级按钮1"));
    if (checks.check(super != nullptr, "the button is a SuperBtn")) {
        const LOGFONTW f = harness::fontOf(super->font().handle());
        checks.equal(static_cast<int>(f.lfHeight), -19, "button font height");
        checks.equal(static_cast<int>(f.lfWeight), 700, "button font weight");
        checks.check(std::wstring(f.lfFaceName) == L"\u6977\u4f53", "button face 楷体");
        checks.equal(static_cast<int>(f.lfCharSet), DEFAULT_CHARSET, "button font character set");
        checks.equal(static_cast<int>(f.lfQuality), PROOF_QUALITY, "button font quality");
        checks.check(!super->normalPicture().empty() && !super->hoverPicture().empty(),
                     "both pictures decoded");
        checks.equal(super->normalPicture().width(), 345, "normal picture width");
    }

    checks.begin("start window colours");
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    {
        harness::Painted ringPaint(ring);
        checks.equal(static_cast<unsigned>(ringPaint.at(0, 0)), static_cast<unsigned>(RGB(255, 255, 255)),
                     "ring outline");
        checks.equal(static_cast<unsigned>(ringPaint.at(1, 18)), static_cast<unsigned>(RGB(255, 255, 255)),
                     "ring outline, second pixel");
        checks.equal(static_cast<unsigned>(ringPaint.at(5, 18)), static_cast<unsigned>(face),
                     "ring background is the button face");
    }
    // A change of the system's colours shows at the next paint.
    const int element = COLOR_BTNFACE;
    const COLORREF changed = RGB(200, 100, 50);
    SetSysColors(1, &element, &changed);
    {
        harness::Painted ringPaint(ring);
        checks.equal(static_cast<unsigned>(ringPaint.at(5, 18)), static_cast<unsigned>(changed),
                     "ring background after the system's colours changed");
    }
    SetSysColors(1, &element, &face);

    checks.begin("start button look");
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(44, 16));
    checks.check(super != nullptr && super->state() == forms::SuperBtnState::Hovered, "hovered after a move");
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(44, 16));
    checks.check(super != nullptr && super->state() == forms::SuperBtnState::Pressed, "pressed");
    checks.check(GetCapture() == button, "the press captures the mouse");
    {
        harness::Painted pressed(button);
        checks.equal(static_cast<unsigned>(pressed.at(44, 0)), static_cast<unsigned>(RGB(0, 0, 0)),
                     "pressed: the highlight's black outline on top");
        checks.equal(static_cast<unsigned>(pressed.at(44, 1)), static_cast<unsigned>(highlightOf(face)),
                     "pressed: the highlight colour in the second row, above the lowered picture");
    }
    const int clicksBefore = recorder.clicks(0x16010024);
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    checks.check(super != nullptr && super->state() == forms::SuperBtnState::Normal,
                 "released outside: normal");
    checks.equal(recorder.clicks(0x16010024), clicksBefore, "released outside: no click");
    {
        harness::Painted normal(button);
        checks.check(normal.at(44, 1) != highlightOf(face) || normal.at(0, 0) != RGB(0, 0, 0),
                     "normal: no highlight");
    }
    close(backend, window);
    checks.equal(static_cast<int>(recorder.destroyed.size()), 1, "destroyed once");
}

// The options window's controls, by name: the system class, the button type and the parent.
struct ControlSpec {
    const char* name;
    const wchar_t* className;
    LONG buttonType; // -1: not a button
    const char* parent;
};

const ControlSpec OptionsControls[] = {
    {"选择框6", L"Button", BS_AUTOCHECKBOX, "分组框4"},
    {"单选框4", L"Button", BS_AUTORADIOBUTTON, "分组框1"},
    {"单选框3", L"Button", BS_AUTORADIOBUTTON, "分组框1"},
    {"单选框2", L"Button", BS_AUTORADIOBUTTON, "分组框1"},
    {"单选框1", L"Button", BS_AUTORADIOBUTTON, "分组框1"},
    {"编辑框2", L"Edit", -1, ""},
    {"选择框5", L"Button", BS_AUTOCHECKBOX, "分组框3"},
    {"选择框4", L"Button", BS_AUTOCHECKBOX, "分组框3"},
    {"选择框3", L"Button", BS_AUTOCHECKBOX, "分组框3"},
    {"标签5", L"QuorvaneLabel", -1, "分组框2"},
    {"单选框6", L"Button", BS_AUTORADIOBUTTON, "分组框1"},
    {"单选框5", L"Button", BS_AUTORADIOBUTTON, "分组框1"},
    {"选择框2", L"Button", BS_AUTOCHECKBOX, ""},
    {"选择框1", L"Button", BS_AUTOCHECKBOX, ""},
    {"标签3", L"QuorvaneLabel", -1, ""},
    {"编辑框1", L"Edit", -1, ""},
    {"按钮2", L"Button", BS_PUSHBUTTON, ""},
    {"分组框1", L"Button", BS_GROUPBOX, ""},
    {"分组框2", L"Button", BS_GROUPBOX, ""},
    {"分组框3", L"Button", BS_GROUPBOX, ""},
    {"分组框4", L"Button", BS_GROUPBOX, ""},
};

const char* const TabCycle[] = {"编辑框1", "选择框1", "选择框2", "单选框5", "单选框6",
                                "选择框3", "选择框4", "选择框5", "编辑框2", "单选框1",
                                "单选框2", "单选框3", "单选框4", "选择框6", "按钮2"};

const char* const Radios[] = {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5", "单选框6"};

std::string checkedRadios(Window& window) {
    std::vector<std::string> names;
    for (const char* name : Radios)
        if (checked(handleOf(window, name)))
            names.push_back(name);
    return joined(names);
}

void optionsControls(Window& window) {
    checks.begin("options controls");
    for (const ControlSpec& spec : OptionsControls) {
        HWND h = handleOf(window, spec.name);
        const std::string name = spec.name;
        if (!checks.check(h != nullptr, name + " exists"))
            continue;
        checks.check(_wcsicmp(className(h).c_str(), spec.className) == 0,
                     name + " class " + narrow(className(h)));
        if (spec.buttonType >= 0)
            checks.equal(static_cast<int>(style(h) & BS_TYPEMASK), static_cast<int>(spec.buttonType),
                         name + " button type");
        HWND expectedParent = *spec.parent ? handleOf(window, spec.parent) : window.handle();
        checks.check(GetParent(h) == expectedParent, name + " parent");
        const auto index = window.description().indexOf(spec.name);
        const forms::UnitDescription& unit = window.unit(*index);
        const RECT at = harness::placeInParent(h);
        checks.equal(static_cast<int>(at.left), unit.left, name + " left in its parent");
        checks.equal(static_cast<int>(at.top), unit.top, name + " top in its parent");
        checks.equal((style(h) & WS_TABSTOP) != 0, unit.tab_stop, name + " tab stop");
    }
    for (const char* name : {"编辑框1", "编辑框2"}) {
        HWND edit = handleOf(window, name);
        checks.check((style(edit) & ES_AUTOHSCROLL) != 0 && (style(edit) & ES_MULTILINE) == 0,
                     std::string(name) + " single line, scrolling sideways");
        checks.check((exStyle(edit) & WS_EX_CLIENTEDGE) != 0, std::string(name) + " sunken edge");
        auto* control = dynamic_cast<toolkit::win32::EditBox*>(window.control(name));
        const RECT r = harness::placeInParent(edit);
        const int minimum =
            control != nullptr ? control->font().lineHeight() + 2 * GetSystemMetrics(SM_CYEDGE) : 0;
        checks.check(r.bottom - r.top >= 20 && r.bottom - r.top >= minimum,
                     std::string(name) + " at least one line plus the edges high");
        checks.check(SendMessageW(edit, WM_GETFONT, 0, 0) ==
                         reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)),
                     std::string(name) + " default GUI font");
    }
    checks.equal(joined(childrenTopFirst(window, window.handle())),
                 std::string("编辑框2 选择框2 选择框1 标签3 编辑框1 按钮2 分组框1 分组框2 分组框3 分组框4"),
                 "stacking on the window");
    checks.equal(joined(childrenTopFirst(window, handleOf(window, "分组框1"))),
                 std::string("单选框4 单选框3 单选框2 单选框1 单选框6 单选框5"), "stacking in 分组框1");

    checks.begin("options fonts");
    const LOGFONTW login =
        harness::fontOf(reinterpret_cast<HFONT>(SendMessageW(handleOf(window, "按钮2"), WM_GETFONT, 0, 0)));
    checks.equal(static_cast<int>(login.lfHeight), -20, "按钮2 height");
    checks.equal(static_cast<int>(login.lfWeight), 700, "按钮2 weight");
    checks.equal(static_cast<int>(login.lfCharSet), DEFAULT_CHARSET,
                 "按钮2 character set, not the stored 134");
    checks.equal(static_cast<int>(login.lfQuality), PROOF_QUALITY, "按钮2 quality");
    checks.check(login.lfFaceName[0] == L'\0', "按钮2 face left to the system");
    checks.check(SendMessageW(handleOf(window, "选择框1"), WM_GETFONT, 0, 0) ==
                     reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)),
                 "check box default GUI font");
}

void optionsColours(Window& window) {
    checks.begin("options colours");
    HDC dc = GetDC(window.handle());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const LRESULT check = SendMessageW(window.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(handleOf(window, "选择框1")));
    checks.equal(static_cast<unsigned>(brushColour(check)), static_cast<unsigned>(face),
                 "check box background");
    checks.equal(static_cast<unsigned>(GetTextColor(dc)), 0u, "check box text black");
    // A radio button asks its group box, which passes the request on to the window.
    const LRESULT radio =
        SendMessageW(handleOf(window, "分组框1"), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(handleOf(window, "单选框1")));
    checks.equal(static_cast<unsigned>(brushColour(radio)), static_cast<unsigned>(face),
                 "radio button background through its group box");
    const LRESULT edit = SendMessageW(window.handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(handleOf(window, "编辑框1")));
    checks.equal(static_cast<unsigned>(brushColour(edit)), static_cast<unsigned>(RGB(255, 255, 255)),
                 "edit background");
    checks.equal(static_cast<unsigned>(GetTextColor(dc)), 0u, "edit text black");
    ReleaseDC(window.handle(), dc);
    harness::Painted label(handleOf(window, "标签3"));
    checks.equal(static_cast<unsigned>(label.at(62, 0)), static_cast<unsigned>(face),
                 "label fills its rectangle");
}

void optionsKeys(Win32Backend& backend, harness::Recorder& recorder, Window& window) {
    checks.begin("options Tab cycle");
    checks.equal(harness::focusedName(window), std::string("按钮2"), "focus at opening");
    for (const char* expected : TabCycle) {
        harness::key(VK_TAB);
        harness::pump(backend);
        checks.equal(harness::focusedName(window), std::string(expected), "Tab");
    }
    checks.equal(checkedRadios(window), std::string(), "Tab onto radio buttons checks none");
    for (auto it = std::rbegin(TabCycle) + 1; it != std::rend(TabCycle); ++it) {
        harness::key(VK_TAB, true);
        harness::pump(backend);
        checks.equal(harness::focusedName(window), std::string(*it), "Shift+Tab");
    }
    harness::key(VK_TAB, true);
    harness::pump(backend);
    checks.equal(harness::focusedName(window), std::string("按钮2"), "Shift+Tab back to 按钮2");

    checks.begin("options radio arrows");
    window.focusUnit(*window.description().indexOf("单选框4"));
    harness::key(VK_RIGHT);
    harness::pump(backend);
    checks.equal(harness::focusedName(window), std::string("单选框5"), "Right from 单选框4");
    checks.equal(checkedRadios(window), std::string("单选框5"), "Right checks 单选框5");
    checks.equal(recorder.clicks(0x160100a5), 1, "clicked raised for 单选框5");
    harness::key(VK_LEFT);
    harness::pump(backend);
    checks.equal(harness::focusedName(window), std::string("单选框4"), "Left from 单选框5");
    checks.equal(checkedRadios(window), std::string("单选框4"), "Left checks 单选框4 alone");
    harness::key(VK_UP);
    harness::pump(backend);
    checks.equal(checkedRadios(window), std::string("单选框3"), "Up from 单选框4");
    harness::key(VK_DOWN);
    harness::key(VK_DOWN);
    harness::pump(backend);
    checks.equal(checkedRadios(window), std::string("单选框5"), "Down twice, wrapping");

    checks.begin("options mouse");
    harness::clickAt(harness::centreOnScreen(handleOf(window, "单选框1")));
    harness::pump(backend);
    checks.equal(checkedRadios(window), std::string("单选框1"), "click on 单选框1");
    checks.equal(recorder.clicks(0x160100b2), 1, "clicked raised for 单选框1, through its group box");
    harness::clickAt(harness::centreOnScreen(handleOf(window, "单选框6")));
    harness::pump(backend);
    checks.equal(checkedRadios(window), std::string("单选框6"), "click on 单选框6");
    harness::clickAt(harness::centreOnScreen(handleOf(window, "单选框6")));
    harness::pump(backend);
    checks.equal(checkedRadios(window), std::string("单选框6"), "click on 单选框6 again");
    checks.equal(recorder.clicks(0x160100a6), 2, "clicked raised again for 单选框6");
    harness::clickAt(harness::centreOnScreen(handleOf(window, "选择框1")));
    harness::pump(backend);
    checks.check(checked(handleOf(window, "选择框1")), "click on 选择框1 checks it");
    checks.check(!checked(handleOf(window, "选择框2")), "选择框2 is not tied to it");
    checks.equal(checkedRadios(window), std::string("单选框6"), "the radio set is not tied to 选择框1");

    checks.begin("options Space and Enter");
    window.focusUnit(*window.description().indexOf("选择框3"));
    harness::key(VK_SPACE);
    harness::pump(backend);
    checks.check(checked(handleOf(window, "选择框3")), "Space checks 选择框3");
    for (const char* name : {"选择框3", "编辑框1", "单选框6", "按钮2"}) {
        window.focusUnit(*window.description().indexOf(name));
        const int raisedBefore = static_cast<int>(recorder.raised.size());
        const std::string radiosBefore = checkedRadios(window);
        harness::key(VK_RETURN);
        harness::pump(backend);
        checks.equal(harness::focusedName(window), std::string(name),
                     std::string("Enter on ") + name + ": focus");
        checks.equal(static_cast<int>(recorder.raised.size()), raisedBefore,
                     std::string("Enter on ") + name + ": no event");
        checks.equal(checkedRadios(window), radiosBefore, std::string("Enter on ") + name + ": radios");
    }
    checks.check(checked(handleOf(window, "选择框3")), "Enter left 选择框3 checked");
    // No text holds a mnemonic: Alt with a letter or a digit selects nothing.
    window.focusUnit(*window.description().indexOf("选择框2"));
    const int raisedBeforeAlt = static_cast<int>(recorder.raised.size());
    for (WORD letter : {WORD('A'), WORD('D'), WORD('1')}) {
        harness::altKey(letter);
        harness::pump(backend);
    }
    checks.equal(harness::focusedName(window), std::string("选择框2"), "Alt with a letter: focus");
    checks.equal(static_cast<int>(recorder.raised.size()), raisedBeforeAlt, "Alt with a letter: no event");
    SetWindowTextW(handleOf(window, "编辑框1"), L"12345");

    checks.begin("options Esc");
    window.focusUnit(*window.description().indexOf("编辑框2"));
    HWND top = window.handle();
    harness::key(VK_ESCAPE);
    harness::pump(backend);
    checks.check(!IsWindow(top), "Esc closes the window from an edit box");
}

void optionsWindow(Win32Backend& backend) {
    harness::Recorder recorder;
    Window* window = open(backend, recorder, forms::OptionsWindow);
    checks.begin("options window");
    if (!checks.check(window != nullptr, "built"))
        return;
    RECT outer{};
    GetWindowRect(window->handle(), &outer);
    checks.equal(static_cast<int>(outer.right - outer.left), 406, "outer width");
    checks.equal(static_cast<int>(outer.left), (GetSystemMetrics(SM_CXSCREEN) - 406) / 2, "centred left");
    optionsControls(*window);
    optionsColours(*window);
    optionsKeys(backend, recorder, *window);
    checks.equal(static_cast<int>(recorder.destroyed.size()), 1, "destroyed once");

    checks.begin("options reopened");
    window = open(backend, recorder, forms::OptionsWindow);
    if (!checks.check(window != nullptr, "built again"))
        return;
    checks.equal(checkedRadios(*window), std::string(), "no radio chosen");
    for (const char* name : {"选择框1", "选择框3"})
        checks.check(!checked(handleOf(*window, name)), std::string(name) + " unchecked");
    checks.equal(GetWindowTextLengthW(handleOf(*window, "编辑框1")), 0, "编辑框1 empty");
    checks.equal(harness::focusedName(*window), std::string("按钮2"), "focus on 按钮2");
    HWND top = window->handle();
    harness::altKey(VK_F4);
    harness::pump(backend);
    checks.check(!IsWindow(top), "Alt+F4 closes the window");
    close(backend, IsWindow(top) ? window : nullptr);
}

void clickSoundImage() {
    checks.begin("click sound image");
    const toolkit::Sound& click = toolkit::clickSound();
    const std::vector<std::uint8_t> wav = toolkit::win32::wavImage(click);
    const std::size_t data = click.samples.size() * 2;
    if (!checks.equal(wav.size(), 44 + data, "size"))
        return;
    checks.check(std::memcmp(wav.data(), "RIFF", 4) == 0 && std::memcmp(wav.data() + 8, "WAVEfmt ", 8) == 0,
                 "RIFF WAVE header");
    auto u16 = [&](std::size_t at) { return wav[at] | (wav[at + 1] << 8); };
    auto u32 = [&](std::size_t at) { return static_cast<std::uint32_t>(u16(at) | (u16(at + 2) << 16)); };
    checks.equal(u16(20), 1, "PCM");
    checks.equal(u16(22), click.channels, "channels");
    checks.equal(u32(24), static_cast<std::uint32_t>(click.rate), "rate");
    checks.equal(u16(34), 16, "bits per sample");
    checks.equal(u32(40), static_cast<std::uint32_t>(data), "data size");
    checks.check(std::memcmp(wav.data() + 44, click.samples.data(), data) == 0, "samples, little-endian");
    checks.check(toolkit::win32::wavImage({}).empty(), "no image for no sound");
}

} // namespace

int wmain() {
    Win32Backend backend;
    startWindowFrame(backend);
    optionsWindow(backend);
    clickSoundImage();
    backend.release();
    return checks.finish();
}
