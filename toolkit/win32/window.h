#pragma once

#include "forms/description.h"
#include "forms/geometry.h"
#include "forms/rules.h"
#include "toolkit/backend.h"
#include "toolkit/sound.h"
#include "toolkit/win32/bitmaps.h"
#include "toolkit/win32/control.h"
#include "toolkit/win32/fonts.h"
#include "toolkit/win32/system_colours.h"
#include "toolkit/win32/win32.h"

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace toolkit::win32 {

// What the windows of one backend share.
class Window;

struct Services {
    EventSink* sink = nullptr;
    std::map<forms::WindowId, Window*> windows; // the live ones
    // The click sound's player; made on first use, since a window without an image button needs none.
    SoundPlayer& soundPlayer();

    std::unique_ptr<SoundPlayer> player;
};

// A top-level window built from its description. It owns its controls, applies the focus, radio and
// key rules itself (no dialog manager is involved) and reports events to the sink. It deletes itself
// when its system window has been destroyed.
class Window final : public LiveWindow {
public:
    // Builds the window hidden, with its visible controls shown; nullptr if the system refuses it.
    static Window* build(const forms::WindowDescription& description, Services& services);
    ~Window() override;

    bool isMinimized() const override;
    void restore() override;
    void activate() override;
    void showAtStartPosition() override;
    void requestClose() override;

    HWND handle() const { return m_handle; }
    const forms::WindowDescription& description() const { return m_description; }
    const forms::UnitDescription& unit(std::size_t index) const { return m_description.units[index]; }
    Control* control(std::size_t unit) const;
    Control* control(std::string_view name) const;
    Control* controlOf(HWND hwnd) const;
    std::optional<std::size_t> focusedUnit() const;
    Brushes& brushes() { return m_brushes; }
    Services& services() { return m_services; }

    // Keys taken from the message loop before they are dispatched; true when the window's rules took it.
    bool handleKey(const forms::KeyPress& key);
    // The left mouse button went down over one of this window's units (0: the window itself).
    void leftButtonDown(HWND target, WPARAM keys, LPARAM at);

    // Raised by the controls; the handler may close this window.
    void raiseEvent(std::size_t unit, std::int32_t event, std::span<const std::int32_t> args = {});
    // A radio button was checked by the user: the rest of its set is unchecked, then clicked is raised.
    void radioChecked(std::size_t unit);
    // Gives a unit the keyboard focus.
    void focusUnit(std::size_t unit);

    // The window's background (picture or colour) over `area` of its client area.
    void paintBackground(HDC dc, const RECT& area) const;

    static Window* fromHandle(HWND hwnd);
    static const wchar_t* className();

private:
    Window(const forms::WindowDescription& description, Services& services);
    bool createFrame();
    void applyIcon();
    void buildControls();
    void placeInContainers(const std::vector<std::size_t>& order);
    void stackSiblings();
    void apply(const forms::KeyAction& action);
    void showKeyboardCues();
    void activated(bool active);

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    const forms::WindowDescription& m_description;
    Services& m_services;
    HWND m_handle = nullptr;
    HICON m_icon = nullptr;
    Bitmap m_background;
    Brushes m_brushes;
    std::vector<std::unique_ptr<Control>> m_controls; // by list index; [0] is unused
    HWND m_lastFocus = nullptr;
};

} // namespace toolkit::win32
