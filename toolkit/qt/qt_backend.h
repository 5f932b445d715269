#pragma once

#include "toolkit/backend.h"
#include "toolkit/sound.h"

#include <QPointer>
#include <map>
#include <memory>

class QApplication;

namespace toolkit::qt {

class Window;

// The Qt backend. It uses the running QApplication if there is one (tests make their own), else it
// makes one from the program's name alone and releases it at the end.
class QtBackend final : public Backend {
public:
    explicit QtBackend(const char* argv0);
    ~QtBackend() override;

    LiveWindow* build(const forms::WindowDescription& window, EventSink& sink) override;
    int runMessageLoop() override;
    void postQuit(int code) override;
    void showFatalError(std::string_view message) override;
    void showNotice(forms::WindowId owner, const forms::GbkText& title, const forms::GbkText& text) override;
    void release() override;

    Window* window(forms::WindowId id) const;

    // The player every window's controls use, the platform's own unless replaced (tests record sounds).
    SoundPlayer* soundPlayer() const { return m_soundPlayer.get(); }
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player);

private:
    std::unique_ptr<QApplication> m_ownApplication;
    std::unique_ptr<SoundPlayer> m_soundPlayer = makeSoundPlayer();
    std::map<forms::WindowId, QPointer<Window>> m_windows;
};

// Sets the style, the default GUI font and the system colours on the running application.
void prepareApplication();

} // namespace toolkit::qt
