#include "toolkit/win32/window.h"

#include "forms/event.h"
#include "toolkit/picture.h"
#include "toolkit/win32/controls.h"
#include "toolkit/win32/text.h"

#include <windowsx.h>

namespace toolkit::win32 {

namespace {

// The executable's own icon, for a window whose description brings none.
constexpr int ApplicationIconId = 1;

DWORD styleFor(const forms::WindowSettings& s) {
    DWORD style = WS_CLIPCHILDREN;
    switch (s.border_style) {
    case 0: style |= WS_POPUP; break;
    case 3: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    default: style |= WS_OVERLAPPED | WS_CAPTION; break; // 2 and the other fixed frames
    }
    if (s.control_button)
        style |= WS_SYSMENU;
    if (s.minimize_button)
        style |= WS_MINIMIZEBOX;
    if (s.maximize_button)
        style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD exStyleFor(const forms::WindowSettings& s) {
    DWORD style = 0;
    if (s.show_in_taskbar)
        style |= WS_EX_APPWINDOW;
    if (s.always_on_top)
        style |= WS_EX_TOPMOST;
    return style;
}

// Icons take straight (not premultiplied) alpha; the mask is unused beside a 32-bit colour image.
HICON makeIcon(const forms::Picture& picture) {
    if (picture.empty())
        return nullptr;
    const std::optional<Image> decoded = decodePicture(picture.bytes);
    if (!decoded || decoded->empty())
        return nullptr;
    const Image bgra = toBgra32(*decoded);
    HBITMAP colour = makeDibSection(bgra);
    if (colour == nullptr)
        return nullptr;
    HBITMAP mask = CreateBitmap(bgra.width, bgra.height, 1, 1, nullptr);
    ICONINFO iconInfo{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&iconInfo);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

} // namespace

const wchar_t* Window::className() {
    return L"QuorvaneWindow";
}

Window::Window(const forms::WindowDescription& description, Services& services)
    : m_description(description), m_services(services) {}

Window::~Window() {
    if (m_icon != nullptr)
        DestroyIcon(m_icon);
}

Window* Window::build(const forms::WindowDescription& description, Services& services) {
    if (description.units.empty() ||
        !std::holds_alternative<forms::WindowSettings>(description.window().settings))
        return nullptr;
    auto* window = new Window(description, services);
    if (!window->createFrame()) {
        delete window;
        return nullptr;
    }
    window->applyIcon();
    window->buildControls();
    return window;
}

bool Window::createFrame() {
    static const ATOM registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(ApplicationIconId));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = className();
        return RegisterClassExW(&wc);
    }();
    if (registered == 0)
        return false;
    const forms::UnitDescription& u = m_description.window();
    const forms::WindowSettings& s = m_description.windowSettings();
    m_background = Bitmap(s.background_picture);
    const std::wstring title = decodeGbk(s.title);
    // The stored size is the outer size, frame and caption included, which is what the system takes.
    CreateWindowExW(exStyleFor(s), className(), title.c_str(), styleFor(s), u.left, u.top, u.width, u.height,
                    nullptr, nullptr, GetModuleHandleW(nullptr), this);
    return m_handle != nullptr;
}

void Window::applyIcon() {
    m_icon = makeIcon(m_description.windowSettings().icon);
    if (m_icon == nullptr)
        return;
    SendMessageW(m_handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(m_handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
}

void Window::buildControls() {
    m_controls.resize(m_description.units.size());
    const std::vector<std::size_t> order = forms::creationOrder(m_description);
    for (std::size_t index : order)
        m_controls[index] = makeControl(*this, index);
    placeInContainers(order);
    stackSiblings();
    for (std::size_t index : order)
        if (Control* c = control(index); c != nullptr && unit(index).visible)
            ShowWindow(c->handle(), SW_SHOWNA);
}

void Window::placeInContainers(const std::vector<std::size_t>& order) {
    for (std::size_t index : order) {
        Control* c = control(index);
        const forms::UnitDescription& u = unit(index);
        if (c == nullptr || !u.parent)
            continue;
        const auto container = m_description.indexOf(*u.parent);
        if (!container || control(*container) == nullptr)
            continue;
        SetParent(c->handle(), control(*container)->handle());
        SetWindowPos(c->handle(), nullptr, u.left, u.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Window::stackSiblings() {
    std::vector<std::optional<forms::UnitId>> containers{std::nullopt};
    for (std::size_t i = 1; i < m_description.units.size(); ++i)
        if (unit(i).kind == forms::Kind::GroupBox)
            containers.push_back(unit(i).id);
    for (const auto& container : containers) {
        HWND above = HWND_TOP;
        for (std::size_t index : forms::stackingOrder(m_description, container)) {
            Control* c = control(index);
            if (c == nullptr)
                continue;
            SetWindowPos(c->handle(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            above = c->handle();
        }
    }
}

Control* Window::control(std::size_t unit) const {
    return unit < m_controls.size() ? m_controls[unit].get() : nullptr;
}

Control* Window::control(std::string_view name) const {
    const auto index = m_description.indexOf(name);
    return index ? control(*index) : nullptr;
}

Control* Window::controlOf(HWND hwnd) const {
    if (hwnd == nullptr)
        return nullptr;
    for (const auto& c : m_controls)
        if (c && c->handle() == hwnd)
            return c.get();
    return nullptr;
}

std::optional<std::size_t> Window::focusedUnit() const {
    for (HWND h = GetFocus(); h != nullptr && h != m_handle; h = GetParent(h))
        if (const Control* c = controlOf(h))
            return c->unit();
    return std::nullopt;
}

bool Window::isMinimized() const {
    return IsIconic(m_handle) != FALSE;
}

void Window::restore() {
    ShowWindow(m_handle, SW_RESTORE);
    activate();
}

void Window::activate() {
    BringWindowToTop(m_handle);
    SetForegroundWindow(m_handle);
}

void Window::showAtStartPosition() {
    const forms::Size screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const forms::Point at = forms::startPosition(m_description, screen);
    SetWindowPos(m_handle, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(m_handle, SW_SHOW);
    activate();
    if (const auto first = forms::initialFocus(m_description))
        focusUnit(*first);
}

void Window::requestClose() {
    SendMessageW(m_handle, WM_CLOSE, 0, 0);
}

bool Window::handleKey(const forms::KeyPress& key) {
    const forms::KeyAction action = forms::decideKey(m_description, focusedUnit(), key);
    if (action.type == forms::KeyAction::Type::PassOn)
        return false;
    apply(action);
    return true;
}

// Closing, clicking and raising events may destroy this window: nothing here touches it afterwards.
void Window::apply(const forms::KeyAction& action) {
    using Type = forms::KeyAction::Type;
    // Moving about with the keyboard shows where the focus is, as it does in the system's dialogs.
    if (action.type == Type::Focus || action.type == Type::CheckRadio || action.type == Type::Select)
        showKeyboardCues();
    switch (action.type) {
    case Type::PassOn:
    case Type::Swallow: break;
    case Type::Close: requestClose(); break;
    case Type::Focus: focusUnit(action.unit); break;
    case Type::Click:
        if (Control* c = control(action.unit))
            c->click();
        break;
    case Type::Select:
        focusUnit(action.unit);
        if (Control* c = control(action.unit))
            c->click();
        break;
    case Type::CheckRadio:
        focusUnit(action.unit);
        if (Control* c = control(action.unit))
            SendMessageW(c->handle(), BM_SETCHECK, BST_CHECKED, 0);
        radioChecked(action.unit);
        break;
    }
}

void Window::focusUnit(std::size_t unit) {
    if (Control* c = control(unit))
        SetFocus(c->handle());
}

void Window::showKeyboardCues() {
    SendMessageW(m_handle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Window::raiseEvent(std::size_t unit, std::int32_t event, std::span<const std::int32_t> args) {
    if (unit < m_description.units.size() && m_services.sink != nullptr)
        m_services.sink->deliver(m_description.id, m_description.units[unit].id, event, args);
}

void Window::radioChecked(std::size_t unit) {
    for (std::size_t other : forms::radioSet(m_description, unit))
        if (other != unit)
            if (Control* c = control(other))
                SendMessageW(c->handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    raiseEvent(unit, forms::event::Clicked);
}

void Window::leftButtonDown(HWND target, WPARAM keys, LPARAM at) {
    std::size_t index = 0;
    if (target != m_handle) {
        const Control* c = controlOf(target);
        if (c == nullptr)
            return;
        index = c->unit();
    }
    std::int32_t state = 0;
    if (keys & MK_CONTROL)
        state += forms::key_state::Ctrl;
    if (keys & MK_SHIFT)
        state += forms::key_state::Shift;
    if (GetKeyState(VK_MENU) < 0)
        state += forms::key_state::Alt;
    const std::int32_t args[] = {GET_X_LPARAM(at), GET_Y_LPARAM(at), state};
    raiseEvent(index, forms::event::LeftButtonDown, args);
}

void Window::paintBackground(HDC dc, const RECT& area) const {
    const forms::WindowSettings& s = m_description.windowSettings();
    RECT client{};
    GetClientRect(m_handle, &client);
    if (!m_background.empty() && s.picture_mode == 3) {
        m_background.drawStretched(dc, client);
        return;
    }
    FillRect(dc, &area, const_cast<Window*>(this)->m_brushes.background(s.background_colour));
    if (!m_background.empty())
        m_background.drawKeyed(dc, {0, 0});
}

void Window::activated(bool active) {
    if (!active) {
        if (HWND focus = GetFocus(); focus != nullptr && IsChild(m_handle, focus))
            m_lastFocus = focus;
        return;
    }
    if (m_lastFocus != nullptr && IsWindow(m_lastFocus) && IsChild(m_handle, m_lastFocus)) {
        SetFocus(m_lastFocus);
        return;
    }
    SetFocus(m_handle);
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(m_handle, &client);
        paintBackground(reinterpret_cast<HDC>(wParam), client);
        return message == WM_ERASEBKGND ? 1 : 0; // erased; printing returns nothing
    }
    case WM_COMMAND:
        if (Control* c = controlOf(reinterpret_cast<HWND>(lParam)))
            c->notified(HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        if (Control* c = controlOf(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = c->colours(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_SETFOCUS:
        // The window itself never keeps the focus: it hands it to the first candidate.
        if (const auto first = forms::initialFocus(m_description))
            focusUnit(*first);
        return 0;
    case WM_ACTIVATE:
        if (HIWORD(wParam) != 0) // minimized
            break;
        activated(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_CLOSE: DestroyWindow(m_handle); return 0;
    case WM_NCDESTROY: {
        EventSink* sink = m_services.sink;
        const forms::WindowId id = m_description.id;
        SetWindowLongPtrW(m_handle, GWLP_USERDATA, 0);
        m_handle = nullptr;
        m_services.windows.erase(id);
        delete this;
        if (sink != nullptr)
            sink->windowDestroyed(id);
        return 0;
    }
    default: break;
    }
    return DefWindowProcW(m_handle, message, wParam, lParam);
}

Window* Window::fromHandle(HWND hwnd) {
    if (hwnd == nullptr || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(procedure))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->m_handle = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return window->handle(message, wParam, lParam);
}

} // namespace toolkit::win32
