#pragma once

#include "forms/settings.h"
#include "forms/super_btn_rules.h"

#include <QAbstractButton>
#include <QImage>

namespace toolkit::qt {

class Window;

// An owner-drawn push button with a picture per state and its caption drawn over it. It highlights
// while the pointer is over it and clicks on a completed left click or Space; the rules of both are
// forms::SuperBtnMachine, this class only feeds it and carries out its reactions.
class SuperBtn final : public QAbstractButton {
    Q_OBJECT
public:
    SuperBtn(Window& window, std::size_t unit, QWidget* parent);

    const QImage& normalPicture() const { return m_normal; }
    const QImage& hoverPicture() const { return m_hover; }
    forms::SuperBtnState state() const { return m_machine.state(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    const forms::SuperBtnSettings& settings() const;
    void pointerAt(QPointF position);
    bool leftButtonHeld() const;
    void apply(const forms::SuperBtnReaction& reaction);
    void completeClick();
    void playClickSound();
    void paintFill(QPainter& painter, forms::SuperBtnFill fill) const;

    Window& m_window;
    std::size_t m_unit = 0;
    QImage m_normal;
    QImage m_hover;
    forms::SuperBtnMachine m_machine;
};

} // namespace toolkit::qt
