#include "toolkit/win32/win32_backend.h"

#include "toolkit/win32/text.h"

#include <vector>

namespace toolkit::win32 {

namespace {

const wchar_t* const FatalTitle = L"Quorvane";

bool held(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

forms::Key keyOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_TAB: return forms::Key::Tab;
    case VK_ESCAPE: return forms::Key::Escape;
    case VK_RETURN: return forms::Key::Enter;
    case VK_SPACE: return forms::Key::Space;
    case VK_LEFT: return forms::Key::Left;
    case VK_RIGHT: return forms::Key::Right;
    case VK_UP: return forms::Key::Up;
    case VK_DOWN: return forms::Key::Down;
    default: break;
    }
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return forms::Key::Character;
    return forms::Key::Other;
}

// The window of this backend that a message is for, through any depth of containers.
Window* windowFor(HWND target) {
    return Window::fromHandle(GetAncestor(target, GA_ROOT));
}

} // namespace

forms::KeyPress keyPressOf(const MSG& message) {
    forms::KeyPress key;
    key.key = keyOf(message.wParam);
    if (key.key == forms::Key::Character)
        key.character = static_cast<char>(message.wParam);
    key.shift = held(VK_SHIFT);
    key.ctrl = held(VK_CONTROL);
    // Bit 29 of a system key's data is the Alt key, as it was when the key went down.
    key.alt = message.message == WM_SYSKEYDOWN ? (message.lParam & (1L << 29)) != 0 : held(VK_MENU);
    return key;
}

Win32Backend::~Win32Backend() {
    release();
}

LiveWindow* Win32Backend::build(const forms::WindowDescription& description, EventSink& sink) {
    m_services.sink = &sink;
    Window* window = Window::build(description, m_services);
    if (window != nullptr)
        m_services.windows[description.id] = window;
    return window;
}

bool Win32Backend::preTranslate(const MSG& message) {
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (Window* window = windowFor(message.hwnd))
            return window->handleKey(keyPressOf(message));
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Reported before the control handles the press, which then goes on as usual.
        if (Window* window = windowFor(message.hwnd))
            window->leftButtonDown(message.hwnd, message.wParam, message.lParam);
        return false;
    default: return false;
    }
}

int Win32Backend::runMessageLoop() {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return -1;
        if (preTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Backend::postQuit(int code) {
    PostQuitMessage(code);
}

void Win32Backend::showFatalError(std::string_view message) {
    const std::wstring text = decodeUtf8(message);
    MessageBoxW(nullptr, text.c_str(), FatalTitle, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

void Win32Backend::showNotice(forms::WindowId owner, const forms::GbkText& title,
                              const forms::GbkText& text) {
    Window* window = this->window(owner);
    const std::wstring caption = decodeGbk(title);
    const std::wstring body = decodeGbk(text);
    MessageBoxW(window != nullptr ? window->handle() : nullptr, body.c_str(), caption.c_str(),
                MB_OK | MB_ICONINFORMATION);
}

Window* Win32Backend::window(forms::WindowId id) const {
    const auto it = m_services.windows.find(id);
    return it == m_services.windows.end() ? nullptr : it->second;
}

void Win32Backend::release() {
    // Destroying a window removes it from the list, so the handles are taken first.
    std::vector<HWND> open;
    for (const auto& [id, window] : m_services.windows)
        open.push_back(window->handle());
    for (HWND handle : open)
        DestroyWindow(handle);
    m_services.windows.clear();
    m_services.player.reset();
}

SoundPlayer& Services::soundPlayer() {
    if (!player)
        player = makeSoundPlayer();
    return *player;
}

} // namespace toolkit::win32

namespace toolkit {

std::unique_ptr<Backend> makeBackend(const char* /*argv0*/) {
    return std::make_unique<win32::Win32Backend>();
}

} // namespace toolkit
