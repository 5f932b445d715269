#pragma once

#include "forms/description.h"
#include "forms/geometry.h"
#include "forms/rules.h"
#include "toolkit/backend.h"

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

namespace toolkit {
class SoundPlayer;
}

namespace toolkit::qt {

// A top-level window built from its description. It owns its controls, applies the focus, radio and
// key rules itself (Qt's focus chain and button groups decide nothing) and reports events to the sink.
class Window final : public QWidget, public LiveWindow {
    Q_OBJECT
public:
    Window(const forms::WindowDescription& description, EventSink& sink);
    ~Window() override;

    bool isMinimized() const override;
    void restore() override;
    void activate() override;
    void showAtStartPosition() override;
    void requestClose() override;

    const forms::WindowDescription& description() const { return m_description; }
    const forms::UnitDescription& unit(std::size_t index) const { return m_description.units[index]; }
    QWidget* control(std::size_t unit) const;
    QWidget* control(std::string_view name) const;
    std::optional<std::size_t> unitOf(const QObject* widget) const;
    std::optional<std::size_t> focusedUnit() const;

    // Raised by the controls; the handler may close this window.
    void raiseEvent(std::size_t unit, std::int32_t event, std::span<const std::int32_t> args = {});
    // A radio button was checked by the user: the rest of its set is unchecked, then clicked is raised.
    void radioChecked(std::size_t unit);

    // The player of the controls' sounds; none plays nothing.
    SoundPlayer* soundPlayer() const { return m_soundPlayer; }
    void setSoundPlayer(SoundPlayer* player) { m_soundPlayer = player; }

    // The frame this window assumes until the platform reports the real one.
    forms::FrameMargins frame() const { return m_frame; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void applyWindowSettings();
    bool handleKey(const QKeyEvent& key);
    void apply(const forms::KeyAction& action);
    void click(std::size_t unit);
    void focusUnit(std::size_t unit, Qt::FocusReason reason);
    void reportLeftButtonDown(std::size_t unit, const QMouseEvent& event);
    void settleFrame();
    void placeAtStartPosition();

    const forms::WindowDescription& m_description;
    EventSink& m_sink;
    std::vector<QWidget*> m_controls; // by list index; [0] is unused
    QImage m_background;
    forms::FrameMargins m_frame = forms::ClassicFixedFrame;
    bool m_placedByUs = false;
    bool m_frameKnown = false;
    SoundPlayer* m_soundPlayer = nullptr;
};

} // namespace toolkit::qt
