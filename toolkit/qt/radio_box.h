#pragma once

#include <QRadioButton>

namespace toolkit::qt {

class Window;

// An automatic radio button. Its set is the window's business, not Qt's: a click anywhere on it always
// checks it, and arrow keys are left to the window.
class RadioBox final : public QRadioButton {
    Q_OBJECT
public:
    RadioBox(Window& window, std::size_t unit, QWidget* parent);

protected:
    void nextCheckState() override;
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
