#pragma once

#include "forms/event.h"
#include "forms/start_window.h"
#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/super_btn.h"
#include "toolkit/qt/window.h"
#include "toolkit/sound.h"

#include <QGuiApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include <memory>

// The start window built by the Qt backend and shown on the offscreen platform, with its button, a
// log of the sounds played and the events raised, and real input through the window system.
namespace fixture {

inline constexpr const char* ButtonName = "超级按钮1";

// Writes "sound" for every sound started, so that its order against "clicked" shows.
class RecordingPlayer final : public toolkit::SoundPlayer {
public:
    explicit RecordingPlayer(QStringList& log) : m_log(log) {}
    void play(const toolkit::Sound& sound) override {
        m_log << QStringLiteral("sound");
        m_clickSoundOnly = m_clickSoundOnly && sound.samples.data() == toolkit::clickSound().samples.data();
    }
    bool clickSoundOnly() const { return m_clickSoundOnly; }

private:
    QStringList& m_log;
    bool m_clickSoundOnly = true;
};

class RecordingSink final : public toolkit::EventSink {
public:
    explicit RecordingSink(QStringList& log) : m_log(log) {}
    void deliver(forms::WindowId /*window*/, forms::UnitId unit, std::int32_t event,
                 std::span<const std::int32_t> /*args*/) override {
        if (unit == m_button && event == forms::event::Clicked)
            m_log << QStringLiteral("clicked");
    }
    void windowDestroyed(forms::WindowId /*window*/) override {}
    void watch(forms::UnitId button) { m_button = button; }

private:
    QStringList& m_log;
    forms::UnitId m_button = 0;
};

class StartWindow {
public:
    explicit StartWindow(toolkit::qt::QtBackend& backend, QStringList& log,
                         const forms::WindowDescription& description = forms::StartWindow)
        : m_sink(log) {
        m_sink.watch(description.units[*description.indexOf(ButtonName)].id);
        m_live = backend.build(description, m_sink);
        window = backend.window(description.id);
        if (window == nullptr)
            return;
        m_live->showAtStartPosition();
        button = qobject_cast<toolkit::qt::SuperBtn*>(window->control(ButtonName));
    }
    ~StartWindow() {
        if (window != nullptr)
            letGo();
        delete window.data();
    }
    StartWindow(const StartWindow&) = delete;
    StartWindow& operator=(const StartWindow&) = delete;

    // Shown, active, the button focused and the pointer resting on the window's background.
    bool ready() {
        if (window == nullptr || button == nullptr)
            return false;
        if (!QTest::qWaitForWindowExposed(window) || !QTest::qWaitForWindowActive(window))
            return false;
        moveTo(background());
        return button->hasFocus();
    }

    QWindow* handle() const { return window->windowHandle(); }
    QPoint onButton(QPoint local) const { return button->mapTo(window, local); }
    QPoint buttonCentre() const { return onButton(button->rect().center()); }
    QPoint background() const { return {20, 150}; }

    void moveTo(QPoint at) {
        m_pointer = at;
        QTest::mouseMove(handle(), at);
    }
    void press() { QTest::mousePress(handle(), Qt::LeftButton, {}, m_pointer); }
    void release() { QTest::mouseRelease(handle(), Qt::LeftButton, {}, m_pointer); }

    // One step of a scenario (scenarios.h) as real input; false for a step it does not know.
    bool perform(const QString& step) {
        if (step == QLatin1String("in"))
            moveTo(buttonCentre());
        else if (step == QLatin1String("in2"))
            moveTo(onButton({20, 10}));
        else if (step == QLatin1String("out"))
            moveTo(background());
        else if (step == QLatin1String("press"))
            press();
        else if (step == QLatin1String("release"))
            release();
        else if (step == QLatin1String("away"))
            button->clearFocus();
        else if (step == QLatin1String("space-down"))
            QTest::keyPress(handle(), Qt::Key_Space);
        else if (step == QLatin1String("space-up"))
            QTest::keyRelease(handle(), Qt::Key_Space);
        else if (step == QLatin1String("enter"))
            QTest::keyClick(handle(), Qt::Key_Return);
        else
            return false;
        return true;
    }

    // Lets go of the left button if a scenario left it held, so that the next one starts clean.
    void letGo() {
        if (QGuiApplication::mouseButtons() != Qt::NoButton)
            release();
    }

    // What the window shows where the button is.
    QImage shot() const {
        return window->grab(button->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    QPointer<toolkit::qt::Window> window;
    QPointer<toolkit::qt::SuperBtn> button;

private:
    RecordingSink m_sink;
    toolkit::LiveWindow* m_live = nullptr;
    QPoint m_pointer;
};

} // namespace fixture
